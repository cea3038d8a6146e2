// The speed-button glyphs as real GDI bitmaps, drawn onto a real surface.
#include <gtest/gtest.h>

#include "forms/Glyphs.h"
#include "gui/Exception.h"
#include "gui/Glyph.h"
#include "text/Xpm.h"

namespace {

// A 32-bit surface of a known colour, so that read-back pixels are exact.
class Surface {
public:
    Surface(int w, int h, COLORREF fill) : w_(w), h_(h)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT r{0, 0, w, h};
        FillRect(dc_, &r, brush);
        DeleteObject(brush);
    }
    ~Surface()
    {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    int w_, h_;
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
};

COLORREF Rgb(uint32_t v) { return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF); }

struct GlyphCase {
    const char* const* xpm;
    const char* name;
    int width, height;
};

const GlyphCase kGlyphs[] = {
    {UpSpeedBtnGlyph, "UpSpeedBtn", 15, 14},
    {SpeedButton1Glyph, "SpeedButton1", 16, 16},
    {ViewSpeedBtnGlyph, "ViewSpeedBtn", 16, 16},
    {ArrowSpeedBtnGlyph, "ArrowSpeedBtn", 7, 5},
};

const COLORREF kBackground = RGB(12, 34, 56);
const int kLeft = 3, kTop = 4;

}  // namespace

TEST(Glyph, IsAn8BitDibSectionOfTheRightSize)
{
    for (const auto& c : kGlyphs) {
        SCOPED_TRACE(c.name);
        TGlyph glyph(c.xpm);
        EXPECT_EQ(glyph.Width(), c.width);
        EXPECT_EQ(glyph.Height(), c.height);
        DIBSECTION ds{};
        ASSERT_EQ(GetObjectW(glyph.Bitmap(), sizeof ds, &ds), (int)sizeof ds);
        EXPECT_EQ(ds.dsBm.bmBitsPixel, 8);
        EXPECT_EQ(ds.dsBm.bmWidth, c.width);
        EXPECT_EQ(ds.dsBm.bmHeight, c.height);
        EXPECT_EQ(ds.dsBmih.biBitCount, 8);
        TXpmImage image = ParseXpm(c.xpm);
        EXPECT_EQ(glyph.TransparentColor(), Rgb(image.Palette[image.At(0, image.Height - 1)]));
        // The DIB's own colour table holds the picture's palette.
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, glyph.Bitmap());
        RGBQUAD table[256]{};
        UINT n = GetDIBColorTable(dc, 0, 256, table);
        SelectObject(dc, old);
        DeleteDC(dc);
        ASSERT_EQ(n, 256u);
        for (UINT i = 0; i < image.Palette.size(); ++i)
            EXPECT_EQ(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue), Rgb(image.Palette[i])) << i;
    }
}

TEST(Glyph, DrawsTheMotifAndLeavesTransparentPixels)
{
    for (const auto& c : kGlyphs) {
        SCOPED_TRACE(c.name);
        TGlyph glyph(c.xpm);
        TXpmImage image = ParseXpm(c.xpm);
        Surface surface(c.width + 8, c.height + 8, kBackground);
        glyph.Draw(surface.Dc(), kLeft, kTop, true);
        int motif = 0;
        for (int y = 0; y < c.height + 8; ++y)
            for (int x = 0; x < c.width + 8; ++x) {
                int gx = x - kLeft, gy = y - kTop;
                COLORREF expected = kBackground;
                if (gx >= 0 && gy >= 0 && gx < c.width && gy < c.height) {
                    COLORREF colour = Rgb(image.Palette[image.At(gx, gy)]);
                    if (colour != glyph.TransparentColor()) {
                        expected = colour;
                        ++motif;
                    }
                }
                ASSERT_EQ(surface.At(x, y), expected) << "pixel " << x << "," << y;
            }
        EXPECT_GT(motif, 0);
    }
}

TEST(Glyph, DisabledDrawsAGreyedShape)
{
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    ASSERT_NE(shadow, kBackground);
    for (const auto& c : kGlyphs) {
        SCOPED_TRACE(c.name);
        TGlyph glyph(c.xpm);
        TXpmImage image = ParseXpm(c.xpm);
        // The darker pixels of the motif make the greyed shape.
        auto isShape = [&](int gx, int gy) {
            if (gx < 0 || gy < 0 || gx >= c.width || gy >= c.height) return false;
            uint32_t rgb = image.Palette[image.At(gx, gy)];
            return Rgb(rgb) != glyph.TransparentColor() && !TGlyph::IsLightForDisabled(rgb);
        };
        Surface surface(c.width + 8, c.height + 8, kBackground);
        glyph.Draw(surface.Dc(), kLeft, kTop, false);
        int shaded = 0;
        for (int y = 0; y < c.height + 8; ++y)
            for (int x = 0; x < c.width + 8; ++x) {
                int gx = x - kLeft, gy = y - kTop;
                COLORREF expected = isShape(gx, gy) ? shadow : isShape(gx - 1, gy - 1) ? highlight : kBackground;
                ASSERT_EQ(surface.At(x, y), expected) << "pixel " << x << "," << y;
                if (expected == shadow) ++shaded;
            }
        EXPECT_GT(shaded, 0);
    }
}

TEST(Glyph, MalformedPictureRaisesTheProgramsException)
{
    static const char* const broken[] = {"2 1 1 1", ". c #000000", "."};
    EXPECT_THROW(TGlyph{broken}, Exception);
}
