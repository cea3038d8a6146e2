// The virtual list boxes of gui/StdCtrls.h.
#include "gui/StdCtrls.h"

#include <algorithm>

TListBox::TListBox(TWinControl* parent, bool multiSelect, bool extendedSelect) : TWinControl(parent), multi_(multiSelect)
{
    TabStop = true;
    DWORD style = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | WS_CLIPSIBLINGS | LBS_NOTIFY | LBS_NODATA |
                  LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
    if (multiSelect) style |= extendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    width_ = 100;
    height_ = 100;
    CreateSystemWindow(L"LISTBOX", style, WS_EX_CLIENTEDGE);
    SendMessageW(Handle, LB_SETITEMHEIGHT, 0, itemHeight_);
}

TListBox::~TListBox()
{
    if (brush_) DeleteObject(brush_);
}

void TListBox::SetItemHeight(int h)
{
    itemHeight_ = h;
    if (Handle) {
        SendMessageW(Handle, LB_SETITEMHEIGHT, 0, h);
        Invalidate();
    }
}

void TListBox::Add(const std::string& text)
{
    Items.Add(text);
    if (!source_ && Handle) SendMessageW(Handle, LB_SETCOUNT, Items.Count(), 0);
}

void TListBox::Clear()
{
    Items.Clear();
    if (!source_ && Handle) SendMessageW(Handle, LB_RESETCONTENT, 0, 0);
}

void TListBox::SetSource(const TListItemSource* source)
{
    source_ = source;
    ItemsChanged();
}

void TListBox::ItemsChanged()
{
    if (!Handle) return;
    SendMessageW(Handle, LB_RESETCONTENT, 0, 0);
    SendMessageW(Handle, LB_SETCOUNT, Count(), 0);
    // Emptying the list does not scroll it back to the left.
    SetHorizontalPosition(0);
}

void TListBox::SetCount(int count)
{
    if (Handle) SendMessageW(Handle, LB_SETCOUNT, count, 0);
}

int TListBox::Count() const { return source_ ? source_->Count() : Items.Count(); }

std::string TListBox::ItemText(int index) const
{
    if (index < 0 || index >= Count()) return std::string();
    return source_ ? source_->Text(index) : Items[index];
}

int TListBox::ItemIndex() const
{
    if (!Handle) return -1;
    if (multi_) {
        if (Count() == 0) return -1;
        return (int)SendMessageW(Handle, LB_GETCARETINDEX, 0, 0);
    }
    return (int)SendMessageW(Handle, LB_GETCURSEL, 0, 0);
}

void TListBox::SetItemIndex(int index)
{
    if (!Handle) return;
    if (multi_)
        SendMessageW(Handle, LB_SETCARETINDEX, index, FALSE);
    else
        SendMessageW(Handle, LB_SETCURSEL, index, 0);
}

bool TListBox::Selected(int index) const
{
    return Handle && SendMessageW(Handle, LB_GETSEL, index, 0) > 0;
}

void TListBox::SetSelected(int index, bool selected)
{
    if (!Handle) return;
    if (multi_)
        SendMessageW(Handle, LB_SETSEL, selected, index);
    else
        SendMessageW(Handle, LB_SETCURSEL, selected ? index : -1, 0);
}

int TListBox::SelCount() const
{
    if (!Handle) return 0;
    if (multi_) return std::max(0, (int)SendMessageW(Handle, LB_GETSELCOUNT, 0, 0));
    return SendMessageW(Handle, LB_GETCURSEL, 0, 0) >= 0 ? 1 : 0;
}

void TListBox::ClearSelection()
{
    if (!Handle) return;
    if (multi_)
        SendMessageW(Handle, LB_SETSEL, FALSE, -1);
    else
        SendMessageW(Handle, LB_SETCURSEL, (WPARAM)-1, 0);
}

int TListBox::TopIndex() const { return Handle ? (int)SendMessageW(Handle, LB_GETTOPINDEX, 0, 0) : 0; }

void TListBox::SetTopIndex(int index)
{
    if (Handle) SendMessageW(Handle, LB_SETTOPINDEX, index, 0);
}

void TListBox::SetHorizontalExtent(int pixels)
{
    if (Handle) SendMessageW(Handle, LB_SETHORIZONTALEXTENT, pixels, 0);
}

int TListBox::HorizontalExtent() const
{
    return Handle ? (int)SendMessageW(Handle, LB_GETHORIZONTALEXTENT, 0, 0) : 0;
}

int TListBox::HorizontalPosition() const
{
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_POS;
    if (!Handle || !GetScrollInfo(Handle, SB_HORZ, &si)) return 0;
    return si.nPos;
}

void TListBox::SetHorizontalPosition(int pixels)
{
    if (!Handle) return;
    // The window's own scroll messages carry 16 bits. Scrolling to the
    // right end goes all the way, so the end is put at the wanted position
    // for a moment: the window scrolls there and keeps that position when
    // the extent comes back, since it lies within it.
    const int extent = HorizontalExtent();
    RECT rc{};
    GetClientRect(Handle, &rc);
    const int width = (int)(rc.right - rc.left);
    pixels = std::max(0, std::min(pixels, extent - width));
    if (pixels == 0) {
        SendMessageW(Handle, WM_HSCROLL, SB_LEFT, 0);
        return;
    }
    SendMessageW(Handle, LB_SETHORIZONTALEXTENT, pixels + width, 0);
    SendMessageW(Handle, WM_HSCROLL, SB_RIGHT, 0);
    SendMessageW(Handle, LB_SETHORIZONTALEXTENT, extent, 0);
}

void TListBox::SuspendRedraw()
{
    if (Handle) SendMessageW(Handle, WM_SETREDRAW, FALSE, 0);
}

void TListBox::ResumeRedraw()
{
    if (!Handle) return;
    SendMessageW(Handle, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(Handle, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

bool TListBox::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (msg == WM_VSCROLL && (LOWORD(wp) == SB_THUMBTRACK || LOWORD(wp) == SB_THUMBPOSITION)) {
        // The position in the message has 16 bits; past row 65,535 it
        // wraps. The scroll bar's own tracking position has all 32.
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(Handle, SB_VERT, &si)) {
            SetTopIndex(si.nTrackPos);
            result = 0;
            return true;
        }
    }
    if (msg == WM_HSCROLL && (LOWORD(wp) == SB_THUMBTRACK || LOWORD(wp) == SB_THUMBPOSITION)) {
        // The same for the columns: past 65,535 pixels (a line of some
        // 11,000 characters) the message's position wraps.
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(Handle, SB_HORZ, &si)) {
            SetHorizontalPosition(si.nTrackPos);
            result = 0;
            return true;
        }
    }
    return TWinControl::WndProc(msg, wp, lp, result);
}

void TListBox::CommandNotify(WORD code)
{
    if (code == LBN_SELCHANGE && OnClick) OnClick(this);
    if (code == LBN_DBLCLK && OnDblClick) OnDblClick(this);
}

bool TListBox::ColorMessage(HDC dc, LRESULT& result)
{
    if (Color == clWindow) return false;
    if (!brush_ || brushColor_ != Color) {
        if (brush_) DeleteObject(brush_);
        brush_ = CreateSolidBrush(ColorToRGB(Color));
        brushColor_ = Color;
    }
    SetBkColor(dc, ColorToRGB(Color));
    result = (LRESULT)brush_;
    return true;
}

void TListBox::MeasureItemMessage(MEASUREITEMSTRUCT* mis) { mis->itemHeight = itemHeight_; }

void TListBox::DrawItemMessage(DRAWITEMSTRUCT* dis)
{
    TOwnerDrawState state = 0;
    if (dis->itemState & ODS_SELECTED) state |= odSelected;
    if (dis->itemState & ODS_FOCUS) state |= odFocused;
    if (dis->itemState & ODS_DISABLED) state |= odDisabled;
    TRect r{dis->rcItem.left, dis->rcItem.top, dis->rcItem.right, dis->rcItem.bottom};
    int index = (int)dis->itemID;

    Canvas.Handle = dis->hDC;
    Canvas.Font = EffectiveFont();
    SelectObject(dis->hDC, Canvas.Font->Handle());
    Canvas.Brush.Color = Color;
    Canvas.FontColor = Canvas.Font->Color;
    if (index >= 0 && (state & odSelected)) {
        Canvas.Brush.Color = clHighlight;
        Canvas.FontColor = clHighlightText;
    }
    if (index >= 0 && index < Count()) {
        if (Style == lbOwnerDrawFixed && OnDrawItem) {
            OnDrawItem(this, index, r, state);
        } else {
            Canvas.FillRect(r);
            Canvas.TextRect(r, r.Left + 2, r.Top, ItemText(index));
        }
    } else {
        Canvas.FillRect(r);
    }
    if (state & odFocused) {
        // The focus rectangle is drawn in the text colour by inversion; set
        // the colours it inverts against back to the defaults.
        SetTextColor(dis->hDC, RGB(0, 0, 0));
        SetBkColor(dis->hDC, RGB(255, 255, 255));
        DrawFocusRect(dis->hDC, &dis->rcItem);
    }
    Canvas.Handle = nullptr;
}
