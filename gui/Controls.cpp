// The controls and containers of gui/Controls.h: creation, subclassing, the
// layer's window procedures and the routing of child notifications.
#include "gui/Controls.h"

#include <algorithm>
#include <unordered_map>

#include <shellapi.h>

#include "gui/Application.h"
#include "gui/Exception.h"
#include "gui/Forms.h"
#include "gui/Menus.h"

namespace {

std::unordered_map<HWND, TControl*>& Registry()
{
    static std::unordered_map<HWND, TControl*> map;
    return map;
}

int NextControlId()
{
    static int id = 1000;
    return ++id;
}

const wchar_t kOwnClass[] = L"TavlenWindow";

void RegisterOwnClass(WNDPROC proc)
{
    static bool done = false;
    if (done) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = kOwnClass;
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    wc.hIconSm = (HICON)LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0);
    RegisterClassExW(&wc);
    done = true;
}

TShiftState ShiftFromKeys(WPARAM keys)
{
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TShiftState KeyboardShift()
{
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

}  // namespace

// ---------------------------------------------------------------- TControl

TControl::TControl(TWinControl* parent) : parent_(parent), id_(NextControlId())
{
    if (parent_) parent_->children_.push_back(this);
}

TControl::~TControl()
{
    if (parent_ && !parent_->destroying_) {
        auto& c = parent_->children_;
        c.erase(std::remove(c.begin(), c.end(), this), c.end());
    }
    if (Handle) {
        // The window's own procedure back first, so that no message of its
        // destruction reaches this half-destroyed object.
        if (subclassed_) SetWindowLongPtrW(Handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
        subclassed_ = false;
        Registry().erase(Handle);
        if (IsWindow(Handle)) DestroyWindow(Handle);
        Handle = nullptr;
    }
}

TControl* TControl::FromHandle(HWND h)
{
    auto& map = Registry();
    auto it = map.find(h);
    return it == map.end() ? nullptr : it->second;
}

void TControl::AttachHandle(HWND h)
{
    Handle = h;
    Registry()[h] = this;
}

void TControl::CreateSystemWindow(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text)
{
    HWND parentHandle = parent_ ? parent_->Handle : nullptr;
    std::wstring w = ToWide(text);
    HWND h = CreateWindowExW(exStyle, className, w.c_str(), style | (parentHandle ? WS_CHILD : 0), left_, top_,
                             width_, height_, parentHandle, (HMENU)(INT_PTR)id_, GetModuleHandleW(nullptr), nullptr);
    if (!h) throw Exception("cannot create a window of class " + ToAnsi(className));
    AttachHandle(h);
    // Subclassed by replacing the window procedure: the common controls'
    // subclassing looks up a window property on every message, which under
    // Wine is a round trip to the server.
    oldProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    subclassed_ = true;
    ApplyFont();
}

TFont* TControl::EffectiveFont()
{
    for (TControl* c = this; c; c = c->parent_)
        if (c->Font) return c->Font.get();
    static TFont fallback;
    return &fallback;
}

void TControl::ApplyFont()
{
    if (Handle) SendMessageW(Handle, WM_SETFONT, (WPARAM)EffectiveFont()->Handle(), FALSE);
}

void TControl::SetFont(std::unique_ptr<TFont> font)
{
    Font = std::move(font);
    ApplyFont();
}

void TControl::BringToFront()
{
    if (Handle) SetWindowPos(Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TControl::PlaceWindow()
{
    if (Handle) SetWindowPos(Handle, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    PlaceWindow();
    if (align_ != alNone && parent_) parent_->Realign();
}

void TControl::SetAlign(TAlign a)
{
    align_ = a;
    if (parent_) parent_->Realign();
}

bool TControl::Visible() const { return Handle && (GetWindowLongW(Handle, GWL_STYLE) & WS_VISIBLE); }

void TControl::SetVisible(bool v)
{
    if (Handle) ShowWindow(Handle, v ? SW_SHOWNA : SW_HIDE);
    if (align_ != alNone && parent_) parent_->Realign();
}

bool TControl::Enabled() const { return Handle && IsWindowEnabled(Handle); }
void TControl::SetEnabled(bool e)
{
    if (Handle) EnableWindow(Handle, e);
}

std::string TControl::Caption() const
{
    if (!Handle) return std::string();
    int n = GetWindowTextLengthW(Handle);
    std::wstring w(n + 1, L'\0');
    n = GetWindowTextW(Handle, &w[0], n + 1);
    return ToAnsi(w.c_str(), n);
}

void TControl::SetCaption(const std::string& text)
{
    if (Handle) SetWindowTextW(Handle, ToWide(text).c_str());
}

void TControl::SetFocus()
{
    if (Handle) ::SetFocus(Handle);
}

bool TControl::Focused() const { return Handle && GetFocus() == Handle; }

void TControl::Repaint() const
{
    if (!Handle) return;
    InvalidateRect(Handle, nullptr, TRUE);
    UpdateWindow(Handle);
}

void TControl::Invalidate() const
{
    if (Handle) InvalidateRect(Handle, nullptr, TRUE);
}

void TControl::SetAcceptFiles(bool accept)
{
    if (Handle) DragAcceptFiles(Handle, accept ? TRUE : FALSE);
}

bool TControl::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    (void)result;
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
        if (OnMouseDown) {
            TMouseButton b = (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK) ? mbRight
                             : msg == WM_MBUTTONDOWN                            ? mbMiddle
                                                                                : mbLeft;
            TShiftState s = ShiftFromKeys(wp);
            if (msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK) s |= ssDouble;
            OnMouseDown(this, b, s, (short)LOWORD(lp), (short)HIWORD(lp));
        }
        return false;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (OnMouseUp)
            OnMouseUp(this, msg == WM_RBUTTONUP ? mbRight : mbLeft, ShiftFromKeys(wp), (short)LOWORD(lp),
                      (short)HIWORD(lp));
        return false;
    case WM_KEYDOWN:
        // The menu key opens the pop-up menu on its release, once: its press
        // is kept from the window, which would open the menu as well.
        if (PopupMenu && wp == VK_APPS) return true;
        if (OnKeyDown) {
            unsigned short key = (unsigned short)wp;
            OnKeyDown(this, key, KeyboardShift());
            if (key == 0) return true;
        }
        return false;
    case WM_SYSKEYDOWN:
        // Shift+F10 opens the pop-up menu on the press. Left to the default
        // handling, the press would also mark F10 so that its release, which
        // may come while the menu is being prepared, enters the menu mode of
        // the window's menu bar.
        if (PopupMenu && wp == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
            SendMessageW(Handle, WM_CONTEXTMENU, (WPARAM)Handle, -1);
            return true;
        }
        return false;
    case WM_KEYUP:
        if (PopupMenu && wp == VK_APPS) {
            SendMessageW(Handle, WM_CONTEXTMENU, (WPARAM)Handle, -1);
            return true;
        }
        if (OnKeyUp) {
            unsigned short key = (unsigned short)wp;
            OnKeyUp(this, key, KeyboardShift());
            if (key == 0) return true;
        }
        return false;
    case WM_DROPFILES: {
        HDROP drop = (HDROP)wp;
        std::vector<std::string> files;
        POINT p{};
        DragQueryPoint(drop, &p);
        const UINT n = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < n; ++i) {
            std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
            name.resize(DragQueryFileW(drop, i, &name[0], (UINT)name.size()));
            files.push_back(ToAnsi(name));
        }
        DragFinish(drop);
        if (OnDropFiles) OnDropFiles(this, files, p.x, p.y);
        return true;
    }
    case WM_CONTEXTMENU:
        if (PopupMenu) {
            int x = (short)LOWORD(lp), y = (short)HIWORD(lp);
            if (lp == -1) {  // from the keyboard
                POINT p = KeyboardMenuPoint();
                ClientToScreen(Handle, &p);
                x = p.x;
                y = p.y;
            }
            PopupMenu->PopupComponent = this;
            PopupMenu->Popup(x, y, Handle);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TControl::NoteFocus()
{
    HWND root = GetAncestor(Handle, GA_ROOT);
    if (root == Handle) return;
    if (auto* form = dynamic_cast<TForm*>(FromHandle(root))) form->ControlFocused(Handle);
}

LRESULT CALLBACK TControl::SubclassProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    TControl* self = FromHandle(h);
    if (!self) return DefWindowProcW(h, msg, wp, lp);
    WNDPROC old = self->oldProc_;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        self->subclassed_ = false;
        Registry().erase(h);
        self->Handle = nullptr;
        return CallWindowProcW(old, h, msg, wp, lp);
    }
    if (msg == WM_SETFOCUS) self->NoteFocus();
    LRESULT result = 0;
    bool handled = false;
    Guarded([&] { handled = self->WndProc(msg, wp, lp, result); });
    return handled ? result : CallWindowProcW(old, h, msg, wp, lp);
}

// ------------------------------------------------------------- TWinControl

TWinControl::~TWinControl()
{
    destroying_ = true;
    // Children first, newest first, while this window still exists.
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) delete *it;
    children_.clear();
}

void TWinControl::CreateOwnWindow(DWORD style, DWORD exStyle, const std::string& text)
{
    RegisterOwnClass(OwnWndProc);
    HWND parentHandle = parent_ ? parent_->Handle : nullptr;
    std::wstring w = ToWide(text);
    HWND h = CreateWindowExW(exStyle, kOwnClass, w.c_str(), style | (parentHandle ? WS_CHILD : 0), left_, top_,
                             width_, height_, parentHandle, parentHandle ? (HMENU)(INT_PTR)id_ : nullptr,
                             GetModuleHandleW(nullptr), this);
    if (!h) throw Exception("cannot create a window");
    ApplyFont();
}

LRESULT CALLBACK TWinControl::OwnWndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        auto* self = static_cast<TWinControl*>(reinterpret_cast<TControl*>(cs->lpCreateParams));
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->AttachHandle(h);
    }
    auto* self = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!self) return DefWindowProcW(h, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        Registry().erase(h);
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        self->Handle = nullptr;
        return DefWindowProcW(h, msg, wp, lp);
    }
    if (msg == WM_SETFOCUS) self->NoteFocus();
    LRESULT result = 0;
    bool handled = false;
    Guarded([&] { handled = self->WndProc(msg, wp, lp, result); });
    return handled ? result : DefWindowProcW(h, msg, wp, lp);
}

bool TWinControl::RouteChildMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    switch (msg) {
    case WM_COMMAND:
        if (lp) {
            if (TControl* c = FromHandle((HWND)lp)) {
                c->CommandNotify(HIWORD(wp));
                return true;
            }
        } else if (HIWORD(wp) == 0 || HIWORD(wp) == 1) {
            if (TMenuItem* item = TMenuItem::FromCommand(LOWORD(wp))) {
                item->Click();
                return true;
            }
        }
        return false;
    case WM_NOTIFY: {
        auto* nm = reinterpret_cast<NMHDR*>(lp);
        if (TControl* c = FromHandle(nm->hwndFrom)) return c->NotifyMessage(nm, result);
        return false;
    }
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (dis->CtlType == ODT_MENU) return false;
        if (TControl* c = FromHandle(dis->hwndItem)) {
            c->DrawItemMessage(dis);
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_CTLCOLORLISTBOX:
        if (TControl* c = FromHandle((HWND)lp)) return c->ColorMessage((HDC)wp, result);
        return false;
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (mis->CtlType == ODT_MENU) return false;
        for (TControl* c : children_)
            if ((UINT)c->id_ == mis->CtlID) {
                c->MeasureItemMessage(mis);
                result = TRUE;
                return true;
            }
        return false;
    }
    default:
        return false;
    }
}

bool TWinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (RouteChildMessage(msg, wp, lp, result)) return true;
    if (msg == WM_SIZE) {
        Realign();
        return false;
    }
    return TControl::WndProc(msg, wp, lp, result);
}

TRect TWinControl::ClientRect() const
{
    TRect r;
    RECT rc{};
    if (Handle && GetClientRect(Handle, &rc)) {
        r.Right = rc.right;
        r.Bottom = rc.bottom;
    }
    return r;
}

void TWinControl::Realign()
{
    if (realigning_ || !Handle) return;
    realigning_ = true;
    TRect area = ClientRect();
    auto place = [](TControl* c, int l, int t, int w, int h) {
        c->left_ = l;
        c->top_ = t;
        c->width_ = std::max(w, 0);
        c->height_ = std::max(h, 0);
        c->PlaceWindow();
    };
    auto shown = [](TControl* c) { return c->Handle && (GetWindowLongW(c->Handle, GWL_STYLE) & WS_VISIBLE); };
    for (TControl* c : children_)
        if (c->align_ == alTop && shown(c)) {
            place(c, area.Left, area.Top, area.Width(), c->height_);
            area.Top += c->height_;
        }
    for (TControl* c : children_)
        if (c->align_ == alBottom && shown(c)) {
            place(c, area.Left, area.Bottom - c->height_, area.Width(), c->height_);
            area.Bottom -= c->height_;
        }
    for (TControl* c : children_)
        if (c->align_ == alLeft && shown(c)) {
            place(c, area.Left, area.Top, c->width_, area.Height());
            area.Left += c->width_;
        }
    for (TControl* c : children_)
        if (c->align_ == alRight && shown(c)) {
            place(c, area.Right - c->width_, area.Top, c->width_, area.Height());
            area.Right -= c->width_;
        }
    for (TControl* c : children_)
        if (c->align_ == alClient && shown(c)) place(c, area.Left, area.Top, area.Width(), area.Height());
    realigning_ = false;
}

// ------------------------------------------------------------------ TPanel

TPanel::TPanel(TWinControl* parent, bool bevel) : TWinControl(parent)
{
    CreateOwnWindow(WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, bevel ? WS_EX_STATICEDGE : 0);
}

bool TPanel::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (msg == WM_ERASEBKGND) {
        RECT rc;
        GetClientRect(Handle, &rc);
        HBRUSH b = CreateSolidBrush(ColorToRGB(Color));
        FillRect((HDC)wp, &rc, b);
        DeleteObject(b);
        result = 1;
        return true;
    }
    return TWinControl::WndProc(msg, wp, lp, result);
}
