#include "text/Xpm.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {

[[noreturn]] void Fail(const std::string& what) { throw XpmError("XPM: " + what); }

const char* LineAt(const char* const* lines, size_t count, size_t i)
{
    if (i >= count) Fail("missing line " + std::to_string(i + 1));
    if (!lines[i]) Fail("null line " + std::to_string(i + 1));
    return lines[i];
}

struct Header {
    int width, height, colours, cpp;
};

Header ReadHeader(const char* text)
{
    std::istringstream in(text);
    Header h{};
    if (!(in >> h.width >> h.height >> h.colours >> h.cpp)) Fail("bad header \"" + std::string(text) + "\"");
    // An optional hot spot (two numbers) may follow; nothing else.
    std::vector<std::string> rest;
    for (std::string word; in >> word;) rest.push_back(word);
    auto isNumber = [](const std::string& w) {
        return !w.empty() && w.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!rest.empty() && !(rest.size() == 2 && isNumber(rest[0]) && isNumber(rest[1])))
        Fail("bad header \"" + std::string(text) + "\"");
    if (h.width < 1 || h.width > 4096 || h.height < 1 || h.height > 4096) Fail("size out of range");
    if (h.colours < 1 || h.colours > 256) Fail("colour count must be 1 to 256");
    if (h.cpp < 1 || h.cpp > 2) Fail("1 or 2 characters per pixel supported");
    return h;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    c = (char)std::tolower((unsigned char)c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

uint32_t ParseColour(const std::string& value)
{
    if (!value.empty() && value[0] == '#') {
        std::string hex = value.substr(1);
        for (char c : hex)
            if (HexDigit(c) < 0) Fail("bad colour \"" + value + "\"");
        if (hex.size() == 6) return (uint32_t)std::strtoul(hex.c_str(), nullptr, 16);
        if (hex.size() == 3) {
            uint32_t r = HexDigit(hex[0]) * 17, g = HexDigit(hex[1]) * 17, b = HexDigit(hex[2]) * 17;
            return r << 16 | g << 8 | b;
        }
        Fail("bad colour \"" + value + "\"");
    }
    std::string name;
    for (char c : value) name += (char)std::tolower((unsigned char)c);
    static const std::map<std::string, uint32_t> names = {
        {"black", 0x000000}, {"white", 0xFFFFFF}, {"red", 0xFF0000},  {"green", 0x00FF00},
        {"blue", 0x0000FF},  {"yellow", 0xFFFF00}, {"gray", 0xBEBEBE}, {"grey", 0xBEBEBE},
    };
    auto it = names.find(name);
    if (it == names.end()) Fail("unsupported colour \"" + value + "\"");
    return it->second;
}

// "<chars> key value [key value ...]": the value of the "c" key.
uint32_t ColourOfLine(const std::string& line, int cpp)
{
    std::istringstream in(line.substr((size_t)cpp));
    std::string key, value;
    bool found = false;
    uint32_t colour = 0;
    while (in >> key) {
        if (!(in >> value)) Fail("colour line without value \"" + line + "\"");
        if (key == "c") {
            colour = ParseColour(value);
            found = true;
        } else if (key != "m" && key != "g" && key != "g4" && key != "s") {
            Fail("bad colour key \"" + key + "\"");
        }
    }
    if (!found) Fail("colour line without a \"c\" colour \"" + line + "\"");
    return colour;
}

}  // namespace

TXpmImage ParseXpm(const char* const* lines, size_t count)
{
    if (!lines) Fail("no picture");
    Header h = ReadHeader(LineAt(lines, count, 0));
    TXpmImage image;
    image.Width = h.width;
    image.Height = h.height;
    std::map<std::string, uint8_t> index;
    for (int i = 0; i < h.colours; ++i) {
        std::string line = LineAt(lines, count, 1 + (size_t)i);
        if ((int)line.size() < h.cpp + 1) Fail("short colour line \"" + line + "\"");
        std::string chars = line.substr(0, (size_t)h.cpp);
        if (index.count(chars)) Fail("colour \"" + chars + "\" defined twice");
        index[chars] = (uint8_t)i;
        image.Palette.push_back(ColourOfLine(line, h.cpp));
    }
    image.Pixels.reserve((size_t)h.width * h.height);
    for (int y = 0; y < h.height; ++y) {
        std::string row = LineAt(lines, count, 1 + (size_t)h.colours + y);
        if (row.size() != (size_t)h.width * h.cpp) Fail("row " + std::to_string(y + 1) + " has the wrong length");
        for (int x = 0; x < h.width; ++x) {
            auto it = index.find(row.substr((size_t)x * h.cpp, (size_t)h.cpp));
            if (it == index.end()) Fail("unknown pixel in row " + std::to_string(y + 1));
            image.Pixels.push_back(it->second);
        }
    }
    return image;
}

TXpmImage ParseXpm(const char* const* lines)
{
    if (!lines || !lines[0]) Fail("no picture");
    Header h = ReadHeader(lines[0]);
    return ParseXpm(lines, 1 + (size_t)h.colours + (size_t)h.height);
}
