// A speed button's glyph: an XPM picture turned into an 8-bit (256-colour)
// DIB section, drawn with the colour of its bottom-left pixel transparent.
#pragma once

#include "gui/Win32.h"
#include "text/Xpm.h"

class TGlyph {
public:
    // Raises Exception when the picture is malformed.
    explicit TGlyph(const char* const* xpm);
    ~TGlyph();
    TGlyph(const TGlyph&) = delete;
    TGlyph& operator=(const TGlyph&) = delete;

    int Width() const { return image_.Width; }
    int Height() const { return image_.Height; }
    // The picture as an 8-bit DIB section (owned by the glyph).
    HBITMAP Bitmap() const { return bitmap_; }
    // The colour of the bottom-left pixel, which is not drawn.
    COLORREF TransparentColor() const { return transparent_; }
    // Draws the glyph with its top-left corner at x, y. Pixels of the
    // transparent colour leave the surface as it was. A disabled glyph is
    // drawn greyed: its shape in the shadow colour over an offset copy in the
    // highlight colour, as disabled buttons show their pictures.
    void Draw(HDC dc, int x, int y, bool enabled) const;

private:
    HBITMAP MakeDib(bool transparentBlack) const;
    void Release();

    TXpmImage image_;
    COLORREF transparent_ = 0;
    HBITMAP bitmap_ = nullptr;   // the picture
    HBITMAP painted_ = nullptr;  // the picture with transparent pixels black
    HBITMAP mask_ = nullptr;     // monochrome: 1 where transparent
};
