// Push buttons with a modal result, and flat speed buttons with a glyph and
// a hint shown as a tooltip.
#pragma once

#include <memory>
#include <string>

#include "gui/Controls.h"

class TGlyph;

class TButton : public TWinControl {
public:
    TButton(TWinControl* parent, const std::string& caption);
    // Set on the button's form before OnClick runs; 0 leaves the form alone.
    int ModalResult = 0;
    // Enter in the form presses its first default button (drawn as the
    // default one), Esc its first cancel button; see TForm::DialogKey.
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel = false;
    void Click();
    void CommandNotify(WORD code) override;

private:
    bool default_ = false;
};

class TSpeedButton : public TWinControl {
public:
    explicit TSpeedButton(TWinControl* parent);
    ~TSpeedButton() override;

    bool Flat = true;
    // Distance of the glyph from the left edge; -1 centres it.
    int Margin = -1;
    // The glyph: an image in the XPM text form.
    void SetGlyph(const char* const* xpm);
    const TGlyph* Glyph() const { return glyph_.get(); }
    // The hint, shown as a tooltip while the mouse rests on the button.
    void SetHint(const std::string& hint);
    HWND ToolTip() const { return tip_; }

    void Click();
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void Paint(HDC dc);
    std::unique_ptr<TGlyph> glyph_;
    HWND tip_ = nullptr;
    std::wstring tipText_;
    bool hot_ = false;
    bool down_ = false;
};
