// Colours, fonts, brushes and the drawing surface.
#pragma once

#include <string>

#include "gui/Classes.h"
#include "gui/Win32.h"

// A colour: 0x00BBGGRR, or a system colour (high byte 0xFF, low byte the
// COLOR_ index).
using TColor = int;
constexpr TColor clSystemColor = (TColor)0xFF000000;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
constexpr TColor clHighlightText = clSystemColor | COLOR_HIGHLIGHTTEXT;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;

COLORREF ColorToRGB(TColor color);
// "$BBGGRR" (hexadecimal), "clXxx" names of the colours above, or a decimal
// number. Raises Exception for anything else.
TColor StringToColor(const std::string& text);

enum TFontCharset { DEFAULT_CHARSET_ = DEFAULT_CHARSET, SHIFTJIS_CHARSET_ = SHIFTJIS_CHARSET };

// A font description and its GDI object. Where a face is missing on the
// system a Japanese face that is present takes its place (see FontFaceFor).
class TFont {
public:
    TFont(std::string name = "ＭＳ Ｐゴシック", int height = -12, int charset = SHIFTJIS_CHARSET);
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;
    void Assign(const TFont& other);

    std::string Name;  // as designed; the face actually used is FaceName()
    int Height;
    int Charset;
    TColor Color = clWindowText;

    HFONT Handle();
    std::string FaceName() const;

private:
    void Release();
    HFONT handle_ = nullptr;
};

// The face used for a designed face name: the name itself where the system
// has it, else a present Japanese face of the same pitch.
std::string FontFaceFor(const std::string& name);

struct TBrush {
    TColor Color = clWindow;
};

// A NUL byte is part of a line's text; it is drawn and measured as this
// character (the empty-set sign), which no code page 932 text can contain.
constexpr wchar_t kNulPlaceholder = 0x2205;
// The text as it is drawn: code page 932 to UTF-16, NUL shown as above.
std::wstring ToDrawnText(const std::string& text);

// A drawing surface over a device context that it does not own.
class TCanvas {
public:
    explicit TCanvas(HDC dc = nullptr) : Handle(dc) {}
    HDC Handle;
    TBrush Brush;
    TFont* Font = nullptr;  // selected into the context when drawing
    TColor FontColor = clWindowText;

    void FillRect(const TRect& r);
    void TextOut(int x, int y, const std::string& text);
    // Text clipped to r, on an opaque background in the brush colour.
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    int TextWidth(const std::string& text);

private:
    void Prepare();
};
