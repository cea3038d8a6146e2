// Top-level forms of gui/Forms.h: showing, closing and the modal loop.
#include "gui/Forms.h"

#include <algorithm>

#include "gui/Application.h"
#include "gui/Buttons.h"
#include "gui/Menus.h"

TForm::TForm(TForm* owner, TBorderStyle border) : TWinControl(nullptr), owner_(owner), border_(border)
{
    Font = std::make_unique<TFont>();
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    DWORD ex = WS_EX_CONTROLPARENT;
    if (border_ == bsDialog) {
        style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        ex |= WS_EX_DLGMODALFRAME;
    } else {
        style |= WS_OVERLAPPEDWINDOW;
    }
    width_ = 320;
    height_ = 240;
    CreateOwnWindow(style, ex);
    if (owner_ && owner_->Handle) SetWindowLongPtrW(Handle, GWLP_HWNDPARENT, (LONG_PTR)owner_->Handle);
    if (!Application.MainForm) Application.MainForm = this;
}

TForm::~TForm()
{
    if (OnDestroy) Guarded([&] { OnDestroy(this); });
    if (Application.MainForm == this) Application.MainForm = nullptr;
}

void TForm::SetClientSize(int w, int h)
{
    RECT rc{0, 0, w, h};
    AdjustWindowRectEx(&rc, GetWindowLongW(Handle, GWL_STYLE), menu_ != nullptr, GetWindowLongW(Handle, GWL_EXSTYLE));
    SetBounds(left_, top_, rc.right - rc.left, rc.bottom - rc.top);
}

void TForm::SetMenu(TMainMenu* menu)
{
    menu_ = menu;
    ::SetMenu(Handle, menu ? menu->Handle() : nullptr);
}

void TForm::Show()
{
    if (!shownOnce_) {
        shownOnce_ = true;
        if (Position == poScreenCenter) {
            RECT wa{};
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
            SetBounds(wa.left + (wa.right - wa.left - width_) / 2, wa.top + (wa.bottom - wa.top - height_) / 2, width_,
                      height_);
        }
    }
    if (OnShow && !IsWindowVisible(Handle)) OnShow(this);
    ShowWindow(Handle, SW_SHOW);
    SetForegroundWindow(Handle);
    if (ActiveControl && ActiveControl->Handle) ::SetFocus(ActiveControl->Handle);
    UpdateWindow(Handle);
}

void TForm::Hide() { ShowWindow(Handle, SW_HIDE); }

void TForm::Close()
{
    if (modal_) {
        ModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    Hide();
    if (Application.MainForm == this) Application.Terminate();
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

int TForm::ShowModal()
{
    HWND ownerHandle = owner_ ? owner_->Handle : nullptr;
    if (ownerHandle) EnableWindow(ownerHandle, FALSE);
    modal_ = true;
    ModalResult = mrNone;
    ++Application.ModalLevel;
    int result = mrCancel;
    {
        // Undone however the loop ends, by an exception too.
        TScopeExit restore([&] {
            --Application.ModalLevel;
            modal_ = false;
            if (ownerHandle) EnableWindow(ownerHandle, TRUE);
            Hide();
        });
        Show();
        for (;;) {
            if (Application.Terminated) {
                ModalResult = mrCancel;
                break;
            }
            if (ModalResult != mrNone) {
                bool closing = false;
                Guarded([&] { closing = CloseQuery(); });
                if (closing) break;
                ModalResult = mrNone;
            }
            Application.HandleMessage();
        }
        result = ModalResult;
    }
    if (ownerHandle) SetActiveWindow(ownerHandle);
    return result;
}

void TForm::SelectNext(bool forward)
{
    std::vector<TControl*> usable;
    for (TControl* c : TabOrder)
        if (c->Handle && IsWindowVisible(c->Handle) && IsWindowEnabled(c->Handle)) usable.push_back(c);
    if (usable.empty()) return;
    HWND focus = GetFocus();
    int at = -1;
    for (size_t i = 0; i < usable.size(); ++i)
        if (usable[i]->Handle == focus || IsChild(usable[i]->Handle, focus)) at = (int)i;
    int n = (int)usable.size();
    int next = at < 0 ? (forward ? 0 : n - 1) : (at + (forward ? 1 : n - 1)) % n;
    usable[next]->SetFocus();
}

namespace {

// The first button of the form, in the order the controls were made, that
// can be pressed and passes the test.
template <class F>
TButton* FirstButton(const TWinControl* parent, F test)
{
    for (TControl* c : parent->Controls()) {
        if (auto* b = dynamic_cast<TButton*>(c))
            if (test(b) && IsWindowVisible(b->Handle) && IsWindowEnabled(b->Handle)) return b;
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (TButton* b = FirstButton(w, test)) return b;
    }
    return nullptr;
}

}  // namespace

bool TForm::DialogKey(WPARAM key)
{
    TButton* button = nullptr;
    if (key == VK_RETURN) {
        button = dynamic_cast<TButton*>(TControl::FromHandle(GetFocus()));
        if (!button || GetAncestor(button->Handle, GA_ROOT) != Handle) button = FirstButton(this, [](TButton* b) { return b->Default(); });
    } else if (key == VK_ESCAPE) {
        button = FirstButton(this, [](TButton* b) { return b->Cancel; });
    }
    if (!button) return false;
    // As the dialog manager does: the click reaches the button's parent as a
    // notification, so it runs inside the layer's error boundary.
    SendMessageW(GetParent(button->Handle), WM_COMMAND, MAKEWPARAM(button->ControlId(), BN_CLICKED),
                 (LPARAM)button->Handle);
    return true;
}

bool TForm::FocusLastControl()
{
    HWND h = lastFocus_;
    if (!h || !IsWindow(h) || !IsChild(Handle, h) || !IsWindowVisible(h) || !IsWindowEnabled(h)) return false;
    if (GetFocus() != h) ::SetFocus(h);
    return true;
}

bool TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    switch (msg) {
    case WM_CLOSE:
        Close();
        result = 0;
        return true;
    case WM_SIZE: {
        RECT rc;
        GetWindowRect(Handle, &rc);
        width_ = rc.right - rc.left;
        height_ = rc.bottom - rc.top;
        Realign();
        if (OnResize) OnResize(this);
        return false;
    }
    case WM_MOVE: {
        RECT rc;
        GetWindowRect(Handle, &rc);
        left_ = rc.left;
        top_ = rc.top;
        return false;
    }
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && !HIWORD(wp) && FocusLastControl()) {
            result = 0;
            return true;
        }
        return false;
    case WM_SETFOCUS:
        FocusLastControl();
        return false;
    default:
        return TWinControl::WndProc(msg, wp, lp, result);
    }
}
