// Line splitting of the program: a line ends at CR LF, at a lone CR or at a
// lone LF; a break at the very end adds no empty line; an empty text has no
// lines. Every other byte, NUL included, belongs to its line.
#pragma once

#include <cstddef>

template <class F>
void ForEachLine(const char* p, size_t n, F&& f)
{
    size_t start = 0, i = 0;
    while (i < n) {
        char c = p[i];
        if (c == '\r' || c == '\n') {
            f(p + start, i - start);
            i += (c == '\r' && i + 1 < n && p[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n) f(p + start, n - start);
}
