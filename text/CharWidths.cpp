#include "text/CharWidths.h"

#include <algorithm>

#include "text/Ansi.h"
#include "text/PaneLines.h"

TCharWidths::TCharWidths(Measure measure) : measure_(std::move(measure)), pair_(65536, -1)
{
    for (int c = 0; c < 256; ++c) {
        char b = (char)c;
        single_[c] = measure_(&b, 1);
    }
}

int TCharWidths::Pair(unsigned char lead, unsigned char trail)
{
    int& w = pair_[lead * 256 + trail];
    if (w < 0) {
        char b[2] = {(char)lead, (char)trail};
        w = measure_(b, 2);
    }
    return w;
}

int TCharWidths::Width(const char* p, size_t n)
{
    const unsigned char* s = reinterpret_cast<const unsigned char*>(p);
    int total = 0;
    size_t i = 0;
    while (i < n) {
        unsigned char c = s[i];
        if (IsLeadByte(c) && i + 1 < n) {
            total += Pair(c, s[i + 1]);
            i += 2;
        } else {
            total += single_[c];
            ++i;
        }
    }
    return total;
}

TVisibleSpan TCharWidths::Visible(const char* p, size_t n, int from, int to, TTextPoint start)
{
    const unsigned char* s = reinterpret_cast<const unsigned char*>(p);
    size_t i = start.byte;
    int column = start.column;
    // The characters that end at or before `from`.
    while (i < n) {
        unsigned char c = s[i];
        bool pair = IsLeadByte(c) && i + 1 < n;
        int w = pair ? Pair(c, s[i + 1]) : single_[c];
        if (column + w > from) break;
        column += w;
        i += pair ? 2 : 1;
    }
    TVisibleSpan span;
    span.begin = {i, column};
    // The characters that start before `to`.
    while (i < n && column < to) {
        unsigned char c = s[i];
        bool pair = IsLeadByte(c) && i + 1 < n;
        column += pair ? Pair(c, s[i + 1]) : single_[c];
        i += pair ? 2 : 1;
    }
    span.end = std::max(i, span.begin.byte);
    return span;
}

std::vector<TTextPoint> TCharWidths::Marks(const char* p, size_t n, size_t every)
{
    const unsigned char* s = reinterpret_cast<const unsigned char*>(p);
    std::vector<TTextPoint> marks;
    if (every == 0) return marks;
    marks.reserve(n / every);
    size_t i = 0, next = every;
    int column = 0;
    while (i < n) {
        if (i >= next) {
            marks.push_back({i, column});
            next = (i / every + 1) * every;
        }
        unsigned char c = s[i];
        if (IsLeadByte(c) && i + 1 < n) {
            column += Pair(c, s[i + 1]);
            i += 2;
        } else {
            column += single_[c];
            ++i;
        }
    }
    return marks;
}

int WidestEntry(const TPaneLines& lines, TCharWidths& widths)
{
    int count = lines.Count();
    if (count == 0) return 0;
    // Every label is spaces and digits of the same total length, so its
    // width follows from the digits of the number alone.
    int labelWidth = lines.LabelWidth();
    int space = widths.Width(" ", 1);
    int bar = widths.Width("| ", 2);
    int digit[10];
    for (int d = 0; d < 10; ++d) {
        char c = (char)('0' + d);
        digit[d] = widths.Width(&c, 1);
    }
    int widest = 0;
    for (int i = 0; i < count; ++i) {
        int number = i + 1, w = 0, n = 0;
        for (; number > 0; number /= 10, ++n) w += digit[number % 10];
        w += std::max(labelWidth - n, 0) * space + bar;
        w += widths.Width(lines.LineData(i), lines.LineLength(i));
        widest = std::max(widest, w);
    }
    return widest;
}
