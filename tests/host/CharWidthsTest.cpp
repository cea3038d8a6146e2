#include <gtest/gtest.h>

#include <map>

#include "text/CharWidths.h"
#include "text/PaneLines.h"

namespace {

// A proportional test font: each character has its own width; counts calls.
struct FakeFont {
    int calls = 0;
    int Measure(const char* p, size_t n)
    {
        ++calls;
        if (n == 2) return 10 + ((unsigned char)p[1] % 3);
        unsigned char c = (unsigned char)p[0];
        if (c == ' ') return 3;
        if (c >= '0' && c <= '9') return 4 + (c - '0') % 2;
        return 5 + c % 4;
    }
    int Text(const std::string& s)
    {
        int w = 0;
        for (size_t i = 0; i < s.size();) {
            unsigned char c = (unsigned char)s[i];
            size_t n = (((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && i + 1 < s.size()) ? 2 : 1;
            w += Measure(&s[i], n);
            i += n;
        }
        return w;
    }
};

}  // namespace

TEST(CharWidths, WidestEntryEqualsMeasuringEveryEntry)
{
    const std::string texts[] = {
        "",
        "a\r\nbb\r\nccc",
        "\x82\xA0\x82\xA2\n" "abcdefgh\n" "\x95\x5C\x83\x5C",
        std::string("x\0y\n\0\0\0\0\0\0\n", 12),
        "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n",
        "\x81",  // a lead byte at the end of a line stands alone
    };
    for (const auto& t : texts) {
        FakeFont font;
        TCharWidths widths([&](const char* p, size_t n) { return font.Measure(p, n); });
        TPaneLines lines;
        lines.Assign(t);
        int expected = 0;
        for (int i = 0; i < lines.Count(); ++i) expected = std::max(expected, font.Text(lines.Text(i)));
        EXPECT_EQ(WidestEntry(lines, widths), expected) << testing::PrintToString(t);
    }
}

TEST(CharWidths, EachCharacterIsMeasuredOnce)
{
    FakeFont font;
    TCharWidths widths([&](const char* p, size_t n) { return font.Measure(p, n); });
    int afterSingles = font.calls;
    std::string text;
    for (int i = 0; i < 1000; ++i) text += "\x82\xA0\x82\xA2 abc\n";
    TPaneLines lines;
    lines.Assign(text);
    WidestEntry(lines, widths);
    EXPECT_EQ(afterSingles, 256);
    EXPECT_EQ(font.calls, 256 + 2);  // the two double-byte characters
}
