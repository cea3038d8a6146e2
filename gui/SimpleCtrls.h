// The plain controls of the file selection dialog: label, edit box, a small
// list box of choices and a splitter.
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
};

// A list box of a few fixed texts; OnClick runs when the user selects one.
class TChoiceListBox : public TWinControl {
public:
    TChoiceListBox(TWinControl* parent, int itemHeight);
    void AddItem(const std::string& text);
    int ItemCount() const;
    std::string Item(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    TColor Color = clWindow;
    void CommandNotify(WORD code) override;
};

// A thin bar at the edge of its parent.
class TSplitter : public TPanel {
public:
    explicit TSplitter(TWinControl* parent) : TPanel(parent) {}
    int MinSize = 1;
};
