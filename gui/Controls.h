// Controls and the containers that hold them. A control is a window handle
// plus typed one-line messages and handler fields; one window procedure of
// the layer routes WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM and
// WM_CTLCOLORLISTBOX back to the child control's object.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/Classes.h"
#include "gui/Graphics.h"
#include "gui/Win32.h"

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TWinControl;
class TPopupMenu;

class TControl : public TObject {
public:
    explicit TControl(TWinControl* parent);
    ~TControl() override;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    std::string Name;
    HWND Handle = nullptr;
    TWinControl* Parent() const { return parent_; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Moves and sizes the control; a docked control makes its parent lay out
    // its children again.
    void SetBounds(int left, int top, int width, int height);
    void SetWidth(int w) { SetBounds(left_, top_, w, height_); }
    void SetHeight(int h) { SetBounds(left_, top_, width_, h); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);

    bool Visible() const;
    void SetVisible(bool v);
    bool Enabled() const;
    void SetEnabled(bool e);
    std::string Caption() const;
    void SetCaption(const std::string& text);
    void SetFocus();
    bool Focused() const;
    void Repaint() const;       // invalidates and paints at once
    void Invalidate() const;

    std::string Hint;
    bool TabStop = false;
    TPopupMenu* PopupMenu = nullptr;
    // The control's own font; null to use the parent's. SetFont stores a
    // font and gives it to the window.
    std::unique_ptr<TFont> Font;
    TFont* EffectiveFont();
    void SetFont(std::unique_ptr<TFont> font);
    // Puts the window above its siblings, without moving, sizing or
    // activating it.
    void BringToFront();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    // Files dragged from the shell and dropped onto the control or onto a
    // child of it that does not accept files itself; SetAcceptFiles(true)
    // lets the window take them.
    TDropFilesEvent OnDropFiles;
    void SetAcceptFiles(bool accept);

    int ControlId() const { return id_; }

    // The object of a window handle made by this layer, or null.
    static TControl* FromHandle(HWND h);

    // Messages of the control's own window. Returns true when handled, with
    // the result in `result`; otherwise the window's default handling runs.
    virtual bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Notifications the parent received for this control.
    virtual void CommandNotify(WORD /*code*/) {}
    virtual bool NotifyMessage(NMHDR* /*nm*/, LRESULT& /*result*/) { return false; }
    virtual void DrawItemMessage(DRAWITEMSTRUCT* /*dis*/) {}
    virtual void MeasureItemMessage(MEASUREITEMSTRUCT* /*mis*/) {}
    // WM_CTLCOLORLISTBOX the parent received for this control: true with
    // the background brush in `result` when the control has its own colour.
    virtual bool ColorMessage(HDC /*dc*/, LRESULT& /*result*/) { return false; }
    // Where, in client coordinates, a pop-up menu opened from the keyboard
    // (Shift+F10, the menu key) appears: the top left corner here.
    virtual POINT KeyboardMenuPoint() const { return POINT{0, 0}; }

protected:
    // Creates the window of a standard (system) class and subclasses it.
    void CreateSystemWindow(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text = "");
    void AttachHandle(HWND h);
    void ApplyFont();
    void PlaceWindow();
    // Tells the form this control belongs to that it has the focus.
    void NoteFocus();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    int id_ = 0;
    WNDPROC oldProc_ = nullptr;
    bool subclassed_ = false;

    friend class TWinControl;
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
};

// A control that holds other controls and lays out the docked ones.
class TWinControl : public TControl {
public:
    explicit TWinControl(TWinControl* parent) : TControl(parent) {}
    ~TWinControl() override;

    const std::vector<TControl*>& Controls() const { return children_; }
    // Lays out docked children: top, bottom, left, right, then client.
    void Realign();
    TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }

    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    // Children are owned by their parent and deleted with it.
    template <class T, class... A>
    T* Make(A&&... args)
    {
        return new T(this, std::forward<A>(args)...);
    }

protected:
    // Routes the notifications that a parent receives for its children.
    bool RouteChildMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    // Creates the window of one of the layer's own classes.
    void CreateOwnWindow(DWORD style, DWORD exStyle, const std::string& text = "");
    static LRESULT CALLBACK OwnWndProc(HWND, UINT, WPARAM, LPARAM);

private:
    friend class TControl;
    std::vector<TControl*> children_;
    bool realigning_ = false;
    bool destroying_ = false;
};

// A plain container; with a bevel when asked.
class TPanel : public TWinControl {
public:
    explicit TPanel(TWinControl* parent, bool bevel = false);
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    TColor Color = clBtnFace;
};
