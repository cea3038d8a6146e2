// Top-level windows: forms shown modelessly or modally.
#pragma once

#include "gui/Controls.h"

class TMainMenu;

enum TBorderStyle { bsSizeable, bsDialog };
enum TPosition { poDesigned, poScreenCenter };

class TForm : public TWinControl {
public:
    // owner: the window that a modal form disables while it is shown.
    explicit TForm(TForm* owner = nullptr, TBorderStyle border = bsSizeable);
    ~TForm() override;

    TForm* Owner() const { return owner_; }
    TPosition Position = poDesigned;
    TBorderStyle BorderStyle() const { return border_; }

    void SetClientSize(int w, int h);
    void SetMenu(TMainMenu* menu);
    TMainMenu* Menu() const { return menu_; }

    void Show();
    void Hide();
    void Close();
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult = mrNone;

    TNotifyEvent OnShow;  // each time the form is shown
    TNotifyEvent OnResize;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;

    // Tab order: the focusable controls in the order the form lists them.
    std::vector<TControl*> TabOrder;
    void SelectNext(bool forward);
    TControl* ActiveControl = nullptr;  // focused first when shown
    // Enter and Esc: Enter presses the focused button, else the form's
    // first default button; Esc presses its first cancel button. True when
    // a button took the key.
    bool DialogKey(WPARAM key);

    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    // Runs the close query; true when the form may close.
    bool CloseQuery();

    // Told by each of its controls that takes the focus. When the form is
    // activated again (a message box, a modal form or another window closed
    // or lost the activation) the focus returns to that control, as in every
    // dialog, instead of staying on the form itself.
    void ControlFocused(HWND control) { lastFocus_ = control; }

private:
    TForm* owner_;
    TBorderStyle border_;
    TMainMenu* menu_ = nullptr;
    bool modal_ = false;
    bool shownOnce_ = false;
    HWND lastFocus_ = nullptr;
    bool FocusLastControl();
};
