// Fuzz harness of the XPM reader (text/Xpm.h): any lines either give a
// picture that agrees with its header (sizes, palette, every pixel an index
// into it) or an XpmError, never anything else; a picture written back as
// XPM reads as the same picture; and pictures made up from the input, in
// either pixel width and every colour notation, read as made.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "text/Xpm.h"

namespace {

bool SameImage(const TXpmImage& a, const TXpmImage& b)
{
    return a.Width == b.Width && a.Height == b.Height && a.Palette == b.Palette && a.Pixels == b.Pixels;
}

// Pixel characters of colour i: printable, never '"' or '\\'.
std::string PixelChars(size_t i, int cpp)
{
    static const std::string alphabet =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.#$%&*+-/:;<=>?@[]^_`{|}~ ";
    if (cpp == 1) return std::string(1, alphabet[i]);
    return std::string(1, alphabet[i / alphabet.size()]) + alphabet[i % alphabet.size()];
}

std::vector<std::string> WriteXpm(const TXpmImage& image, int cpp, const std::vector<int>& notation)
{
    std::vector<std::string> lines;
    lines.push_back(std::to_string(image.Width) + " " + std::to_string(image.Height) + " " +
                    std::to_string(image.Palette.size()) + " " + std::to_string(cpp));
    static const std::map<uint32_t, std::string> names = {{0x000000, "Black"}, {0xFFFFFF, "WHITE"},
                                                          {0xFF0000, "red"},   {0x00FF00, "green"},
                                                          {0x0000FF, "blue"},  {0xFFFF00, "yellow"},
                                                          {0xBEBEBE, "grey"}};
    for (size_t i = 0; i < image.Palette.size(); ++i) {
        uint32_t c = image.Palette[i];
        char hex[16];
        std::snprintf(hex, sizeof hex, "#%06X", c);
        std::string value = hex;
        int how = notation.empty() ? 0 : notation[i % notation.size()];
        if (how == 1 && names.count(c)) value = names.at(c);
        if (how == 2 && (c >> 16 & 0xFF) % 17 == 0 && (c >> 8 & 0xFF) % 17 == 0 && (c & 0xFF) % 17 == 0) {
            std::snprintf(hex, sizeof hex, "#%x%x%x", (c >> 16 & 0xFF) / 17, (c >> 8 & 0xFF) / 17, (c & 0xFF) / 17);
            value = hex;
        }
        std::string line = PixelChars(i, cpp) + "\t";
        if (how == 3) line += "s name m white ";
        line += "c " + value;
        lines.push_back(line);
    }
    for (int y = 0; y < image.Height; ++y) {
        std::string row;
        for (int x = 0; x < image.Width; ++x) row += PixelChars(image.At(x, y), cpp);
        lines.push_back(row);
    }
    return lines;
}

bool Parse(const std::vector<std::string>& lines, TXpmImage& image)
{
    std::vector<const char*> ptrs;
    for (const std::string& l : lines) ptrs.push_back(l.c_str());
    try {
        image = ParseXpm(ptrs.data(), ptrs.size());
        return true;
    } catch (const XpmError&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    if (in.Byte() & 1) {
        // Lines as they come, split at newlines.
        std::string text = in.Rest();
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t i = 0; i <= text.size(); ++i)
            if (i == text.size() || text[i] == '\n') {
                lines.push_back(text.substr(start, i - start));
                start = i + 1;
            }
        // A NUL ends a line of a C array.
        for (std::string& l : lines) l = l.substr(0, l.find('\0'));
        TXpmImage image;
        if (!Parse(lines, image)) return 0;
        FUZZ_CHECK(image.Width >= 1 && image.Width <= 4096 && image.Height >= 1 && image.Height <= 4096);
        FUZZ_CHECK(!image.Palette.empty() && image.Palette.size() <= 256);
        FUZZ_CHECK(image.Pixels.size() == (size_t)image.Width * image.Height);
        for (uint32_t c : image.Palette) FUZZ_CHECK(c <= 0xFFFFFF);
        for (uint8_t p : image.Pixels) FUZZ_CHECK(p < image.Palette.size());
        FUZZ_CHECK(lines.size() >= 1 + image.Palette.size() + image.Height);
        // The array form, sized by its header, reads the same picture.
        std::vector<const char*> ptrs;
        for (size_t i = 0; i < 1 + image.Palette.size() + image.Height; ++i) ptrs.push_back(lines[i].c_str());
        FUZZ_CHECK(SameImage(ParseXpm(ptrs.data()), image));
        // Written back, it reads the same.
        TXpmImage again;
        FUZZ_CHECK(Parse(WriteXpm(image, image.Palette.size() > 80 ? 2 : 1, {0}), again));
        FUZZ_CHECK(SameImage(again, image));
        return 0;
    }

    // A picture made up from the input.
    TXpmImage made;
    made.Width = 1 + in.Byte() % 16;
    made.Height = 1 + in.Byte() % 16;
    const int cpp = 1 + (in.Byte() & 1);
    // Up to 257 colours with two characters per pixel: one too many.
    size_t colours = cpp == 1 ? 1 + in.Byte() % 80 : 1 + (size_t)in.Byte() + (in.Byte() & 1);
    std::vector<int> notation;
    for (size_t i = 0; i < colours; ++i) {
        uint8_t pick = in.Byte();
        uint32_t c = pick < 64 ? (uint32_t)(pick % 16) * 0x111111 : in.Number<uint32_t>() & 0xFFFFFF;
        if (pick % 5 == 0) c = 0xFFFFFF;
        if (pick % 7 == 0) c = 0xBEBEBE;
        made.Palette.push_back(c);
        notation.push_back(pick % 4);
    }
    for (int i = 0; i < made.Width * made.Height; ++i)
        made.Pixels.push_back((uint8_t)(in.Byte() % std::min<size_t>(colours, 256)));
    const std::vector<std::string> lines = WriteXpm(made, cpp, notation);
    TXpmImage read;
    if (colours > 256) {
        FUZZ_CHECK(!Parse(lines, read));
        return 0;
    }
    FUZZ_CHECK(Parse(lines, read));
    FUZZ_CHECK(SameImage(read, made));

    // Each of these spoils the picture and must give an error.
    const size_t firstRow = 1 + colours;
    const size_t row = firstRow + in.Byte() % made.Height;
    std::vector<std::vector<std::string>> spoilt(6, lines);
    spoilt[0].pop_back();                              // the last row lost
    spoilt[1][row] += PixelChars(0, cpp);              // a row one pixel too long
    spoilt[2][row].resize(spoilt[2][row].size() - 1);  // a row one character short
    spoilt[3][row].replace(0, cpp, std::string((size_t)cpp, '\x7f'));  // an unknown pixel
    spoilt[4][0] = std::to_string(made.Width + 1) + " " + std::to_string(made.Height) + " " +
                   std::to_string(colours) + " " + std::to_string(cpp);  // rows too short for the width
    spoilt[5][0] = std::to_string(made.Width) + " " + std::to_string(made.Height) + " " +
                   std::to_string(colours + 1) + " " + std::to_string(cpp);  // one colour more than given
    for (const auto& bad : spoilt) FUZZ_CHECK(!Parse(bad, read));
    if (colours >= 2) {
        std::vector<std::string> twice = lines;  // a colour defined twice
        twice[2].replace(0, cpp, lines[1].substr(0, cpp));
        FUZZ_CHECK(!Parse(twice, read));
    }
    return 0;
}
