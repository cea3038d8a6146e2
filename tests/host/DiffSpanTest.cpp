// The differing part of two lines: a table of cases and a comparison with
// a character-by-character reference on random lines.
#include "text/DiffSpan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

TDiffSpan Span(const std::string& a, const std::string& b) { return DifferingSpan(a.data(), a.size(), b.data(), b.size()); }

// The text's characters: a lead byte with the byte after it, else one byte.
std::vector<std::string> Chars(const std::string& s)
{
    std::vector<std::string> v;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = (unsigned char)s[i];
        size_t n = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && i + 1 < s.size() ? 2 : 1;
        v.push_back(s.substr(i, n));
        i += n;
    }
    return v;
}

// The same answer worked out on whole characters.
TDiffSpan Reference(const std::string& a, const std::string& b)
{
    std::vector<std::string> ca = Chars(a), cb = Chars(b);
    size_t p = 0, pBytes = 0;
    while (p < ca.size() && p < cb.size() && ca[p] == cb[p]) pBytes += ca[p++].size();
    size_t best = 0;
    size_t sBytes = 0;
    for (size_t s = 1; s <= ca.size() && s <= cb.size(); ++s) {
        if (ca[ca.size() - s] != cb[cb.size() - s]) break;
        sBytes += ca[ca.size() - s].size();
        if (pBytes + sBytes > a.size() || pBytes + sBytes > b.size()) break;
        best = sBytes;
    }
    return TDiffSpan{pBytes, a.size() - best, b.size() - best};
}

}  // namespace

TEST(DiffSpan, Table)
{
    struct Case {
        const char* what;
        std::string a, b;
        size_t begin, aEnd, bEnd;
    } cases[] = {
        {"equal", "abc", "abc", 3, 3, 3},
        {"both empty", "", "", 0, 0, 0},
        {"change at the start", "xbcd", "ybcd", 0, 1, 1},
        {"change in the middle", "abXde", "abYde", 2, 3, 3},
        {"change at the end", "abcd", "abcz", 3, 4, 4},
        {"inserted in the middle", "abde", "abcde", 2, 2, 3},
        {"longer part on the left", "a123b", "aZb", 1, 4, 2},
        {"prefix and suffix overlap: aa / aaa", "aa", "aaa", 2, 2, 3},
        {"prefix and suffix overlap: aaa / aa", "aaa", "aa", 2, 3, 2},
        {"ab / abab", "ab", "abab", 2, 2, 4},
        {"left empty", "", "abc", 0, 0, 3},
        {"right empty", "abc", "", 0, 3, 0},
        // 日本 against 日木: 本 = 96 7B, 木 = 96 D8, same lead byte.
        {"double-byte, same lead byte", "\x93\xFA\x96\x7B", "\x93\xFA\x96\xD8", 2, 4, 4},
        // 表 = 95 5C and ソ = 83 5C share the trail byte 5C.
        {"double-byte, same trail byte", "a\x95\x5C" "b", "a\x83\x5C" "b", 1, 3, 3},
        // A trail byte equal to an ASCII character at the end: ソ (83 5C)
        // against "x\" keeps the 5C inside its character.
        {"trail byte equal to an ASCII end", "\x83\x5C", "x\x5C", 0, 2, 2},
        {"double-byte against ASCII", "a\x82\xA0z", "abz", 1, 3, 2},
        {"double-byte changed at the start", "\x82\xA0xyz", "\x82\xA2xyz", 0, 2, 2},
        {"double-byte changed at the end", "xyz\x82\xA0", "xyz\x82\xA2", 3, 5, 5},
        // A lead byte at the very end stands alone.
        {"lone lead byte at the end", "ab\x82", "ab\x82\xA0", 2, 3, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TDiffSpan s = Span(c.a, c.b);
        EXPECT_EQ(s.begin, c.begin);
        EXPECT_EQ(s.aEnd, c.aEnd);
        EXPECT_EQ(s.bEnd, c.bEnd);
        TDiffSpan r = Reference(c.a, c.b);
        EXPECT_EQ(r.begin, c.begin);
        EXPECT_EQ(r.aEnd, c.aEnd);
        EXPECT_EQ(r.bEnd, c.bEnd);
    }
}

// Random lines built from a few ASCII and double-byte characters (with
// shared lead and trail bytes, and 5C trail bytes) give the reference's
// answer, and what is outside the part is equal on both sides.
TEST(DiffSpan, AgreesWithACharacterReference)
{
    std::mt19937 rng(20261211);
    const std::vector<std::string> alphabet = {"a", "b", "\\", "\x95\x5C", "\x83\x5C", "\x96\x7B", "\x96\xD8", "\x82\xA0"};
    auto line = [&] {
        std::string s;
        int n = (int)(rng() % 8);
        for (int i = 0; i < n; ++i) s += alphabet[rng() % alphabet.size()];
        if (rng() % 10 == 0) s += "\x82";  // a lone lead byte at the end
        return s;
    };
    for (int round = 0; round < 20000; ++round) {
        std::string a = line(), b = rng() % 3 == 0 ? a : line();
        if (rng() % 2 && !a.empty()) {  // a near copy: one character changed or inserted
            b = a;
            size_t at = rng() % (b.size() + 1);
            b.insert(at, alphabet[rng() % alphabet.size()]);
        }
        TDiffSpan s = Span(a, b), r = Reference(a, b);
        ASSERT_EQ(s.begin, r.begin) << a << " / " << b;
        ASSERT_EQ(s.aEnd, r.aEnd) << a << " / " << b;
        ASSERT_EQ(s.bEnd, r.bEnd) << a << " / " << b;
        ASSERT_LE(s.begin, s.aEnd);
        ASSERT_LE(s.begin, s.bEnd);
        ASSERT_EQ(a.substr(0, s.begin), b.substr(0, s.begin));
        ASSERT_EQ(a.substr(s.aEnd), b.substr(s.bEnd));
        if (a == b) {
            ASSERT_EQ(s.aEnd, s.begin);
        }
    }
}
