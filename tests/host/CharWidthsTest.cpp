#include <gtest/gtest.h>

#include <algorithm>
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

namespace {

// Where the characters of a text start and end with FakeFont, found without
// TCharWidths: {byte, left column, right column} for each character.
struct CharBox {
    size_t byte;
    int left, right;
};
std::vector<CharBox> Boxes(FakeFont& font, const std::string& s)
{
    std::vector<CharBox> v;
    int column = 0;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = (unsigned char)s[i];
        size_t n = (((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && i + 1 < s.size()) ? 2 : 1;
        int w = font.Measure(&s[i], n);
        v.push_back({i, column, column + w});
        column += w;
        i += n;
    }
    return v;
}

}  // namespace

// The part of a line that reaches given columns. FakeFont: "a" 6, "b" 7,
// " " 3, "0" 4, "1" 5, a double-byte character 10 + (second byte % 3):
// 表 (95 5C) 12, あ (82 A0) 11, い (82 A2) 10.
TEST(CharWidths, VisiblePartIsWholeCharactersReachingTheColumns)
{
    struct Case {
        const char* text;
        int from, to;
        size_t begin;
        int beginColumn;
        size_t end;
    };
    const Case cases[] = {
        // "ab": a [0,6) b [6,13)
        {"ab", 0, 100, 0, 0, 2},
        {"ab", 5, 6, 0, 0, 1},    // only a reaches column 5
        {"ab", 6, 7, 1, 6, 2},    // a ends at 6: it does not reach
        {"ab", 0, 6, 0, 0, 1},    // b starts at 6: not before 6
        {"ab", 13, 20, 2, 13, 2}, // past the end: nothing
        {"ab", 3, 3, 0, 0, 1},    // an empty range inside a: a
        // "a表b": a [0,6) 表 [6,18) b [18,25); 表's second byte is a backslash
        {"a\x95\x5C" "b", 7, 10, 1, 6, 3},   // the double-byte character straddles both edges
        {"a\x95\x5C" "b", 17, 19, 1, 6, 4},  // its last column and b's first
        {"a\x95\x5C" "b", 18, 19, 3, 18, 4}, // b alone
        {"a\x95\x5C" "b", 0, 7, 0, 0, 3},    // cut inside 表 on the right: 表 whole
        // A second byte that looks like a lead byte: あい is 82 A0 82 A2.
        {"\x82\xA0\x82\xA2", 11, 12, 2, 11, 4},
        {"\x82\xA0\x82\xA2", 10, 11, 0, 0, 2},
        // A lead byte at the end stands alone: "a" then 0x81 (5 + 0x81 % 4 = 6).
        {"a\x81", 7, 8, 1, 6, 2},
        {"", 0, 10, 0, 0, 0},
    };
    for (const Case& c : cases) {
        FakeFont font;
        TCharWidths widths([&](const char* p, size_t n) { return font.Measure(p, n); });
        std::string s = c.text;
        TVisibleSpan span = widths.Visible(s.data(), s.size(), c.from, c.to);
        SCOPED_TRACE(testing::PrintToString(s) + " [" + std::to_string(c.from) + "," + std::to_string(c.to) + ")");
        EXPECT_EQ(span.end, c.end);
        if (c.begin != c.end) {
            EXPECT_EQ(span.begin.byte, c.begin);
            EXPECT_EQ(span.begin.column, c.beginColumn);
        } else {
            EXPECT_EQ(span.begin.byte, span.end);
        }
    }
}

// Random texts of single bytes, double-byte characters and lone lead bytes,
// random columns: the part is exactly the characters that overlap the
// columns, found by boxing every character; starting from any character
// start before the columns gives the same part.
TEST(CharWidths, VisiblePartAgreesWithBoxingEveryCharacter)
{
    unsigned seed = 4711;
    auto next = [&](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    const unsigned char pool[] = {'a', 'b', ' ', '0', '1', 0x5C, 0x81, 0x82, 0x83, 0x95, 0x9F,
                                  0xA0, 0xA2, 0xE0, 0xFC, 0x40, 0x7F, 0x80, 0xFD, 0x00};
    for (int round = 0; round < 3000; ++round) {
        std::string s;
        size_t n = next(40);
        for (size_t i = 0; i < n; ++i) s += (char)pool[next(sizeof pool)];
        FakeFont font;
        TCharWidths widths([&](const char* p, size_t k) { return font.Measure(p, k); });
        std::vector<CharBox> boxes = Boxes(font, s);
        int total = boxes.empty() ? 0 : boxes.back().right;
        int from = (int)next(total + 20) - 5, to = from + (int)next(60);
        std::vector<size_t> inside;
        for (const CharBox& b : boxes)
            if (b.left < to && b.right > from) inside.push_back(b.byte);
        // A start point: any character that ends at or before `from`.
        TTextPoint start;
        std::vector<TTextPoint> starts = {start};
        for (const CharBox& b : boxes)
            if (b.right <= from) starts.push_back({b.byte, b.left});
        for (const TTextPoint& st : starts) {
            TVisibleSpan span = widths.Visible(s.data(), s.size(), from, to, st);
            SCOPED_TRACE(testing::PrintToString(s) + " [" + std::to_string(from) + "," + std::to_string(to) +
                         ") from byte " + std::to_string(st.byte));
            if (inside.empty()) {
                EXPECT_EQ(span.begin.byte, span.end);
                continue;
            }
            ASSERT_EQ(span.begin.byte, inside.front());
            size_t k = 0;
            while (boxes[k].byte != inside.front()) ++k;
            EXPECT_EQ(span.begin.column, boxes[k].left);
            size_t last = inside.back();
            size_t lastEnd = s.size();
            for (const CharBox& b : boxes)
                if (b.byte > last) {
                    lastEnd = b.byte;
                    break;
                }
            EXPECT_EQ(span.end, lastEnd);
        }
    }
}

// Marks in random texts: each is the first character start at or past a
// multiple of the spacing, with the column the boxes give it.
TEST(CharWidths, MarksAreCharacterStartsAtEachMultipleOfTheSpacing)
{
    unsigned seed = 99;
    auto next = [&](unsigned n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    const unsigned char pool[] = {'a', ' ', '1', 0x5C, 0x81, 0x82, 0xA0, 0xE0, 0xFC, 0x40, 0x00};
    for (int round = 0; round < 2000; ++round) {
        std::string s;
        size_t n = next(80);
        for (size_t i = 0; i < n; ++i) s += (char)pool[next(sizeof pool)];
        size_t every = 1 + next(9);
        FakeFont font;
        TCharWidths widths([&](const char* p, size_t k) { return font.Measure(p, k); });
        std::vector<CharBox> boxes = Boxes(font, s);
        std::vector<TTextPoint> expected;
        for (size_t k = 1;; ++k) {
            auto b = std::find_if(boxes.begin(), boxes.end(), [&](const CharBox& c) { return c.byte >= k * every; });
            if (b == boxes.end()) break;
            if (expected.empty() || expected.back().byte != b->byte) expected.push_back({b->byte, b->left});
        }
        std::vector<TTextPoint> marks = widths.Marks(s.data(), s.size(), every);
        SCOPED_TRACE(testing::PrintToString(s) + " every " + std::to_string(every));
        ASSERT_EQ(marks.size(), expected.size());
        for (size_t k = 0; k < marks.size(); ++k) {
            EXPECT_EQ(marks[k].byte, expected[k].byte);
            EXPECT_EQ(marks[k].column, expected[k].column);
        }
    }
}
