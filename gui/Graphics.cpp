#include "gui/Graphics.h"

#include <cstdlib>
#include <map>

#include "gui/Exception.h"

COLORREF ColorToRGB(TColor color)
{
    if (color < 0) return GetSysColor(color & 0xFF);
    return (COLORREF)color;
}

TColor StringToColor(const std::string& text)
{
    static const std::map<std::string, TColor> names = {
        {"clWindowText", clWindowText}, {"clWindow", clWindow},     {"clBtnFace", clBtnFace},
        {"clHighlight", clHighlight},   {"clHighlightText", clHighlightText},
        {"clBlack", clBlack},           {"clWhite", clWhite},
    };
    auto it = names.find(text);
    if (it != names.end()) return it->second;
    const char* s = text.c_str();
    char* end = nullptr;
    long long v;
    if (!text.empty() && text[0] == '$') {
        if (text.size() == 1) throw Exception("'" + text + "' is not a valid color value");
        v = std::strtoll(s + 1, &end, 16);
    } else {
        v = std::strtoll(s, &end, 10);
    }
    if (text.empty() || *end != '\0') throw Exception("'" + text + "' is not a valid color value");
    return (TColor)v;
}

namespace {

int CALLBACK FaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceExists(const std::string& name)
{
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    std::wstring w = ToWide(name);
    wcsncpy(lf.lfFaceName, w.c_str(), LF_FACESIZE - 1);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &lf, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

}  // namespace

std::string FontFaceFor(const std::string& name)
{
    static std::map<std::string, std::string> cache;
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    std::string face = name;
    if (!FaceExists(name)) {
        // Proportional designs fall back to a proportional Japanese face,
        // fixed-pitch designs to a fixed-pitch one.
        bool proportional = name.find("Ｐ") != std::string::npos || name.find("UI") != std::string::npos;
        const char* proportionalFaces[] = {"IPAPGothic", "IPAPゴシック", "MS UI Gothic", "IPAGothic"};
        const char* fixedFaces[] = {"IPAGothic", "IPAゴシック", "MS Gothic"};
        const char* const* list = proportional ? proportionalFaces : fixedFaces;
        int n = proportional ? 4 : 3;
        for (int i = 0; i < n; ++i)
            if (FaceExists(list[i])) {
                face = list[i];
                break;
            }
    }
    cache[name] = face;
    return face;
}

TFont::TFont(std::string name, int height, int charset) : Name(std::move(name)), Height(height), Charset(charset) {}

TFont::~TFont() { Release(); }

void TFont::Release()
{
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
}

void TFont::Assign(const TFont& other)
{
    Release();
    Name = other.Name;
    Height = other.Height;
    Charset = other.Charset;
    Color = other.Color;
}

std::string TFont::FaceName() const { return FontFaceFor(Name); }

HFONT TFont::Handle()
{
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = Height;
        lf.lfCharSet = (BYTE)Charset;
        lf.lfWeight = FW_NORMAL;
        lf.lfQuality = DEFAULT_QUALITY;
        std::wstring w = ToWide(FaceName());
        wcsncpy(lf.lfFaceName, w.c_str(), LF_FACESIZE - 1);
        handle_ = CreateFontIndirectW(&lf);
    }
    return handle_;
}

std::wstring ToDrawnText(const std::string& text)
{
    std::wstring w = ToWide(text);
    for (auto& c : w)
        if (c == L'\0') c = kNulPlaceholder;
    return w;
}

void TCanvas::Prepare()
{
    if (Font) SelectObject(Handle, Font->Handle());
    SetTextColor(Handle, ColorToRGB(FontColor));
    SetBkColor(Handle, ColorToRGB(Brush.Color));
    SetBkMode(Handle, OPAQUE);
}

void TCanvas::FillRect(const TRect& r)
{
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    SetBkColor(Handle, ColorToRGB(Brush.Color));
    ExtTextOutW(Handle, 0, 0, ETO_OPAQUE, &rc, L"", 0, nullptr);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    Prepare();
    std::wstring w = ToDrawnText(text);
    ExtTextOutW(Handle, x, y, 0, nullptr, w.c_str(), (UINT)w.size(), nullptr);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text)
{
    Prepare();
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    std::wstring w = ToDrawnText(text);
    ExtTextOutW(Handle, x, y, ETO_CLIPPED | ETO_OPAQUE, &rc, w.c_str(), (UINT)w.size(), nullptr);
}

int TCanvas::TextWidth(const std::string& text)
{
    Prepare();
    std::wstring w = ToDrawnText(text);
    SIZE sz{};
    GetTextExtentPoint32W(Handle, w.c_str(), (int)w.size(), &sz);
    return sz.cx;
}
