#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Lines.h"

namespace {

std::vector<std::string> Split(const std::string& s)
{
    std::vector<std::string> out;
    ForEachLine(s.data(), s.size(), [&](const char* p, size_t n) { out.emplace_back(p, n); });
    return out;
}

}  // namespace

TEST(LineSplitting, BreaksAndEnds)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"a\r", {"a"}},
        {std::string("a\0b\r\nc", 6), {std::string("a\0b", 3), "c"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Split(c.text), c.lines) << "text: " << testing::PrintToString(c.text);
}
