#include "gui/Glyph.h"

#include <vector>

#include "gui/Exception.h"

namespace {

COLORREF ToColorRef(uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// Raster operation "PSDPxax": the brush where the source is 0, the
// destination where it is 1.
constexpr DWORD kBrushWhereSourceBlack = 0x00B8074A;

}  // namespace

TGlyph::TGlyph(const char* const* xpm)
{
    try {
        image_ = ParseXpm(xpm);
    } catch (const XpmError& e) {
        throw Exception(e.what());
    }
    const uint32_t bottomLeft = image_.Palette[image_.At(0, image_.Height - 1)];
    transparent_ = ToColorRef(bottomLeft);

    bitmap_ = MakeDib(false);
    painted_ = MakeDib(true);

    mask_ = MakeMask([&](uint32_t rgb) { return rgb == bottomLeft; });
    disabledMask_ = MakeMask([&](uint32_t rgb) { return rgb == bottomLeft || IsLightForDisabled(rgb); });
    if (!bitmap_ || !painted_ || !mask_ || !disabledMask_) {
        Release();
        throw Exception("glyph bitmap could not be created");
    }
}

TGlyph::~TGlyph() { Release(); }

void TGlyph::Release()
{
    if (bitmap_) DeleteObject(bitmap_);
    if (painted_) DeleteObject(painted_);
    if (mask_) DeleteObject(mask_);
    if (disabledMask_) DeleteObject(disabledMask_);
    bitmap_ = painted_ = mask_ = disabledMask_ = nullptr;
}

bool TGlyph::IsLightForDisabled(uint32_t rgb)
{
    const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r * 299 + g * 587 + b * 114 >= 192 * 1000;
}

template <class Clear>
HBITMAP TGlyph::MakeMask(Clear clear) const
{
    // Monochrome rows are padded to 16 bits; the first pixel is the high bit.
    const int stride = (image_.Width + 15) / 16 * 2;
    std::vector<BYTE> bits((size_t)stride * image_.Height, 0);
    for (int y = 0; y < image_.Height; ++y)
        for (int x = 0; x < image_.Width; ++x)
            if (clear(image_.Palette[image_.At(x, y)])) bits[(size_t)y * stride + x / 8] |= (BYTE)(0x80 >> (x % 8));
    return CreateBitmap(image_.Width, image_.Height, 1, 1, bits.data());
}

HBITMAP TGlyph::MakeDib(bool transparentBlack) const
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = image_.Width;
    info.header.biHeight = image_.Height;  // bottom-up rows
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 256;  // a full 256-colour table; unused entries black
    const uint32_t bottomLeft = image_.Palette[image_.At(0, image_.Height - 1)];
    for (size_t i = 0; i < image_.Palette.size(); ++i) {
        uint32_t rgb = image_.Palette[i];
        if (transparentBlack && rgb == bottomLeft) rgb = 0;
        info.colours[i] = RGBQUAD{(BYTE)(rgb & 0xFF), (BYTE)((rgb >> 8) & 0xFF), (BYTE)((rgb >> 16) & 0xFF), 0};
    }
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) return dib;
    const int stride = (image_.Width + 3) & ~3;
    auto* rows = static_cast<BYTE*>(bits);
    for (int y = 0; y < image_.Height; ++y)
        for (int x = 0; x < image_.Width; ++x) rows[(size_t)(image_.Height - 1 - y) * stride + x] = image_.At(x, y);
    GdiFlush();
    return dib;
}

void TGlyph::Draw(HDC dc, int x, int y, bool enabled) const
{
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    // Monochrome sources become black (0) and white (1) on the target.
    COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    HGDIOBJ oldBitmap = SelectObject(memory, mask_);
    const int w = image_.Width, h = image_.Height;
    if (enabled) {
        BitBlt(dc, x, y, w, h, memory, 0, 0, SRCAND);  // the motif's area turns black
        SelectObject(memory, painted_);
        BitBlt(dc, x, y, w, h, memory, 0, 0, SRCPAINT);  // and takes the motif's colours
    } else {
        SelectObject(memory, disabledMask_);
        HBRUSH highlight = CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
        HBRUSH shadow = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
        HGDIOBJ oldBrush = SelectObject(dc, highlight);
        BitBlt(dc, x + 1, y + 1, w, h, memory, 0, 0, kBrushWhereSourceBlack);
        SelectObject(dc, shadow);
        BitBlt(dc, x, y, w, h, memory, 0, 0, kBrushWhereSourceBlack);
        SelectObject(dc, oldBrush);
        DeleteObject(highlight);
        DeleteObject(shadow);
    }
    SelectObject(memory, oldBitmap);
    DeleteDC(memory);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
}
