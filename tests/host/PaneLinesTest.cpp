#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/PaneLines.h"

TEST(LineNumberLabel, WidthFollowsTheDigitsOfTheCount)
{
    struct Case {
        int count, number;
        std::string label;
    } cases[] = {
        {9, 1, "  1"},        {9, 9, "  9"},          {10, 1, "   1"},   {10, 10, "  10"},
        {123, 1, "    1"},    {123, 123, "  123"},    {0, 1, "  1"},     {99, 5, "   5"},
        {100, 100, "  100"},  {1000000, 7, "        7"}, {5, 123, "123"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatLineNumber(c.count, c.number), c.label) << c.count << " " << c.number;
}

namespace {

std::vector<std::string> Entries(const TPaneLines& p)
{
    std::vector<std::string> out;
    for (int i = 0; i < p.Count(); ++i) out.push_back(p.Text(i));
    return out;
}

}  // namespace

TEST(PaneLines, EntriesCarryTheirLabelAndEveryByteOfTheLine)
{
    struct Case {
        std::string text;
        std::vector<std::string> entries;
    } cases[] = {
        {"", {}},
        {"a\r\n\r\nb", {"  1| a", "  2| ", "  3| b"}},
        {"a\r\n", {"  1| a"}},
        {"a\rb\nc", {"  1| a", "  2| b", "  3| c"}},
        {"\r\r\n\n", {"  1| ", "  2| ", "  3| "}},
        {"x\n\r", {"  1| x", "  2| "}},
        // A NUL byte is part of its line, and the text goes on after it.
        {std::string("a\0b\r\nc\0", 7), {std::string("  1| a\0b", 8), std::string("  2| c\0", 7)}},
        {"\x95\x5C\r\n\x83\x5C", {"  1| \x95\x5C", "  2| \x83\x5C"}},
    };
    for (const auto& c : cases) {
        TPaneLines p;
        p.Assign(c.text);
        EXPECT_EQ(Entries(p), c.entries) << testing::PrintToString(c.text);
        for (int i = 0; i < p.Count(); ++i)
            EXPECT_EQ(std::string(p.LineData(i), p.LineLength(i)), c.entries[i].substr(5)) << i;
    }
}

TEST(PaneLines, LabelWidthOfTenLinesAndTheLastOfThem)
{
    std::string text;
    for (int i = 1; i <= 10; ++i) text += "L" + std::to_string(i) + "\n";
    TPaneLines p;
    p.Assign(text);
    ASSERT_EQ(p.Count(), 10);
    EXPECT_EQ(p.LabelWidth(), 4);
    EXPECT_EQ(p.Text(0), "   1| L1");
    EXPECT_EQ(p.Text(9), "  10| L10");
}

TEST(PaneLines, EntriesAreEqualOnlyWithTheSameLabelWidthAndBytes)
{
    auto make = [](const std::string& t) {
        TPaneLines p;
        p.Assign(t);
        return p;
    };
    std::string nine, ten;
    for (int i = 0; i < 9; ++i) nine += "same\n";
    ten = nine + "extra\n";
    TPaneLines a = make("one\ntwo\nthree"), b = make("one\ntwO\nthree\r\n");
    EXPECT_TRUE(TPaneLines::EntriesEqual(a, b, 0));
    EXPECT_FALSE(TPaneLines::EntriesEqual(a, b, 1));
    EXPECT_TRUE(TPaneLines::EntriesEqual(a, b, 2));
    // Different only after a NUL byte.
    TPaneLines n1 = make(std::string("ab\0cd", 5)), n2 = make(std::string("ab\0ce", 5));
    EXPECT_FALSE(TPaneLines::EntriesEqual(n1, n2, 0));
    // 9 and 10 lines: same text, labels of different width.
    TPaneLines p9 = make(nine), p10 = make(ten);
    EXPECT_FALSE(TPaneLines::EntriesEqual(p9, p10, 0));
    EXPECT_NE(p9.Text(0), p10.Text(0));
    // Prefix of the other line.
    TPaneLines s1 = make("abc"), s2 = make("abcd");
    EXPECT_FALSE(TPaneLines::EntriesEqual(s1, s2, 0));
}

TEST(PaneLines, SwapAndClear)
{
    TPaneLines a, b;
    a.Assign("1\n2\n");
    b.Assign("x");
    a.Swap(b);
    EXPECT_EQ(Entries(a), std::vector<std::string>{"  1| x"});
    EXPECT_EQ(b.Count(), 2);
    b.Clear();
    EXPECT_EQ(b.Count(), 0);
}
