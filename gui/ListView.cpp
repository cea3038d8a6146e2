// The list view of gui/ListView.h: items, columns, batch updates and sorting.
#include "gui/ListView.h"

#include <algorithm>
#include <cwchar>

#include "gui/Application.h"
#include "gui/Exception.h"
#include "gui/ImageList.h"

int TListItem::Index() const
{
    const auto& v = owner_->items_;
    auto it = std::find(v.begin(), v.end(), this);
    return it == v.end() ? -1 : (int)(it - v.begin());
}

TListView::TListView(TWinControl* parent) : TWinControl(parent)
{
    CreateSystemWindow(WC_LISTVIEWW,
                       WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_LIST | LVS_SINGLESEL | LVS_SHAREIMAGELISTS |
                           LVS_AUTOARRANGE | LVS_SHOWSELALWAYS,
                       WS_EX_CLIENTEDGE);
    TabStop = true;
}

TListView::~TListView()
{
    if (Handle) SendMessageW(Handle, LVM_DELETEALLITEMS, 0, 0);
    for (TListItem* i : items_) delete i;
    items_.clear();
}

void TListView::SetViewStyle(TViewStyle style)
{
    viewStyle_ = style;
    LONG s = GetWindowLongW(Handle, GWL_STYLE);
    s = (s & ~LVS_TYPEMASK) | (style == vsReport ? LVS_REPORT : LVS_LIST);
    SetWindowLongW(Handle, GWL_STYLE, s);
    SendMessageW(Handle, LVM_ARRANGE, LVA_DEFAULT, 0);
    Invalidate();
}

void TListView::SetSortType(TSortType type)
{
    bool sortNow = type == stData && sortType_ != stData;
    sortType_ = type;
    if (sortNow && updating_ == 0) AlphaSort();
}

void TListView::SetSmallImages(TImageList* images)
{
    smallImages_ = images;
    SendMessageW(Handle, LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)(images ? images->Handle() : nullptr));
}

namespace {

int FormatOf(TAlignment a) { return a == taRightJustify ? LVCFMT_RIGHT : a == taCenter ? LVCFMT_CENTER : LVCFMT_LEFT; }

}  // namespace

void TListView::AddColumn(const TListColumn& column)
{
    columns_.push_back(column);
    std::wstring text = ToWide(column.Caption);
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    c.fmt = FormatOf(column.Alignment);
    c.cx = column.Width;
    c.pszText = &text[0];
    c.iSubItem = (int)columns_.size() - 1;
    SendMessageW(Handle, LVM_INSERTCOLUMNW, columns_.size() - 1, (LPARAM)&c);
}

void TListView::SetColumn(int i, const std::string& caption, TAlignment alignment)
{
    columns_[i].Caption = caption;
    columns_[i].Alignment = alignment;
    std::wstring text = ToWide(caption);
    text.push_back(L'\0');
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_FMT;
    c.fmt = FormatOf(i == 0 ? taLeftJustify : alignment);
    c.pszText = &text[0];
    SendMessageW(Handle, LVM_SETCOLUMNW, i, (LPARAM)&c);
}

void TListView::BeginUpdate()
{
    if (updating_++ == 0) SendMessageW(Handle, WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate()
{
    if (updating_ == 0 || --updating_ > 0) return;
    // Painting resumes also when the sort raises its handler's error.
    TScopeExit resume([this] {
        SendMessageW(Handle, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(Handle, nullptr, TRUE);
    });
    if (sortType_ == stData && !sorted_) AlphaSort();
}

TListItem* TListView::Add()
{
    auto* item = new TListItem(this);
    items_.push_back(item);
    sorted_ = false;
    LVITEMW it{};
    it.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    it.iItem = (int)items_.size() - 1;
    it.pszText = LPSTR_TEXTCALLBACKW;
    it.iImage = I_IMAGECALLBACK;
    it.lParam = (LPARAM)item;
    if (SendMessageW(Handle, LVM_INSERTITEMW, 0, (LPARAM)&it) < 0) {
        items_.pop_back();
        delete item;
        throw Exception("cannot add a list item");
    }
    return item;
}

void TListView::ItemChanged(TListItem* item)
{
    sorted_ = false;
    int i = item->Index();
    if (i >= 0) SendMessageW(Handle, LVM_UPDATE, i, 0);
}

void TListView::Delete(int index)
{
    if (index < 0 || index >= Count()) return;
    SendMessageW(Handle, LVM_DELETEITEM, index, 0);
    delete items_[index];
    items_.erase(items_.begin() + index);
}

void TListView::Clear()
{
    SendMessageW(Handle, LVM_DELETEALLITEMS, 0, 0);
    for (TListItem* i : items_) delete i;
    items_.clear();
}

TListItem* TListView::Selected() const
{
    int i = (int)SendMessageW(Handle, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    return (i >= 0 && i < Count()) ? items_[i] : nullptr;
}

void TListView::SetSelected(TListItem* item)
{
    LVITEMW it{};
    it.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    it.state = 0;
    SendMessageW(Handle, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&it);
    if (!item) return;
    int i = item->Index();
    if (i < 0) return;
    it.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle, LVM_SETITEMSTATE, i, (LPARAM)&it);
}

// Called by the window during LVM_SORTITEMS: no exception may unwind
// through it. The first one is kept, the rest of the sort compares equal,
// and AlphaSort raises it again once the window has returned.
int CALLBACK TListView::CompareItems(LPARAM a, LPARAM b, LPARAM self)
{
    auto* lv = reinterpret_cast<TListView*>(self);
    if (lv->sortError_) return 0;
    int result = 0;
    try {
        lv->OnCompare(lv, reinterpret_cast<TListItem*>(a), reinterpret_cast<TListItem*>(b), 0, result);
    } catch (...) {
        lv->sortError_ = std::current_exception();
        result = 0;
    }
    return result;
}

void TListView::AlphaSort()
{
    if (!OnCompare) return;
    if (items_.size() >= 2) {
        sortError_ = nullptr;
        SendMessageW(Handle, LVM_SORTITEMS, (WPARAM)this, (LPARAM)CompareItems);
        SyncOrder();
        if (sortError_) {
            std::exception_ptr error = sortError_;
            sortError_ = nullptr;
            std::rethrow_exception(error);
        }
    }
    sorted_ = true;
}

// After the window has reordered its items, the C++ order follows it.
void TListView::SyncOrder()
{
    for (int i = 0; i < Count(); ++i) {
        LVITEMW it{};
        it.mask = LVIF_PARAM;
        it.iItem = i;
        SendMessageW(Handle, LVM_GETITEMW, 0, (LPARAM)&it);
        items_[i] = reinterpret_cast<TListItem*>(it.lParam);
    }
}

bool TListView::NotifyMessage(NMHDR* nm, LRESULT& result)
{
    switch (nm->code) {
    case LVN_GETDISPINFOW: {
        auto* di = reinterpret_cast<NMLVDISPINFOW*>(nm);
        LVITEMW& it = di->item;
        TListItem* item = reinterpret_cast<TListItem*>(it.lParam);
        if (it.iItem >= 0 && it.iItem < Count()) item = items_[it.iItem];
        if (!item) return false;
        if (it.mask & LVIF_TEXT && it.pszText && it.cchTextMax > 0) {
            const std::string* text = nullptr;
            static const std::string empty;
            if (it.iSubItem == 0)
                text = &item->Caption;
            else if (it.iSubItem - 1 < item->SubItems.Count())
                text = &item->SubItems[it.iSubItem - 1];
            else
                text = &empty;
            std::wstring w = ToWide(*text);
            size_t n = std::min(w.size(), (size_t)it.cchTextMax - 1);
            std::wmemcpy(it.pszText, w.c_str(), n);
            it.pszText[n] = L'\0';
        }
        if (it.mask & LVIF_IMAGE) it.iImage = item->ImageIndex;
        result = 0;
        return true;
    }
    case NM_CLICK:
        if (OnClick) OnClick(this);
        return false;
    case NM_DBLCLK:
        if (OnDblClick) OnDblClick(this);
        return false;
    default:
        return false;
    }
}

POINT TListView::KeyboardMenuPoint() const
{
    int i = (int)SendMessageW(Handle, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    RECT item{}, client{};
    item.left = LVIR_LABEL;
    GetClientRect(Handle, &client);
    if (i < 0 || !SendMessageW(Handle, LVM_GETITEMRECT, i, (LPARAM)&item)) return POINT{0, 0};
    POINT p{item.left + (item.right - item.left) / 2, (item.top + item.bottom) / 2};
    return PtInRect(&client, p) ? p : POINT{0, 0};
}
