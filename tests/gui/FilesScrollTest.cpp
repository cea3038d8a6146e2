// Highlighting, jumping to a difference and linked scrolling on the real
// comparison window: colours read back from the panes' pixels, top indexes
// of the real list boxes, selections made with real mouse and key messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui/Application.h"
#include "src/Files.h"
#include "tests/support/Input.h"
#include "tests/support/FilesFormFixture.h"

namespace {

// n lines; the one-based lines listed in `differ` get a suffix.
std::string Lines(int n, const std::vector<int>& differ = {}, const char* suffix = "")
{
    std::string text;
    text.reserve((size_t)n * 16);
    size_t k = 0;
    for (int i = 1; i <= n; ++i) {
        text += "line ";
        text += std::to_string(i);
        if (k < differ.size() && differ[k] == i) {
            text += suffix;
            ++k;
        }
        text += "\r\n";
    }
    return text;
}

void PumpAWhile()
{
    for (int i = 0; i < 3; ++i) {
        Application.ProcessMessages();
        Sleep(5);
    }
    Application.ProcessMessages();
}

RECT ItemRect(TListBox* list, int index)
{
    RECT r{};
    SendMessageW(list->Handle, LB_GETITEMRECT, index, (LPARAM)&r);
    return r;
}

// The colour painted in the middle of a row, well away from the focus
// rectangle and to the right of any text.
COLORREF RowBackground(TListBox* list, int index)
{
    UpdateWindow(list->Handle);
    RECT r = ItemRect(list, index), client;
    GetClientRect(list->Handle, &client);
    HDC dc = GetDC(list->Handle);
    COLORREF c = GetPixel(dc, std::min(r.right, client.right) - 4, (r.top + r.bottom) / 2);
    ReleaseDC(list->Handle, dc);
    return c;
}

// The colours of every pixel of a row.
std::vector<COLORREF> RowPixels(TListBox* list, int index)
{
    UpdateWindow(list->Handle);
    RECT r = ItemRect(list, index);
    HDC dc = GetDC(list->Handle);
    std::vector<COLORREF> v;
    for (int y = r.top + 1; y < r.bottom - 1; ++y)
        for (int x = r.left + 1; x < r.right - 1; ++x) v.push_back(GetPixel(dc, x, y));
    ReleaseDC(list->Handle, dc);
    return v;
}

bool Contains(const std::vector<COLORREF>& v, COLORREF c)
{
    for (COLORREF p : v)
        if (p == c) return true;
    return false;
}

// A real click on row `index` of a list.
void ClickRow(TListBox* list, int index)
{
    RECT r = ItemRect(list, index);
    LPARAM at = MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
    SendMessageW(list->Handle, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list->Handle, WM_LBUTTONUP, 0, at);
    PumpAWhile();
}

void PressKey(TListBox* list, WORD key)
{
    SendMessageW(list->Handle, WM_KEYDOWN, key, 1);
    SendMessageW(list->Handle, WM_KEYUP, key, 0xC0000001);
    PumpAWhile();
}

// The index of the entry of a difference-number list that shows `number`.
int EntryFor(TListBox* list, int number)
{
    for (int i = 0; i < list->Count(); ++i)
        if (std::stoi(list->ItemText(i)) == number) return i;
    return -1;
}

// Rows that fit wholly in the client area: the highest top index is the
// count less this.
int RowsShown(TListBox* pane)
{
    RECT r;
    GetClientRect(pane->Handle, &r);
    return (r.bottom - r.top) / pane->ItemHeight();
}

}  // namespace

// A shown comparison window with a file in each pane.
class FilesScroll : public FilesFormTest {
protected:
    TFilesForm& Open(const std::string& left, const std::string& right)
    {
        SetForegroundWindow(form->Handle);
        Load(form->SrcListBox, "left.txt", left);
        Load(form->DestListBox, "right.txt", right);
        PumpAWhile();
        return *form;
    }
};

TEST_F(FilesScroll, DifferencesPaintedInTheirColoursAlsoWhenSelected)
{
    // Rows 2 and 4 (zero-based) differ.
    TFilesForm& f = Open(Lines(20, {3, 5}, "L"), Lines(20, {3, 5}, "R"));
    f.AllCompareMenu->Click();
    PumpAWhile();

    const COLORREF left = RGB(0xC6, 0xD6, 0xFD), right = RGB(0x84, 0xF6, 0xBE);
    const COLORREF window = GetSysColor(COLOR_WINDOW), selection = GetSysColor(COLOR_HIGHLIGHT);
    ASSERT_NE(selection, window);

    // Selected: a difference row and a plain row in each pane.
    f.SrcListBox->SetSelected(2, true);
    f.SrcListBox->SetSelected(7, true);
    f.DestListBox->SetSelected(4, true);
    f.DestListBox->SetSelected(8, true);
    PumpAWhile();

    struct Row {
        TListBox* pane;
        int index;
        COLORREF expected;
    } rows[] = {
        {f.SrcListBox, 2, left},       {f.SrcListBox, 4, left},        {f.SrcListBox, 0, window},
        {f.SrcListBox, 7, selection},  {f.DestListBox, 2, right},      {f.DestListBox, 4, right},
        {f.DestListBox, 3, window},    {f.DestListBox, 8, selection},
    };
    for (const Row& r : rows)
        EXPECT_EQ(RowBackground(r.pane, r.index), r.expected)
            << (r.pane == f.SrcListBox ? "left" : "right") << " row " << r.index;

    // The text of a selected difference row is in the window text colour,
    // not the selection's text colour.
    std::vector<COLORREF> px = RowPixels(f.SrcListBox, 2);
    EXPECT_TRUE(Contains(px, GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_FALSE(Contains(px, GetSysColor(COLOR_HIGHLIGHTTEXT)));
    EXPECT_FALSE(Contains(px, selection));

    // The text starts 2 pixels in: the first two columns are background.
    RECT r = ItemRect(f.SrcListBox, 4);
    HDC dc = GetDC(f.SrcListBox->Handle);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.left + 2; ++x) EXPECT_EQ(GetPixel(dc, x, y), left) << x << "," << y;
    ReleaseDC(f.SrcListBox->Handle, dc);

    // Clear takes the highlighting away.
    f.ClearMenu->Click();
    PumpAWhile();
    EXPECT_EQ(RowBackground(f.SrcListBox, 2), window);
    EXPECT_EQ(RowBackground(f.DestListBox, 4), window);
}

// Choosing numbers in the difference lists, with the mouse and with the
// arrow keys, and the other pane following or not.
TEST_F(FilesScroll, JumpingToDifferencesWithAndWithoutLinking)
{
    const std::vector<int> differ = {9, 61, 121, 151, 195};  // one-based
    TFilesForm& f = Open(Lines(200, differ, "L"), Lines(200, differ, "R"));
    f.AllCompareMenu->Click();
    PumpAWhile();
    ASSERT_EQ(f.Ret1ListBox->Count(), (int)differ.size());
    ASSERT_TRUE(f.SameMenu->Checked());
    const int lastTop = f.SrcListBox->Count() - RowsShown(f.SrcListBox);

    // Line 9 is on the first page, which is showing: no scroll.
    ClickRow(f.Ret1ListBox, EntryFor(f.Ret1ListBox, 9));
    EXPECT_EQ(f.SrcListBox->TopIndex(), 0);
    EXPECT_EQ(f.DestListBox->TopIndex(), 0);

    // Line 121 lies beyond: row 120 becomes the top row, and the right pane
    // follows at the left pane's repaint.
    ClickRow(f.Ret1ListBox, EntryFor(f.Ret1ListBox, 121));
    EXPECT_EQ(f.SrcListBox->TopIndex(), 120);
    EXPECT_EQ(f.DestListBox->TopIndex(), 120);

    // Line 195 can come only as near the top as the end allows.
    ClickRow(f.Ret1ListBox, EntryFor(f.Ret1ListBox, 195));
    EXPECT_EQ(f.SrcListBox->TopIndex(), lastTop);
    EXPECT_EQ(f.DestListBox->TopIndex(), lastTop);

    // Back up to line 61.
    ClickRow(f.Ret1ListBox, EntryFor(f.Ret1ListBox, 61));
    EXPECT_EQ(f.SrcListBox->TopIndex(), 60);
    EXPECT_EQ(f.DestListBox->TopIndex(), 60);

    // Linking off: jumping in the right pane leaves the left one alone;
    // the arrow keys jump entry by entry as clicks do.
    f.SameMenu->Click();
    ASSERT_FALSE(f.SameMenu->Checked());
    // Line 9 (row 8) lies above the right pane's view at 60: it becomes the
    // top row.
    ClickRow(f.Ret2ListBox, 0);
    EXPECT_EQ(f.DestListBox->TopIndex(), 8);
    EXPECT_EQ(f.SrcListBox->TopIndex(), 60);
    for (int destTop : {60, 120, 150, lastTop}) {
        PressKey(f.Ret2ListBox, VK_DOWN);
        EXPECT_EQ(f.DestListBox->TopIndex(), destTop);
        EXPECT_EQ(f.SrcListBox->TopIndex(), 60);
    }
    PressKey(f.Ret2ListBox, VK_UP);
    EXPECT_EQ(f.DestListBox->TopIndex(), 150);
    EXPECT_EQ(f.SrcListBox->TopIndex(), 60);

    // Scrolling the left pane by its scroll bar leaves the right one too.
    SendMessageW(f.SrcListBox->Handle, WM_VSCROLL, SB_PAGEDOWN, 0);
    PumpAWhile();
    const int leftTop = f.SrcListBox->TopIndex();
    EXPECT_GT(leftTop, 60);
    EXPECT_EQ(f.DestListBox->TopIndex(), 150);

    // Switching linking on brings the right pane to the left's top at once.
    f.SameMenu->Click();
    EXPECT_TRUE(f.SameMenu->Checked());
    EXPECT_EQ(f.DestListBox->TopIndex(), leftTop);
    PumpAWhile();
    EXPECT_EQ(f.SrcListBox->TopIndex(), leftTop);

    // And scrolling the right pane now moves the left one.
    SendMessageW(f.DestListBox->Handle, WM_VSCROLL, SB_LINEDOWN, 0);
    PumpAWhile();
    EXPECT_EQ(f.DestListBox->TopIndex(), leftTop + 1);
    EXPECT_EQ(f.SrcListBox->TopIndex(), leftTop + 1);
}

// Loading a file into one pane with linking on: the loaded pane starts at
// its top, and the other pane follows it there at its repaint.
TEST_F(FilesScroll, LoadingAPaneBringsTheOtherToTheTopWhenLinked)
{
    TFilesForm& f = Open(Lines(300), Lines(300));
    f.SrcListBox->SetTopIndex(100);
    PumpAWhile();
    ASSERT_EQ(f.DestListBox->TopIndex(), 100);

    Load(f.DestListBox, "other.txt", Lines(250));
    PumpAWhile();
    EXPECT_EQ(f.DestListBox->TopIndex(), 0);
    EXPECT_EQ(f.SrcListBox->TopIndex(), 0);
}

// The longer pane scrolled beyond the end of the shorter one: the shorter
// follows as far as it can, and its repaint caused by following does not
// pull the longer one back. (A repaint of the shorter pane for some later
// reason copies its own top index back, as any repaint does.)
TEST_F(FilesScroll, ShorterPaneFollowsAsFarAsItCan)
{
    TFilesForm& f = Open(Lines(300), Lines(100));
    const int lastRight = 100 - RowsShown(f.DestListBox);
    for (int top : {250, 150, 20}) {
        SCOPED_TRACE(top);
        f.SrcListBox->SetTopIndex(top);
        PumpAWhile();
        EXPECT_EQ(f.SrcListBox->TopIndex(), top);
        EXPECT_EQ(f.DestListBox->TopIndex(), std::min(top, lastRight));
        // A later repaint of the longer pane changes nothing.
        InvalidateRect(f.SrcListBox->Handle, nullptr, TRUE);
        PumpAWhile();
        EXPECT_EQ(f.SrcListBox->TopIndex(), top);
        EXPECT_EQ(f.DestListBox->TopIndex(), std::min(top, lastRight));
    }
}

// A pane of more than 65,535 rows: dragging the scroll thumb reaches rows
// beyond the 16-bit position of the scroll message, and the other pane
// follows.
TEST_F(FilesScroll, ThumbDragReachesEveryRowAndTheOtherPaneFollows)
{
    const int n = 100000;
    TFilesForm& f = Open(Lines(n), Lines(n));
    const int lastTop = n - RowsShown(f.SrcListBox);
    for (int target : {70000, 65536, 99000, lastTop, 12345}) {
        SCOPED_TRACE(target);
        // Outside a tracking loop the track position is the bar's position:
        // set it there, then send the drag's messages, whose 16-bit
        // position has wrapped.
        SCROLLINFO si{sizeof(si), SIF_POS};
        si.nPos = target;
        SetScrollInfo(f.SrcListBox->Handle, SB_VERT, &si, FALSE);
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(f.SrcListBox->Handle, SB_VERT, &si);
        ASSERT_EQ(si.nTrackPos, target);
        SendMessageW(f.SrcListBox->Handle, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, target & 0xFFFF), 0);
        PumpAWhile();
        EXPECT_EQ(f.SrcListBox->TopIndex(), target);
        EXPECT_EQ(f.DestListBox->TopIndex(), target);
        SendMessageW(f.SrcListBox->Handle, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, target & 0xFFFF), 0);
        SendMessageW(f.SrcListBox->Handle, WM_VSCROLL, SB_ENDSCROLL, 0);
        PumpAWhile();
        EXPECT_EQ(f.SrcListBox->TopIndex(), target);
        EXPECT_EQ(f.DestListBox->TopIndex(), target);
    }
}

// The same with the real mouse: the thumb pressed, dragged three quarters
// of the way down the track and released.
TEST_F(FilesScroll, ThumbDraggedWithTheMouseReachesRowsPast65535)
{
    const int n = 100000;
    TFilesForm& f = Open(Lines(n), Lines(n));
    SetForegroundWindow(f.Handle);
    SetWindowPos(f.Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpAWhile();

    SCROLLBARINFO sb{sizeof(sb)};
    ASSERT_TRUE(GetScrollBarInfo(f.SrcListBox->Handle, OBJID_VSCROLL, &sb));
    const int x = (sb.rcScrollBar.left + sb.rcScrollBar.right) / 2;
    POINT from{x, sb.rcScrollBar.top + (sb.xyThumbTop + sb.xyThumbBottom) / 2};
    const int trackTop = sb.rcScrollBar.top + sb.dxyLineButton, trackBottom = sb.rcScrollBar.bottom - sb.dxyLineButton;
    POINT to{x, trackTop + (trackBottom - trackTop) * 3 / 4};

    std::vector<INPUT> input = {MouseAt(from, 0), MouseAt(from, MOUSEEVENTF_LEFTDOWN)};
    for (int i = 1; i <= 10; ++i) input.push_back(MouseAt({x, from.y + (to.y - from.y) * i / 10}, 0));
    input.push_back(MouseAt(to, MOUSEEVENTF_LEFTUP));
    // All at once: the scroll bar's tracking loop runs on this thread from
    // the press on, and reads the rest of the input itself.
    ASSERT_EQ(SendInput((UINT)input.size(), input.data(), sizeof(INPUT)), input.size());
    PumpAWhile();

    const int top = f.SrcListBox->TopIndex();
    const int pos = GetScrollPos(f.SrcListBox->Handle, SB_VERT);
    EXPECT_GT(top, 65535);
    EXPECT_LT(top, n);
    EXPECT_NEAR(top, n * 3 / 4, n / 20);
    EXPECT_EQ(pos, top);
    EXPECT_EQ(f.DestListBox->TopIndex(), top);
}
