// The list box of the GUI layer that the comparison window's panes and lists
// are made of: virtual rows, the drawing of plain rows, the preparation of
// owner-drawn rows, extended selection, selection notifications, top index,
// horizontal extent and suspended painting.
#include <gtest/gtest.h>

#include <map>

#include "gui/StdCtrls.h"
#include "tests/support/FilesFormFixture.h"

namespace {

class TNumbers : public TListItemSource {
public:
    explicit TNumbers(int n) : n_(n) {}
    int Count() const override { return n_; }
    std::string Text(int i) const override { return "row " + std::to_string(i); }

private:
    int n_;
};

struct ListBoxFixture : ::testing::Test {
    void SetUp() override
    {
        form = new TForm();
        form->SetBounds(50, 50, 320, 300);
        form->Show();
    }
    void TearDown() override { delete form; }
    TListBox* Make(bool multi)
    {
        TListBox* l = form->Make<TListBox>(multi, multi);
        l->Font = std::make_unique<TFont>("ＭＳ ゴシック", -12, SHIFTJIS_CHARSET);
        SendMessageW(l->Handle, WM_SETFONT, (WPARAM)l->Font->Handle(), FALSE);
        l->SetItemHeight(12);
        l->SetBounds(0, 0, 200, 12 * 10 + 4);
        return l;
    }
    static void Pump() { Application.ProcessMessages(); }
    TForm* form = nullptr;
};

LPARAM RowPoint(int row) { return MAKELPARAM(20, row * 12 + 6); }

}  // namespace

using FilesListBox = ListBoxFixture;

TEST_F(FilesListBox, PlainRowsAreDrawnByTheLayerWithTheSelectionColours)
{
    TListBox* l = Make(false);
    l->Add("MMMMMM");
    l->Add("MMMMMM");
    l->Add("");
    l->SetItemIndex(1);
    Pump();
    TCapture shot(l->Handle);
    const int b = 2;  // the client edge
    COLORREF window = GetSysColor(COLOR_WINDOW), highlight = GetSysColor(COLOR_HIGHLIGHT);
    int width = FontTextWidth(l->Handle, "MMMMMM");
    // Row 0: text in the window text colour, 2 pixels in, on the window colour.
    EXPECT_GT(shot.CountOther(b + 2, b, b + 2 + width, b + 12, window), 0);
    EXPECT_EQ(shot.CountOther(b, b, b + 2, b + 12, window), 0);
    EXPECT_EQ(shot.CountOther(b + 2 + width + 1, b, 200 - b, b + 12, window), 0);
    // Row 1, selected: the selection colour behind the text.
    int rowPixels = (200 - 2 * b) * 12;
    EXPECT_LT(shot.CountOther(b, b + 12, 200 - b, b + 24, highlight), rowPixels / 4);
    // Row 2, empty: nothing but the window colour.
    EXPECT_EQ(shot.CountOther(b, b + 24, 200 - b, b + 36, window), 0);
}

TEST_F(FilesListBox, OwnerDrawnRowsGetAPreparedCanvasAndTheFocusRectangle)
{
    TListBox* l = Make(true);
    TNumbers rows(5);
    l->SetSource(&rows);
    l->Style = lbOwnerDrawFixed;
    struct Drawn {
        TColor brush, font;
        bool fontSelected;
        TOwnerDrawState state;
        TRect rect;
    };
    std::map<int, Drawn> drawn;
    l->OnDrawItem = [&](TWinControl* c, int index, TRect r, TOwnerDrawState state) {
        auto* list = static_cast<TListBox*>(c);
        drawn[index] = {list->Canvas.Brush.Color, list->Canvas.FontColor,
                        GetCurrentObject(list->Canvas.Handle, OBJ_FONT) == (HGDIOBJ)list->Font->Handle(), state, r};
        list->Canvas.Brush.Color = clWhite;
        list->Canvas.FillRect(r);
    };
    l->SetSelected(1, true);
    l->SetSelected(2, true);
    l->SetFocus();
    l->SetItemIndex(2);
    l->Repaint();
    Pump();
    ASSERT_EQ(drawn.size(), 5u);
    for (auto& [index, d] : drawn) {
        bool selected = index == 1 || index == 2;
        EXPECT_EQ(d.brush, selected ? clHighlight : clWindow) << index;
        EXPECT_EQ(d.font, selected ? clHighlightText : clWindowText) << index;
        EXPECT_TRUE(d.fontSelected) << index;
        EXPECT_EQ((d.state & odSelected) != 0, selected) << index;
        EXPECT_EQ((d.state & odFocused) != 0, index == 2) << index;
        EXPECT_EQ(d.rect.Top, index * 12);
        EXPECT_EQ(d.rect.Height(), 12);
    }
    // The handler painted every row white; the focused row alone has the
    // dotted focus rectangle on its edge.
    TCapture shot(l->Handle);
    const int b = 2;
    COLORREF white = RGB(255, 255, 255);
    EXPECT_GT(shot.CountOther(b, b + 24, 200 - b, b + 36, white), 0);
    for (int row : {0, 1, 3, 4}) EXPECT_EQ(shot.CountOther(b, b + row * 12, 200 - b, b + row * 12 + 12, white), 0) << row;
    EXPECT_EQ(SendMessageW(l->Handle, LB_GETITEMHEIGHT, 0, 0), 12);
}

TEST_F(FilesListBox, AMillionVirtualRowsPaintOnlyTheVisibleOnes)
{
    TListBox* l = Make(true);
    TNumbers rows(1000000);
    l->SetSource(&rows);
    EXPECT_EQ(SendMessageW(l->Handle, LB_GETCOUNT, 0, 0), 1000000);
    EXPECT_EQ(l->ItemText(999999), "row 999999");
    EXPECT_EQ(l->ItemText(1000000), "");
    l->SetTopIndex(700000);
    EXPECT_EQ(l->TopIndex(), 700000);
    int draws = 0;
    std::vector<int> indexes;
    l->Style = lbOwnerDrawFixed;
    l->OnDrawItem = [&](TWinControl*, int i, TRect, TOwnerDrawState) {
        ++draws;
        indexes.push_back(i);
    };
    l->Repaint();
    EXPECT_GT(draws, 0);
    EXPECT_LE(draws, 11);
    for (int i : indexes) EXPECT_GE(i, 700000);
    l->SetHorizontalExtent(1234);
    EXPECT_EQ(l->HorizontalExtent(), 1234);
}

TEST_F(FilesListBox, ShiftAndCtrlExtendTheSelectionAndEveryChangeIsAClick)
{
    TListBox* l = Make(true);
    for (int i = 0; i < 9; ++i) l->Add("item " + std::to_string(i));
    int clicks = 0;
    l->OnClick = [&](TObject* s) {
        EXPECT_EQ(s, l);
        ++clicks;
    };
    struct Step {
        int row;
        WPARAM keys;
    } steps[] = {{1, 0}, {4, MK_SHIFT}, {7, MK_CONTROL}};
    for (const auto& s : steps) {
        SendMessageW(l->Handle, WM_LBUTTONDOWN, MK_LBUTTON | s.keys, RowPoint(s.row));
        SendMessageW(l->Handle, WM_LBUTTONUP, s.keys, RowPoint(s.row));
    }
    std::vector<int> selected;
    for (int i = 0; i < l->Count(); ++i)
        if (l->Selected(i)) selected.push_back(i);
    EXPECT_EQ(selected, (std::vector<int>{1, 2, 3, 4, 7}));
    EXPECT_EQ(l->SelCount(), 5);
    EXPECT_EQ(clicks, 3);
    l->ClearSelection();
    EXPECT_EQ(l->SelCount(), 0);
    EXPECT_EQ(clicks, 3);  // a change by the program is not a click
}

TEST_F(FilesListBox, ArrowKeysInASingleSelectionListAreClicksToo)
{
    TListBox* l = Make(false);
    for (int i = 0; i < 5; ++i) l->Add(std::to_string(i));
    std::vector<int> seen;
    l->OnClick = [&](TObject*) { seen.push_back(l->ItemIndex()); };
    l->SetItemIndex(0);
    EXPECT_TRUE(seen.empty());
    l->SetFocus();
    for (int i = 0; i < 3; ++i) SendMessageW(l->Handle, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(l->Handle, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 2}));
    EXPECT_EQ(l->SelCount(), 1);
    EXPECT_TRUE(l->Selected(2));
    l->Clear();
    EXPECT_EQ(l->ItemIndex(), -1);
    EXPECT_EQ(SendMessageW(l->Handle, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(FilesListBox, SuspendedPaintingResumesWithAFullRepaintAtOnce)
{
    TListBox* l = Make(true);
    TNumbers rows(100);
    l->SetSource(&rows);
    Pump();
    int draws = 0;
    l->Style = lbOwnerDrawFixed;
    l->OnDrawItem = [&](TWinControl*, int, TRect, TOwnerDrawState) { ++draws; };
    l->SuspendRedraw();
    l->SetTopIndex(50);
    l->Invalidate();
    UpdateWindow(l->Handle);
    Pump();
    EXPECT_EQ(draws, 0);
    l->ResumeRedraw();
    // Every visible row, before any message is processed.
    EXPECT_GE(draws, 10);
    EXPECT_EQ(l->TopIndex(), 50);
}
