#include <gtest/gtest.h>

#include "text/ShortPath.h"

namespace {

// Every byte 6 pixels wide, like a fixed-pitch font of half-width characters.
int Bytes6(const std::string& s) { return (int)s.size() * 6; }

}  // namespace

TEST(ShortenPath, ReplacesLeadingFoldersOneAtATime)
{
    const std::string path = "C:\\one\\two\\three\\file.txt";  // 25 bytes
    struct Case {
        int max;
        std::string shown;
    } cases[] = {
        {25 * 6, path},
        // Cutting "one" gains nothing ("..." is as wide), so "two" goes too.
        {25 * 6 - 1, "C:\\...\\three\\file.txt"},
        {21 * 6, "C:\\...\\three\\file.txt"},
        {21 * 6 - 1, "C:\\...\\file.txt"},
        {15 * 6, "C:\\...\\file.txt"},
        {15 * 6 - 1, "...\\file.txt"},
        {12 * 6, "...\\file.txt"},
        {12 * 6 - 1, "file.txt"},
        {1, "file.txt"},  // only the name is left: shown whole
    };
    for (const auto& c : cases) EXPECT_EQ(ShortenPath(path, c.max, Bytes6), c.shown) << c.max;
}

TEST(ShortenPath, OddShapes)
{
    EXPECT_EQ(ShortenPath("file.txt", 6, Bytes6), "file.txt");
    EXPECT_EQ(ShortenPath("C:\\file.txt", 6, Bytes6), "file.txt");
    EXPECT_EQ(ShortenPath("\\dir\\f", 5 * 6, Bytes6), "...\\f");
    EXPECT_EQ(ShortenPath("", 0, Bytes6), "");
    EXPECT_EQ(ShortenPath("C:\\a\\b\\", 7 * 6, Bytes6), "C:\\a\\b\\");
    EXPECT_EQ(ShortenPath("C:\\a\\b\\", 7 * 6 - 1, Bytes6), "...\\");
}

TEST(ShortenPath, SecondBytesOfDoubleByteCharactersAreNotSeparators)
{
    // 表 is 0x95 0x5C and ソ is 0x83 0x5C: their second byte is a backslash.
    const std::string path = "C:\\\x95\x5C\x95\x5C\x95\x5C\x95\x5C\\\x83\x5C\\x.txt";  // C:\表表表表\ソ\x.txt
    EXPECT_EQ(ShortenPath(path, 20 * 6, Bytes6), path);
    EXPECT_EQ(ShortenPath(path, 19 * 6, Bytes6), "C:\\...\\\x83\x5C\\x.txt");
    EXPECT_EQ(ShortenPath(path, 14 * 6, Bytes6), "C:\\...\\x.txt");
    // A file name ending in the second byte 0x5C stays whole.
    const std::string tail = "C:\\dir\\\x95\x5C";
    EXPECT_EQ(ShortenPath(tail, 8 * 6, Bytes6), "...\\\x95\x5C");
    EXPECT_EQ(ShortenPath(tail, 5 * 6, Bytes6), "\x95\x5C");
}

TEST(ShortenPath, UsesTheGivenWidthsNotByteCounts)
{
    // Full-width characters twice as wide as half-width ones.
    auto widths = [](const std::string& s) {
        int w = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            unsigned char c = (unsigned char)s[i];
            if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
                w += 12;
                ++i;
            } else {
                w += 6;
            }
        }
        return w;
    };
    const std::string path = "C:\\\x82\xA0\x82\xA0\x82\xA0\\b\\f";  // C:\あああ\b\f
    EXPECT_EQ(ShortenPath(path, widths(path), widths), path);
    EXPECT_EQ(ShortenPath(path, widths(path) - 1, widths), "C:\\...\\b\\f");
}
