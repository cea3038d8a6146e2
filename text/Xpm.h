// Reader of the glyph bitmaps, which are kept as XPM pictures (C arrays of
// strings) so that a person can edit them: a header "width height colours
// chars-per-pixel", one line per colour ("<chars> c #RRGGBB"), then one line
// per pixel row, top row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

struct XpmError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct TXpmImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Palette;  // 0xRRGGBB, at most 256 entries
    std::vector<uint8_t> Pixels;    // palette indices, row by row, top row first
    uint8_t At(int x, int y) const { return Pixels[(size_t)y * Width + x]; }
};

// Parses `count` lines. Colours are "#RGB", "#RRGGBB" or one of the names
// black, white, red, green, blue, yellow, gray/grey (case-insensitive); the
// colour of the "c" key is used. Throws XpmError for a malformed header, a
// size outside 1..4096, more than 256 colours, 1 or 2 characters per pixel
// not given, a bad or repeated colour line, a row of the wrong length or an
// unknown pixel, missing lines or a null line.
TXpmImage ParseXpm(const char* const* lines, size_t count);
// The same for an array whose length is given by its own header (a picture
// compiled into the program).
TXpmImage ParseXpm(const char* const* lines);
