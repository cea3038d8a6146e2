// The differing part of highlighted rows in the real comparison window, read
// back by pixels: the stronger shade covers exactly the columns of the
// characters between the common beginning and the common end.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "forms/FilesLayout.h"
#include "gui/Application.h"
#include "src/Files.h"
#include "tests/support/FilesFormFixture.h"

namespace {

void PumpAWhile()
{
    for (int i = 0; i < 3; ++i) {
        Application.ProcessMessages();
        Sleep(5);
    }
    Application.ProcessMessages();
}

// The columns [first, last] of a row's client pixels painted in `color`;
// {-1, -1} when there are none.
std::pair<int, int> ColumnsOf(TListBox* pane, int row, COLORREF color)
{
    UpdateWindow(pane->Handle);
    RECT client, item{};
    GetClientRect(pane->Handle, &client);
    SendMessageW(pane->Handle, LB_GETITEMRECT, row, (LPARAM)&item);
    HDC dc = GetDC(pane->Handle);
    int first = -1, last = -1;
    for (int x = 0; x < client.right; ++x)
        for (int y = item.top; y < item.bottom; ++y)
            if (GetPixel(dc, x, y) == color) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    ReleaseDC(pane->Handle, dc);
    return {first, last};
}

COLORREF Rgb(const char* color) { return ColorToRGB(StringToColor(color)); }

}  // namespace

class FilesDiffSpan : public FilesFormTest {
protected:
    void SetUp() override
    {
        FilesFormTest::SetUp();
        SetForegroundWindow(form->Handle);
        SetFocus(form->Ret1ListBox->Handle);  // no focus rectangle on the panes
        PumpAWhile();
    }
};

// Changes at the start, in the middle and at the end of a line, a changed
// double-byte character (same lead byte), an inserted character, and a
// line the other pane does not have: on each side the stronger shade spans
// the columns of that side's differing characters, and the rest of the row
// keeps the row's colour.
TEST_F(FilesDiffSpan, TheDifferingPartIsPaintedInAStrongerShade)
{
    struct Row {
        const char* what;
        std::string left, right;
        size_t begin, leftEnd, rightEnd;  // bytes; leftEnd/rightEnd npos: no line there
    } rows[] = {
        {"start", "abcdefgh", "Xbcdefgh", 0, 1, 1},
        {"middle", "abcdefgh", "abcXefgh", 3, 4, 4},
        {"end", "abcdefgh", "abcdefgX", 7, 8, 8},
        // 日本語 against 日木語: 本 96 7B, 木 96 D8.
        {"double-byte", "ab\x93\xFA\x96\x7B\x8C\xEA", "ab\x93\xFA\x96\xD8\x8C\xEA", 4, 6, 6},
        {"inserted", "abcdef", "abcZZdef", 3, 3, 5},
        {"left only", "only on the left", "", 0, 16, std::string::npos},
    };
    std::string left, right;
    for (const Row& r : rows) {
        left += r.left + "\r\n";
        if (r.rightEnd != std::string::npos) right += r.right + "\r\n";
    }
    Load(form->SrcListBox, "left.txt", left);
    Load(form->DestListBox, "right.txt", right);
    form->AllCompareMenu->Click();
    PumpAWhile();

    struct Side {
        TListBox* pane;
        const char *row, *span;
    } sides[] = {{form->SrcListBox, "$FDD6C6", FilesLayout::SrcSpanColor},
                 {form->DestListBox, "$BEF684", FilesLayout::DestSpanColor}};
    for (int i = 0; i < (int)(sizeof rows / sizeof rows[0]); ++i) {
        const Row& r = rows[i];
        for (int s = 0; s < 2; ++s) {
            SCOPED_TRACE(std::string(r.what) + (s == 0 ? " left" : " right"));
            const Side& side = sides[s];
            const size_t end = s == 0 ? r.leftEnd : r.rightEnd;
            if (end == std::string::npos) continue;
            const std::string& line = s == 0 ? r.left : r.right;
            const std::string entry = side.pane->ItemText(i);
            const size_t label = entry.size() - line.size();
            const int left0 = 2 + FontTextWidth(side.pane->Handle, entry.substr(0, label + r.begin));
            const int right0 = 2 + FontTextWidth(side.pane->Handle, entry.substr(0, label + end));
            auto [first, last] = ColumnsOf(side.pane, i, Rgb(side.span));
            if (end == r.begin) {  // nothing of this side differs: an insertion on the other
                EXPECT_EQ(first, -1);
            } else {
                EXPECT_EQ(first, left0);
                EXPECT_EQ(last, right0 - 1);
            }
            // The row's own colour before the part (under the label) and
            // after it, to the right edge.
            auto [rowFirst, rowLast] = ColumnsOf(side.pane, i, Rgb(side.row));
            EXPECT_EQ(rowFirst, 0);
            RECT client;
            GetClientRect(side.pane->Handle, &client);
            EXPECT_EQ(rowLast, client.right - 1);
        }
    }
}

// Rows that are not highlighted never show the stronger shade, and after
// Clear none does.
TEST_F(FilesDiffSpan, OnlyHighlightedRowsShowTheShade)
{
    Load(form->SrcListBox, "left.txt", "same\r\nabc\r\nsame\r\n");
    Load(form->DestListBox, "right.txt", "same\r\nabd\r\nsame\r\n");
    form->AllCompareMenu->Click();
    PumpAWhile();
    const COLORREF span = Rgb(FilesLayout::SrcSpanColor);
    EXPECT_EQ(ColumnsOf(form->SrcListBox, 0, span).first, -1);
    EXPECT_GE(ColumnsOf(form->SrcListBox, 1, span).first, 0);
    EXPECT_EQ(ColumnsOf(form->SrcListBox, 2, span).first, -1);
    form->ClearMenu->Click();
    PumpAWhile();
    EXPECT_EQ(ColumnsOf(form->SrcListBox, 1, span).first, -1);
}
