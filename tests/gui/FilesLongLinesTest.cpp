// Long lines in the real comparison window: where a load leaves the
// horizontal scroll position, dragging the horizontal thumb with the real
// mouse past 65,535 pixels, and the drawing of a row scrolled sideways read
// back by pixels against a drawing of the whole entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gui/Application.h"
#include "src/Files.h"
#include "tests/support/Input.h"
#include "tests/support/FilesFormFixture.h"
#include "text/Ansi.h"
#include "text/CharWidths.h"

namespace {

void PumpAWhile()
{
    for (int i = 0; i < 3; ++i) {
        Application.ProcessMessages();
        Sleep(5);
    }
    Application.ProcessMessages();
}

// A line of about `chars` characters, ASCII and double-byte mixed; `shift`
// turns the pattern so that lines differ in where their characters fall.
std::string MixedLine(int chars, int shift)
{
    static const char* parts[] = {"ab", "\x95\x5C", "c ", "\x82\xA0\x82\xA2", "0123", "\x83\x5C", "x=1;", "\x93\xFA"};
    std::string s;
    for (int i = 0; (int)s.size() < chars; ++i) s += parts[(i + shift) % 8];
    return s;
}

// The scroll bar's own horizontal position.
int ScrollBarPosition(TListBox* pane)
{
    SCROLLINFO si{sizeof(si), SIF_POS};
    GetScrollInfo(pane->Handle, SB_HORZ, &si);
    return si.nPos;
}

int ClientWidthOf(HWND h)
{
    RECT r;
    GetClientRect(h, &r);
    return r.right - r.left;
}

// The pixels of rows [first, first + rows) of a list box's client area, as
// its window shows them.
std::vector<COLORREF> ShownRows(TListBox* pane, int first, int rows)
{
    UpdateWindow(pane->Handle);
    const int w = ClientWidthOf(pane->Handle), h = pane->ItemHeight();
    HDC dc = GetDC(pane->Handle);
    std::vector<COLORREF> v;
    v.reserve((size_t)w * h * rows);
    for (int row = first; row < first + rows; ++row) {
        RECT r{};
        SendMessageW(pane->Handle, LB_GETITEMRECT, row, (LPARAM)&r);
        for (int y = r.top; y < r.top + h; ++y)
            for (int x = 0; x < w; ++x) v.push_back(GetPixel(dc, x, y));
    }
    ReleaseDC(pane->Handle, dc);
    return v;
}

// The same rows as a drawing of each whole entry would show them: in the
// pane's font, window colours, 2 pixels in from the row's left edge, which
// lies `position` pixels left of the window's edge.
std::vector<COLORREF> ReferenceRows(TListBox* pane, int first, int rows, int position)
{
    const int w = ClientWidthOf(pane->Handle), h = pane->ItemHeight();
    HDC screen = GetDC(pane->Handle);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(pane->Handle, screen);
    HGDIOBJ oldBmp = SelectObject(dc, bmp);
    HGDIOBJ oldFont = SelectObject(dc, (HFONT)SendMessageW(pane->Handle, WM_GETFONT, 0, 0));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    std::vector<COLORREF> v;
    v.reserve((size_t)w * h * rows);
    for (int row = first; row < first + rows; ++row) {
        RECT r{-position, 0, std::max(pane->HorizontalExtent(), w) - position, h};
        std::wstring text = ToWide(pane->ItemText(row));
        ExtTextOutW(dc, r.left + 2, 0, ETO_CLIPPED | ETO_OPAQUE, &r, text.c_str(), (UINT)text.size(), nullptr);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) v.push_back(GetPixel(dc, x, y));
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBmp);
    DeleteObject(bmp);
    DeleteDC(dc);
    return v;
}

// How many pixels of a row drawing are not the window colour.
int InkOf(const std::vector<COLORREF>& px)
{
    return (int)std::count_if(px.begin(), px.end(), [](COLORREF c) { return c != GetSysColor(COLOR_WINDOW); });
}

}  // namespace

class FilesLongLines : public FilesFormTest {
protected:
    void SetUp() override
    {
        FilesFormTest::SetUp();
        SetForegroundWindow(form->Handle);
        // The rows compared carry no focus rectangle.
        SetFocus(form->Ret1ListBox->Handle);
        PumpAWhile();
    }
    // n lines of about `chars` characters each.
    static std::string LongLines(int n, int chars)
    {
        std::string text;
        for (int i = 0; i < n; ++i) text += MixedLine(chars, i) + "\r\n";
        return text;
    }
};

// A pane scrolled sideways and down shows its new entries from the first
// one and from their left edge after Reload and after another file is
// loaded: the scroll bar says so, and the rows are drawn with their
// line-number labels at the left edge.
TEST_F(FilesLongLines, LoadingStartsAtTheFirstEntryAndTheLeftEdge)
{
    const std::string first = LongLines(60, 400), second = LongLines(50, 300);
    struct Case {
        const char* what;
        std::function<void(TFilesForm&)> load;
    } cases[] = {
        {"reload", [](TFilesForm& f) {
             FilesFormProbe{f}.SrcIsCurrent() = true;
             f.UpdateItem->Click();
         }},
        {"another file", [&](TFilesForm& f) { Load(f.SrcListBox, "second.txt", second); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(form->SrcListBox, "first.txt", first);
        TListBox* pane = form->SrcListBox;
        for (int i = 0; i < 5; ++i) SendMessageW(pane->Handle, WM_HSCROLL, SB_PAGERIGHT, 0);
        pane->SetTopIndex(20);
        PumpAWhile();
        ASSERT_GT(ScrollBarPosition(pane), 500);
        ASSERT_EQ(pane->TopIndex(), 20);

        c.load(*form);
        PumpAWhile();
        EXPECT_EQ(ScrollBarPosition(pane), 0);
        EXPECT_EQ(pane->HorizontalPosition(), 0);
        EXPECT_EQ(pane->TopIndex(), 0);
        // The rows as drawn from the left edge: label first.
        std::vector<COLORREF> shown = ShownRows(pane, 1, 3);
        EXPECT_GT(InkOf(shown), 0);
        EXPECT_TRUE(shown == ReferenceRows(pane, 1, 3, 0));
        // And where the label is drawn, at the left, there is ink.
        const int w = ClientWidthOf(pane->Handle);
        int labelInk = 0;
        for (int y = 0; y < pane->ItemHeight(); ++y)
            for (int x = 0; x < 40; ++x) labelInk += shown[(size_t)y * w + x] != GetSysColor(COLOR_WINDOW);
        EXPECT_GT(labelInk, 0);
    }
}

// Every horizontal position reaches the drawing, also past 65,535 pixels:
// the rows scrolled sideways, with double-byte characters cut by the left
// edge, by the right edge, or both, are the same pixels as a drawing of the
// whole entries.
TEST_F(FilesLongLines, RowsScrolledSidewaysAreDrawnAsTheWholeEntry)
{
    Load(form->SrcListBox, "long.txt", LongLines(8, 30000));
    TListBox* pane = form->SrcListBox;
    PumpAWhile();
    const int width = ClientWidthOf(pane->Handle);
    const int last = pane->HorizontalExtent() - width;
    ASSERT_GT(last, 100000);

    // The columns where double-byte characters of row 1's entry start.
    TCharWidths& widths = *FilesFormProbe{*form}.PaneWidths();
    const std::string entry = pane->ItemText(1);
    std::vector<int> wide;
    int column = 0;
    for (size_t i = 0; i < entry.size();) {
        bool pair = IsLeadByte((unsigned char)entry[i]) && i + 1 < entry.size();
        if (pair) wide.push_back(column);
        column += widths.Width(entry.data() + i, pair ? 2 : 1);
        i += pair ? 2 : 1;
    }
    // The text starts 2 pixels into the row: column c shows at window x
    // c + 2 - position. A double-byte character starting at s straddles
    // the left edge at position s + 2 + 3.
    auto straddlingLeft = [&](int around) {
        return *std::lower_bound(wide.begin(), wide.end(), around) + 2 + 3;
    };
    const int positions[] = {0, 1, 37, straddlingLeft(1000), 65535, 65536, straddlingLeft(70001),
                             straddlingLeft(last - 5000), last - 1, last};
    for (int position : positions) {
        SCOPED_TRACE(position);
        pane->SetHorizontalPosition(position);
        PumpAWhile();
        ASSERT_EQ(pane->HorizontalPosition(), position);
        ASSERT_EQ(ScrollBarPosition(pane), position);
        std::vector<COLORREF> shown = ShownRows(pane, 0, 6);
        EXPECT_GT(InkOf(shown), 0);
        EXPECT_TRUE(shown == ReferenceRows(pane, 0, 6, position));
    }
}

// The horizontal thumb pressed, dragged three quarters of the way along the
// track and released with the real mouse: the rows follow it past 65,535
// pixels.
TEST_F(FilesLongLines, HorizontalThumbDraggedWithTheMouseReachesPast65535Pixels)
{
    Load(form->SrcListBox, "long.txt", LongLines(8, 40000));
    TListBox* pane = form->SrcListBox;
    SetWindowPos(form->Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpAWhile();
    const int width = ClientWidthOf(pane->Handle);
    const int range = pane->HorizontalExtent() - width;
    ASSERT_GT(range * 3 / 4, 100000);

    SCROLLBARINFO sb{sizeof(sb)};
    ASSERT_TRUE(GetScrollBarInfo(pane->Handle, OBJID_HSCROLL, &sb));
    const int y = (sb.rcScrollBar.top + sb.rcScrollBar.bottom) / 2;
    POINT from{sb.rcScrollBar.left + (sb.xyThumbTop + sb.xyThumbBottom) / 2, y};
    const int trackLeft = sb.rcScrollBar.left + sb.dxyLineButton, trackRight = sb.rcScrollBar.right - sb.dxyLineButton;
    POINT to{trackLeft + (trackRight - trackLeft) * 3 / 4, y};

    std::vector<INPUT> input = {MouseAt(from, 0), MouseAt(from, MOUSEEVENTF_LEFTDOWN)};
    for (int i = 1; i <= 10; ++i) input.push_back(MouseAt({from.x + (to.x - from.x) * i / 10, y}, 0));
    input.push_back(MouseAt(to, MOUSEEVENTF_LEFTUP));
    ASSERT_EQ(SendInput((UINT)input.size(), input.data(), sizeof(INPUT)), input.size());
    PumpAWhile();

    const int position = pane->HorizontalPosition();
    EXPECT_GT(position, 65535);
    EXPECT_NEAR(position, range * 3 / 4, range / 10);
    EXPECT_EQ(ScrollBarPosition(pane), position);
    // The rows are drawn from there.
    std::vector<COLORREF> shown = ShownRows(pane, 0, 4);
    EXPECT_GT(InkOf(shown), 0);
    EXPECT_TRUE(shown == ReferenceRows(pane, 0, 4, position));
    // And a step to the right goes on from there.
    SendMessageW(pane->Handle, WM_HSCROLL, SB_PAGERIGHT, 0);
    PumpAWhile();
    EXPECT_EQ(ScrollBarPosition(pane), position + width);
    EXPECT_TRUE(ShownRows(pane, 0, 4) == ReferenceRows(pane, 0, 4, position + width));
}
