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

// A place in a text where a character starts: its byte offset and the pixel
// column it is drawn at when the text is drawn from column 0.
struct TTextPoint {
    size_t byte = 0;
    int column = 0;
};

// TCharWidths::Visible(p, n, from, to, start): the whole characters of the
// text of n bytes at p that reach the pixel columns [from, to) when the text
// is drawn from column 0: from the first character whose right edge lies
// past `from` up to, not including, the first character that starts at or
// past `to`. A double-byte character is never cut. `begin` tells where the
// part starts; `end` is where it ends (begin.byte == end when nothing
// reaches the columns). The scan starts at `start`, which must be a
// character start at or before the columns (the text's first byte by
// default), and stops at the part's end: the bytes past the visible columns
// are never read.
struct TVisibleSpan {
    TTextPoint begin;
    size_t end = 0;
};

class TCharWidths {
public:
    // measure(bytes, length): the width of one character of code page 932,
    // one byte or a lead byte and its second byte.
    using Measure = std::function<int(const char* bytes, size_t length)>;
    explicit TCharWidths(Measure measure);

    int Width(const char* p, size_t n);
    int Width(const std::string& s) { return Width(s.data(), s.size()); }

    // See TVisibleSpan.
    TVisibleSpan Visible(const char* p, size_t n, int from, int to, TTextPoint start = TTextPoint());

    // Places to start Visible from in a long text: for k = 1, 2, ... the
    // first character start at or past byte k * every, with its column.
    std::vector<TTextPoint> Marks(const char* p, size_t n, size_t every);

private:
    int Pair(unsigned char lead, unsigned char trail);
    Measure measure_;
    int single_[256];
    std::vector<int> pair_;  // lead * 256 + trail; -1 until measured
};

// The width of the widest entry of a pane (0 for none).
int WidestEntry(const TPaneLines& lines, TCharWidths& widths);
