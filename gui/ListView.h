// The list view: items kept in C++ (caption, image index, sub-item texts),
// shown by the window through callbacks, sorted through a compare event.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "gui/Controls.h"
#include "gui/ComCtrls.h"

class TImageList;
class TListView;

enum TViewStyle { vsList, vsReport };
enum TSortType { stNone, stData };

class TListItem : public TObject {
public:
    std::string Caption;
    int ImageIndex = -1;
    TStringList SubItems;
    TListView* Owner() const { return owner_; }
    int Index() const;

private:
    friend class TListView;
    explicit TListItem(TListView* owner) : owner_(owner) {}
    TListView* owner_;
};

// Compare: negative, zero or positive, as Item1 sorts before, with or after Item2.
using TLVCompareEvent = std::function<void(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare)>;

struct TListColumn {
    std::string Caption;
    int Width = 100;
    TAlignment Alignment = taLeftJustify;
};

class TListView : public TWinControl {
public:
    // Single selection, read-only captions, auto-arrange, list style.
    explicit TListView(TWinControl* parent);
    ~TListView() override;

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style);
    TSortType SortType() const { return sortType_; }
    // Switching to stData sorts the items at once.
    void SetSortType(TSortType type);
    TLVCompareEvent OnCompare;

    void SetSmallImages(TImageList* images);
    TImageList* SmallImages() const { return smallImages_; }

    // Columns, shown in the report style.
    void AddColumn(const TListColumn& column);
    int ColumnCount() const { return (int)columns_.size(); }
    const TListColumn& Column(int i) const { return columns_[i]; }
    void SetColumn(int i, const std::string& caption, TAlignment alignment);

    // A batch update: no painting until the last EndUpdate, which sorts the
    // items with OnCompare when the sort type is stData (a list that has not
    // changed since it was last sorted keeps its order without a new sort).
    void BeginUpdate();
    void EndUpdate();

    // A new item at the end; fill it, then (outside a batch) call ItemChanged.
    // Whoever changes an item's texts later calls ItemChanged too.
    TListItem* Add();
    void ItemChanged(TListItem* item);
    void Delete(int index);
    void Clear();
    int Count() const { return (int)items_.size(); }
    TListItem* Item(int index) const { return items_[index]; }

    TListItem* Selected() const;
    void SetSelected(TListItem* item);  // null clears the selection

    // Sorts with OnCompare (data 0). An exception of OnCompare stops the
    // comparing, leaves every item in the list and is raised again here.
    void AlphaSort();

    bool NotifyMessage(NMHDR* nm, LRESULT& result) override;
    // The selected item's place when it is in sight, else the corner.
    POINT KeyboardMenuPoint() const override;

private:
    friend class TListItem;
    static int CALLBACK CompareItems(LPARAM a, LPARAM b, LPARAM self);
    void SyncOrder();

    std::vector<TListItem*> items_;
    std::vector<TListColumn> columns_;
    TViewStyle viewStyle_ = vsList;
    TSortType sortType_ = stNone;
    TImageList* smallImages_ = nullptr;
    int updating_ = 0;
    bool sorted_ = true;  // the order is the sorted order of the current texts
    std::exception_ptr sortError_;  // the compare handler's first error in a sort
};
