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
    // drawn greyed, as disabled buttons show their pictures: its darker
    // pixels (outlines, strong colours) in the shadow colour over a copy
    // offset by one pixel down and right in the highlight colour; its light
    // pixels (IsLightForDisabled) are left out like the transparent ones.
    void Draw(HDC dc, int x, int y, bool enabled) const;

    // Luminance 0.299 R + 0.587 G + 0.114 B of 192 (of 255) or more.
    static bool IsLightForDisabled(uint32_t rgb);

private:
    HBITMAP MakeDib(bool transparentBlack) const;
    template <class Clear>
    HBITMAP MakeMask(Clear clear) const;
    void Release();

    TXpmImage image_;
    COLORREF transparent_ = 0;
    HBITMAP bitmap_ = nullptr;   // the picture
    HBITMAP painted_ = nullptr;  // the picture with transparent pixels black
    HBITMAP mask_ = nullptr;     // monochrome: 1 where transparent
    HBITMAP disabledMask_ = nullptr;  // 1 where transparent or light
};
