// The XPM reader, and the program's own glyph pictures read through it.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "text/Xpm.h"

#include "forms/glyphs/ArrowSpeedBtn.xpm"
#include "forms/glyphs/SpeedButton1.xpm"
#include "forms/glyphs/UpSpeedBtn.xpm"
#include "forms/glyphs/ViewSpeedBtn.xpm"

namespace {

TXpmImage Parse(const std::vector<const char*>& lines) { return ParseXpm(lines.data(), lines.size()); }

}  // namespace

TEST(XpmReader, ReadsSizePaletteAndPixels)
{
    TXpmImage image = Parse({"3 2 3 1", ". c #FF00FF", "k c #000000", "  c #abc", ".k ", " k."});
    EXPECT_EQ(image.Width, 3);
    EXPECT_EQ(image.Height, 2);
    EXPECT_EQ(image.Palette, (std::vector<uint32_t>{0xFF00FF, 0x000000, 0xAABBCC}));
    EXPECT_EQ(image.Pixels, (std::vector<uint8_t>{0, 1, 2, 2, 1, 0}));
    EXPECT_EQ(image.At(2, 1), 0);
    EXPECT_EQ(image.At(0, 1), 2);
}

TEST(XpmReader, TwoCharactersPerPixelNamesHotSpotAndOtherKeys)
{
    TXpmImage image = Parse({"2 1 2 2 0 0", "aa c White m white", "ab s edge c Yellow", "abaa"});
    EXPECT_EQ(image.Palette, (std::vector<uint32_t>{0xFFFFFF, 0xFFFF00}));
    EXPECT_EQ(image.Pixels, (std::vector<uint8_t>{1, 0}));
}

TEST(XpmReader, FullPaletteOf256Colours)
{
    std::vector<std::string> text{"256 1 256 2"};
    std::string row;
    for (int i = 0; i < 256; ++i) {
        char chars[3] = {(char)('A' + i / 16), (char)('A' + i % 16), 0};
        char line[32];
        std::snprintf(line, sizeof line, "%s c #%06X", chars, i * 0x010101);
        text.push_back(line);
        row += chars;
    }
    text.push_back(row);
    std::vector<const char*> lines;
    for (auto& t : text) lines.push_back(t.c_str());
    TXpmImage image = Parse(lines);
    ASSERT_EQ(image.Palette.size(), 256u);
    EXPECT_EQ(image.Palette[255], 0xFFFFFFu);
    EXPECT_EQ(image.At(200, 0), 200);
}

TEST(XpmReader, RejectsMalformedPictures)
{
    struct {
        std::vector<const char*> lines;
        const char* why;
    } cases[] = {
        {{}, "no lines"},
        {{"2 1"}, "short header"},
        {{"2 1 1 1 x", ". c #000000", ".."}, "junk in header"},
        {{"0 1 1 1", ". c #000000", ""}, "zero width"},
        {{"1 1 257 1"}, "too many colours"},
        {{"1 1 1 3", "... c #000000", "..."}, "three characters per pixel"},
        {{"1 1 1 1", ". c #00000G", "."}, "bad hex"},
        {{"1 1 1 1", ". c #0000", "."}, "bad hex length"},
        {{"1 1 1 1", ". c None", "."}, "None"},
        {{"1 1 1 1", ". c", "."}, "no colour value"},
        {{"1 1 1 1", ". m #000000", "."}, "no c key"},
        {{"1 1 1 1", ". q #000000", "."}, "bad key"},
        {{"1 1 2 1", ". c #000000", ". c #FFFFFF", "."}, "colour twice"},
        {{"2 1 1 1", ". c #000000", "."}, "short row"},
        {{"2 1 1 1", ". c #000000", "..."}, "long row"},
        {{"2 1 1 1", ". c #000000", ".x"}, "unknown pixel"},
        {{"2 2 1 1", ". c #000000", ".."}, "missing row"},
        {{"2 1 1 1", nullptr, ".."}, "null line"},
    };
    for (const auto& c : cases) EXPECT_THROW(Parse(c.lines), XpmError) << c.why;
    EXPECT_THROW(ParseXpm(nullptr), XpmError);
}

// The pictures the dialog shows: their sizes, 256 colours at most, and a
// bottom-left colour that marks transparency without eating the motif.
TEST(GlyphPictures, SizesAndTransparentColour)
{
    struct {
        const char* const* xpm;
        const char* name;
        int width, height;
    } cases[] = {
        {UpSpeedBtnGlyph, "UpSpeedBtn", 15, 14},
        {SpeedButton1Glyph, "SpeedButton1", 16, 16},
        {ViewSpeedBtnGlyph, "ViewSpeedBtn", 16, 16},
        {ArrowSpeedBtnGlyph, "ArrowSpeedBtn", 7, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TXpmImage image = ParseXpm(c.xpm);
        EXPECT_EQ(image.Width, c.width);
        EXPECT_EQ(image.Height, c.height);
        EXPECT_LE(image.Palette.size(), 256u);
        uint32_t transparent = image.Palette[image.At(0, image.Height - 1)];
        std::set<uint32_t> motif;
        size_t clear = 0;
        for (uint8_t p : image.Pixels) {
            if (image.Palette[p] == transparent) ++clear;
            else motif.insert(image.Palette[p]);
        }
        EXPECT_GT(clear, 0u);
        EXPECT_GE(motif.size(), 1u);
        // Every palette entry is used, and only the transparent one is the
        // background colour.
        std::set<uint8_t> used(image.Pixels.begin(), image.Pixels.end());
        EXPECT_EQ(used.size(), image.Palette.size());
        EXPECT_EQ(std::set<uint32_t>(image.Palette.begin(), image.Palette.end()).size(), image.Palette.size());
    }
    // Motif spots: the arrow tip is black, the folders yellow, the title bar
    // blue, the triangle black.
    EXPECT_EQ(ParseXpm(UpSpeedBtnGlyph).Palette[ParseXpm(UpSpeedBtnGlyph).At(10, 0)], 0x000000u);
    EXPECT_EQ(ParseXpm(UpSpeedBtnGlyph).Palette[ParseXpm(UpSpeedBtnGlyph).At(4, 10)], 0xFFD840u);
    EXPECT_EQ(ParseXpm(SpeedButton1Glyph).Palette[ParseXpm(SpeedButton1Glyph).At(4, 11)], 0xFFD840u);
    EXPECT_EQ(ParseXpm(ViewSpeedBtnGlyph).Palette[ParseXpm(ViewSpeedBtnGlyph).At(5, 2)], 0x2060D0u);
    EXPECT_EQ(ParseXpm(ArrowSpeedBtnGlyph).Palette[ParseXpm(ArrowSpeedBtnGlyph).At(3, 4)], 0x000000u);
}

// Damaged pictures: every result is either a consistent image or XpmError.
TEST(XpmReader, RandomlyDamagedPicturesParseConsistentlyOrFail)
{
    const char* const* sources[] = {UpSpeedBtnGlyph, SpeedButton1Glyph, ViewSpeedBtnGlyph, ArrowSpeedBtnGlyph};
    std::mt19937 rng(5);
    int parsed = 0, rejected = 0;
    for (int round = 0; round < 20000; ++round) {
        const char* const* src = sources[rng() % 4];
        TXpmImage original = ParseXpm(src);
        size_t count = 1 + original.Palette.size() + (size_t)original.Height;
        std::vector<std::string> text(src, src + count);
        int damage = 1 + rng() % 3;
        for (int d = 0; d < damage; ++d) {
            std::string& line = text[rng() % text.size()];
            switch (rng() % 4) {
            case 0: if (!line.empty()) line[rng() % line.size()] = (char)(rng() % 256); break;
            case 1: if (!line.empty()) line.erase(rng() % line.size(), 1); break;
            case 2: line.insert(line.begin() + (line.empty() ? 0 : rng() % line.size()), "0 #.c"[rng() % 5]); break;
            case 3: if (text.size() > 1) text.pop_back(); break;
            }
        }
        std::vector<const char*> lines;
        for (auto& t : text) lines.push_back(t.c_str());
        try {
            TXpmImage image = ParseXpm(lines.data(), lines.size());
            ASSERT_EQ(image.Pixels.size(), (size_t)image.Width * image.Height);
            ASSERT_LE(image.Palette.size(), 256u);
            for (uint8_t p : image.Pixels) ASSERT_LT(p, image.Palette.size());
            ++parsed;
        } catch (const XpmError&) {
            ++rejected;
        }
    }
    // Both outcomes occur, so the damage reaches the checks and spares some.
    EXPECT_GT(parsed, 0);
    EXPECT_GT(rejected, 0);
}
