#include "gui/ComboBox.h"

#include <vector>

#include "text/Ansi.h"

namespace {

DWORD StyleBits(TComboBoxStyle s)
{
    switch (s) {
    case csDropDown:
        return CBS_DROPDOWN | CBS_AUTOHSCROLL;
    case csDropDownList:
        return CBS_DROPDOWNLIST;
    case csOwnerDrawFixed:
    default:
        return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    }
}

}  // namespace

TComboBox::TComboBox(TWinControl* parent, TComboBoxStyle style, int itemHeight)
    : TWinControl(parent), style_(style), itemHeight_(itemHeight)
{
    height_ = 200;  // the drop-down part
    CreateSystemWindow(WC_COMBOBOXW, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | StyleBits(style), 0);
    TabStop = true;
    if (style != csOwnerDrawFixed) SendMessageW(Handle, CB_SETITEMHEIGHT, 0, itemHeight);
}

int TComboBox::ItemCount() const { return (int)SendMessageW(Handle, CB_GETCOUNT, 0, 0); }

std::string TComboBox::Item(int index) const
{
    LRESULT n = SendMessageW(Handle, CB_GETLBTEXTLEN, index, 0);
    if (n == CB_ERR) return std::string();
    std::vector<wchar_t> buf(n + 1, L'\0');
    n = SendMessageW(Handle, CB_GETLBTEXT, index, (LPARAM)buf.data());
    return n == CB_ERR ? std::string() : ToAnsi(buf.data(), (int)n);
}

void TComboBox::AddItem(const std::string& text)
{
    SendMessageW(Handle, CB_ADDSTRING, 0, (LPARAM)ToWide(text).c_str());
}

void TComboBox::InsertItem(int index, const std::string& text)
{
    SendMessageW(Handle, CB_INSERTSTRING, index, (LPARAM)ToWide(text).c_str());
}

void TComboBox::DeleteItem(int index) { SendMessageW(Handle, CB_DELETESTRING, index, 0); }

void TComboBox::ClearItems() { SendMessageW(Handle, CB_RESETCONTENT, 0, 0); }

void TComboBox::SetItems(const TStringList& items)
{
    SendMessageW(Handle, WM_SETREDRAW, FALSE, 0);
    ClearItems();
    for (const std::string& s : items.Strings) InsertItem(-1, s);
    SendMessageW(Handle, WM_SETREDRAW, TRUE, 0);
    Invalidate();
}

TStringList TComboBox::Items() const
{
    TStringList list;
    int n = ItemCount();
    for (int i = 0; i < n; ++i) list.Add(Item(i));
    return list;
}

int TComboBox::ItemIndex() const
{
    int i = (int)SendMessageW(Handle, CB_GETCURSEL, 0, 0);
    if (i < 0) return -1;
    if (style_ == csDropDown && Caption() != Item(i)) return -1;
    return i;
}

void TComboBox::SetItemIndex(int index) { SendMessageW(Handle, CB_SETCURSEL, index, 0); }

bool TComboBox::DroppedDown() const { return SendMessageW(Handle, CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TComboBox::CommandNotify(WORD code)
{
    if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && OnChange) OnChange(this);
}

void TComboBox::MeasureItemMessage(MEASUREITEMSTRUCT* mis) { mis->itemHeight = itemHeight_; }

void TComboBox::DrawItemMessage(DRAWITEMSTRUCT* dis)
{
    Canvas.Handle = dis->hDC;
    Canvas.Font = EffectiveFont();
    bool selected = dis->itemState & ODS_SELECTED;
    Canvas.Brush.Color = selected ? clHighlight : clWindow;
    Canvas.FontColor = selected ? clHighlightText : clWindowText;
    TRect r{dis->rcItem.left, dis->rcItem.top, dis->rcItem.right, dis->rcItem.bottom};
    unsigned state = 0;
    if (selected) state |= odsSelected;
    if (dis->itemState & ODS_FOCUS) state |= odsFocused;
    if (dis->itemState & ODS_COMBOBOXEDIT) state |= odsComboBoxEdit;
    if (OnDrawItem) {
        OnDrawItem(this, (int)dis->itemID, r, state);
    } else {
        Canvas.FillRect(r);
        if ((int)dis->itemID >= 0) Canvas.TextRect(r, r.Left + 2, r.Top + 1, Item((int)dis->itemID));
    }
    Canvas.Handle = nullptr;
}

TFilterComboBox::TFilterComboBox(TWinControl* parent) : TComboBox(parent, csDropDownList, 12) {}

void TFilterComboBox::SetFilter(const std::string& filter)
{
    filter_ = filter;
    ClearItems();
    // Bars split the parts; a bar byte that is the second byte of a
    // double-byte character does not.
    std::string part;
    bool description = true;
    for (size_t i = 0; i <= filter.size(); ++i) {
        if (i == filter.size() || filter[i] == '|') {
            if (description && !part.empty()) AddItem(part);
            description = !description;
            part.clear();
            continue;
        }
        part += filter[i];
        if (IsLeadByte((unsigned char)filter[i]) && i + 1 < filter.size()) part += filter[++i];
    }
    SetItemIndex(0);
}
