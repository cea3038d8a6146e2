// Combo boxes: the drop-down with an editable text field, the owner-drawn
// fixed drop-down list, and the file-type filter box.
#pragma once

#include <functional>
#include <string>

#include "gui/Controls.h"

enum TComboBoxStyle { csDropDown, csDropDownList, csOwnerDrawFixed };

// Owner-draw state bits of a combo box row.
enum : unsigned { odsSelected = 1, odsFocused = 2, odsComboBoxEdit = 4 };

using TComboDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, TRect Rect, unsigned State)>;

class TComboBox : public TWinControl {
public:
    TComboBox(TWinControl* parent, TComboBoxStyle style, int itemHeight);

    TComboBoxStyle Style() const { return style_; }
    int ItemHeight() const { return itemHeight_; }

    // Items, kept by the window itself.
    int ItemCount() const;
    std::string Item(int index) const;
    void AddItem(const std::string& text);
    void InsertItem(int index, const std::string& text);
    void DeleteItem(int index);
    void ClearItems();
    void SetItems(const TStringList& items);
    TStringList Items() const;

    // The selected entry, or -1. In the editable box an entry counts as
    // selected only while the text field still shows it: typing into the
    // field leaves no entry selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    bool DroppedDown() const;

    TNotifyEvent OnChange;
    TComboDrawItemEvent OnDrawItem;
    TCanvas Canvas;  // valid while a row is drawn

    void CommandNotify(WORD code) override;
    void DrawItemMessage(DRAWITEMSTRUCT* dis) override;
    void MeasureItemMessage(MEASUREITEMSTRUCT* mis) override;

private:
    TComboBoxStyle style_;
    int itemHeight_;
};

// A file-type filter box: a drop-down list of the descriptions of a filter
// text "description|pattern|description|pattern...".
class TFilterComboBox : public TComboBox {
public:
    explicit TFilterComboBox(TWinControl* parent);
    void SetFilter(const std::string& filter);
    std::string Filter() const { return filter_; }

private:
    std::string filter_;
};
