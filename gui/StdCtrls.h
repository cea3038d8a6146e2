// List boxes. Every list box of the layer is virtual: its items live in C++
// (its own string list, or a source that the form supplies) and the window
// is told only their number (LBS_NODATA | LBS_OWNERDRAWFIXED). The layer
// draws plain rows itself where the form sets no draw handler, so only the
// visible rows are ever painted.
#pragma once

#include <functional>
#include <string>

#include "gui/Controls.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };

// Owner-draw state bits.
enum : unsigned { odSelected = 1, odFocused = 2, odDisabled = 4 };
using TOwnerDrawState = unsigned;

using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

// Where a list box takes its items from when they are not its own.
class TListItemSource {
public:
    virtual ~TListItemSource() = default;
    virtual int Count() const = 0;
    virtual std::string Text(int index) const = 0;
};

class TListBox : public TWinControl {
public:
    // multiSelect with extendedSelect: Shift and Ctrl extend the selection.
    TListBox(TWinControl* parent, bool multiSelect = false, bool extendedSelect = false);
    ~TListBox() override;

    // lbOwnerDrawFixed: every row is painted by OnDrawItem, after the layer
    // prepared the canvas (font, brush; the selection colours on a selected
    // row); the layer draws the focus rectangle afterwards.
    TListBoxStyle Style = lbStandard;
    TDrawItemEvent OnDrawItem;
    TCanvas Canvas;  // valid while a row is drawn
    // The rows' and the window's background; a colour other than clWindow
    // is also the answer to the parent's WM_CTLCOLORLISTBOX for this list.
    TColor Color = clWindow;

    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h);

    // Own items: edit Items, then call ItemsChanged (or use Add and Clear,
    // which keep the window in step themselves).
    TStringList Items;
    void Add(const std::string& text);
    void Clear();
    // An outside source replaces the own items until reset with nullptr.
    void SetSource(const TListItemSource* source);
    // Tells the window the current number of items; selection and scroll
    // position start afresh: the first item at the top, the rows' left edge
    // at the left.
    void ItemsChanged();
    // Tells the window only a new number of items, keeping selection and
    // scroll position: cheaper than ItemsChanged for a list that grows.
    void SetCount(int count);

    int Count() const;
    std::string ItemText(int index) const;

    int ItemIndex() const;  // the focused/selected item, -1 when none
    void SetItemIndex(int index);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;
    void ClearSelection();

    int TopIndex() const;
    void SetTopIndex(int index);
    void SetHorizontalExtent(int pixels);
    int HorizontalExtent() const;
    // The rows' column shown at the left edge of the window, in pixels. The
    // position is kept in 32 bits, also past the 16-bit position of the
    // scroll messages.
    int HorizontalPosition() const;
    void SetHorizontalPosition(int pixels);

    // Suspends and resumes painting (WM_SETREDRAW); resuming repaints at once.
    void SuspendRedraw();
    void ResumeRedraw();

    // Called when the selection changes by the user (mouse or keyboard).
    TNotifyEvent OnClick;

    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void CommandNotify(WORD code) override;
    void DrawItemMessage(DRAWITEMSTRUCT* dis) override;
    void MeasureItemMessage(MEASUREITEMSTRUCT* mis) override;
    bool ColorMessage(HDC dc, LRESULT& result) override;

private:
    HBRUSH brush_ = nullptr;  // the background brush of Color, made when asked
    TColor brushColor_ = clWindow;
    const TListItemSource* source_ = nullptr;
    int itemHeight_ = 13;
    bool multi_;
};
