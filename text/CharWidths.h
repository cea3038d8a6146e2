// Pixel widths of texts in one font, from widths of single characters that
// are measured once each and then kept. A text's width is the sum of its
// characters' widths, which is what the system's text measurement gives for
// the fonts the panes use (no kerning, no overhang).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class TPaneLines;

class TCharWidths {
public:
    // measure(bytes, length): the width of one character of code page 932,
    // one byte or a lead byte and its second byte.
    using Measure = std::function<int(const char* bytes, size_t length)>;
    explicit TCharWidths(Measure measure);

    int Width(const char* p, size_t n);
    int Width(const std::string& s) { return Width(s.data(), s.size()); }

private:
    int Pair(unsigned char lead, unsigned char trail);
    Measure measure_;
    int single_[256];
    std::vector<int> pair_;  // lead * 256 + trail; -1 until measured
};

// The width of the widest entry of a pane (0 for none).
int WidestEntry(const TPaneLines& lines, TCharWidths& widths);
