// The differing part of two lines (text/DiffSpan.h).
#include "text/DiffSpan.h"

#include <algorithm>
#include <vector>

namespace {

bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The length of the character at byte i of a text of n bytes: 2 for a lead
// byte with a byte after it, else 1.
size_t CharLength(const char* p, size_t n, size_t i) { return IsLead((unsigned char)p[i]) && i + 1 < n ? 2 : 1; }

// Marks the character starts of p[from, n) in `starts` (indexed by byte -
// low, for bytes at or past low), scanning from `from`, a character start.
void MarkStarts(const char* p, size_t n, size_t from, size_t low, std::vector<char>& starts)
{
    starts.assign(n - low + 1, 0);
    starts[n - low] = 1;  // the end of the text
    for (size_t i = from; i < n; i += CharLength(p, n, i))
        if (i >= low) starts[i - low] = 1;
}

}  // namespace

TDiffSpan DifferingSpan(const char* a, size_t na, const char* b, size_t nb)
{
    // The common beginning, character by character.
    size_t p = 0;
    while (p < na && p < nb) {
        const size_t la = CharLength(a, na, p), lb = CharLength(b, nb, p);
        if (la != lb || !std::equal(a + p, a + p + la, b + p)) break;
        p += la;
    }
    // The common end in bytes, no longer than what the beginning leaves of
    // the shorter line.
    const size_t room = std::min(na, nb) - p;
    size_t k = 0;
    while (k < room && a[na - 1 - k] == b[nb - 1 - k]) ++k;
    if (k > 0) {
        // Shortened until it starts at a character start on both sides;
        // equal bytes from character starts are the same characters.
        std::vector<char> startsA, startsB;
        MarkStarts(a, na, p, na - k, startsA);
        MarkStarts(b, nb, p, nb - k, startsB);
        size_t cut = 0;  // bytes taken off the front of the common end
        while (cut < k && !(startsA[cut] && startsB[cut])) ++cut;
        k -= cut;
    }
    return TDiffSpan{p, na - k, nb - k};
}
