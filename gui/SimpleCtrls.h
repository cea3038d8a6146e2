// The plain controls of the file selection dialog: label, edit box and a
// splitter.
#pragma once

#include <string>

#include "gui/Controls.h"

class TLabel : public TWinControl {
public:
    TLabel(TWinControl* parent, const std::string& caption);
};

class TEdit : public TWinControl {
public:
    explicit TEdit(TWinControl* parent);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    // Selects the whole text whenever the box receives the focus.
    bool AutoSelect = false;
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// A thin bar at the edge of its parent.
class TSplitter : public TPanel {
public:
    explicit TSplitter(TWinControl* parent) : TPanel(parent) {}
    int MinSize = 1;
};
