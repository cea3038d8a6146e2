#include "gui/Buttons.h"

#include "gui/Forms.h"
#include "gui/Glyph.h"

namespace {

TForm* FormOf(TControl* c)
{
    TControl* top = c;
    while (top->Parent()) top = top->Parent();
    return dynamic_cast<TForm*>(top);
}

}  // namespace

// ----------------------------------------------------------------- TButton

TButton::TButton(TWinControl* parent, const std::string& caption) : TWinControl(parent)
{
    CreateSystemWindow(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, caption);
    TabStop = true;
}

void TButton::SetDefault(bool value)
{
    default_ = value;
    SendMessageW(Handle, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click()
{
    if (ModalResult != 0)
        if (TForm* f = FormOf(this)) f->ModalResult = ModalResult;
    if (OnClick) OnClick(this);
}

void TButton::CommandNotify(WORD code)
{
    if (code == BN_CLICKED) Click();
}

// ------------------------------------------------------------ TSpeedButton

TSpeedButton::TSpeedButton(TWinControl* parent) : TWinControl(parent)
{
    CreateOwnWindow(WS_VISIBLE | WS_CLIPSIBLINGS, 0);
}

TSpeedButton::~TSpeedButton()
{
    if (tip_) DestroyWindow(tip_);
}

void TSpeedButton::SetGlyph(const char* const* xpm)
{
    glyph_ = std::make_unique<TGlyph>(xpm);
    Invalidate();
}

void TSpeedButton::SetHint(const std::string& hint)
{
    Hint = hint;
    tipText_ = ToWide(hint);
    if (!tip_) {
        tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, Handle, nullptr, GetModuleHandleW(nullptr), nullptr);
        TOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = Handle;
        ti.uId = (UINT_PTR)Handle;
        ti.lpszText = &tipText_[0];
        SendMessageW(tip_, TTM_ADDTOOLW, 0, (LPARAM)&ti);
    } else {
        TOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.uFlags = TTF_IDISHWND;
        ti.hwnd = Handle;
        ti.uId = (UINT_PTR)Handle;
        ti.lpszText = &tipText_[0];
        SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, (LPARAM)&ti);
    }
}

void TSpeedButton::Click()
{
    if (OnClick) OnClick(this);
}

void TSpeedButton::Paint(HDC dc)
{
    RECT rc;
    GetClientRect(Handle, &rc);
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    bool enabled = IsWindowEnabled(Handle);
    if (enabled && down_)
        DrawEdge(dc, &rc, BDR_SUNKENOUTER, BF_RECT);
    else if (enabled && (hot_ || !Flat))
        DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
    if (glyph_) {
        int w = rc.right - rc.left, h = rc.bottom - rc.top;
        int x = Margin >= 0 ? Margin : (w - glyph_->Width()) / 2;
        int y = (h - glyph_->Height()) / 2;
        if (down_) ++x, ++y;
        glyph_->Draw(dc, x, y, enabled);
    }
}

bool TSpeedButton::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle, &ps);
        Paint(dc);
        EndPaint(Handle, &ps);
        result = 0;
        return true;
    }
    case WM_PRINTCLIENT:
        Paint((HDC)wp);
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_MOUSEMOVE:
        if (!hot_) {
            hot_ = true;
            TRACKMOUSEEVENT t{sizeof(t), TME_LEAVE, Handle, 0};
            TrackMouseEvent(&t);
            Invalidate();
        }
        break;
    case WM_MOUSELEAVE:
        hot_ = false;
        Invalidate();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        down_ = true;
        SetCapture(Handle);
        Invalidate();
        result = 0;
        return true;
    case WM_LBUTTONUP: {
        bool was = down_;
        down_ = false;
        ReleaseCapture();
        Invalidate();
        RECT rc;
        GetClientRect(Handle, &rc);
        POINT p{(short)LOWORD(lp), (short)HIWORD(lp)};
        if (was && PtInRect(&rc, p)) Click();
        result = 0;
        return true;
    }
    case WM_ENABLE:
        Invalidate();
        break;
    default:
        break;
    }
    return TWinControl::WndProc(msg, wp, lp, result);
}
