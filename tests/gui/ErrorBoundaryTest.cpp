// The layer's error boundary on real windows: an error raised by a list
// view's compare handler during the window's sort, reported by the command
// that asked for the sort; a modal form whose showing fails, left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui/Application.h"
#include "gui/Exception.h"
#include "gui/Forms.h"
#include "gui/ListView.h"
#include "gui/Menus.h"
#include "tests/support/ModalAnswerer.h"

namespace {

// The captions in the window's own order (item data are the items).
std::vector<std::string> WindowOrder(TListView* list)
{
    std::vector<std::string> captions;
    int n = (int)SendMessageW(list->Handle, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < n; ++i) {
        LVITEMW it{};
        it.mask = LVIF_PARAM;
        it.iItem = i;
        SendMessageW(list->Handle, LVM_GETITEMW, 0, (LPARAM)&it);
        captions.push_back(reinterpret_cast<TListItem*>(it.lParam)->Caption);
    }
    return captions;
}

std::vector<std::string> Captions(TListView* list)
{
    std::vector<std::string> captions;
    for (int i = 0; i < list->Count(); ++i) captions.push_back(list->Item(i)->Caption);
    return captions;
}

}  // namespace

// The menu command sorts; the compare handler fails on its second call. The
// command reports the error in the standard exception message, the handler
// is not called again in that sort, and every item stays, in the same order
// in the window and in the list's own items.
TEST(ErrorBoundary, ACompareHandlersErrorIsReportedByTheCommandThatSortedAndTheItemsStay)
{
    TForm form;
    auto* list = form.Make<TListView>();
    list->SetBounds(0, 0, 200, 150);
    for (const char* c : {"d", "b", "e", "a", "c"}) list->Add()->Caption = c;
    int calls = 0;
    list->OnCompare = [&](TObject*, TListItem* a, TListItem* b, int, int& compare) {
        if (++calls == 2) throw Exception("並べ替えできません");
        compare = a->Caption.compare(b->Caption);
    };
    auto* menu = new TMainMenu();
    TMenuItem* sortItem = menu->Add(new TMenuItem("並べ替え", [&](TObject*) { list->AlphaSort(); }));
    form.SetMenu(menu);
    form.Show();
    Application.ProcessMessages();

    TModalAnswerer answers;
    answers.PressButton(IDOK);
    SendMessageW(form.Handle, WM_COMMAND, MAKEWPARAM(sortItem->CommandId(), 0), 0);
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Unexpected, 0);
    ASSERT_EQ(answers.Seen.size(), 1u);
    EXPECT_TRUE(answers.Seen[0].messageBox);
    EXPECT_EQ(answers.Seen[0].text, "並べ替えできません.");
    EXPECT_EQ(answers.Seen[0].icon, "error");
    EXPECT_EQ(answers.Seen[0].caption, Application.Title);
    EXPECT_EQ(calls, 2);

    std::vector<std::string> after = Captions(list);
    EXPECT_EQ(WindowOrder(list), after);
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, (std::vector<std::string>{"a", "b", "c", "d", "e"}));

    // The error is not kept: the next sort runs the handler to the end.
    calls = 10;
    SendMessageW(form.Handle, WM_COMMAND, MAKEWPARAM(sortItem->CommandId(), 0), 0);
    EXPECT_EQ(answers.Seen.size(), 1u);
    EXPECT_EQ(Captions(list), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(WindowOrder(list), Captions(list));
    form.SetMenu(nullptr);
    delete menu;
}

// A list view that records the last WM_SETREDRAW its window received.
class TRedrawWatchedListView : public TListView {
public:
    using TListView::TListView;
    int LastRedraw = -1;
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override
    {
        if (msg == WM_SETREDRAW) LastRedraw = (int)wp;
        return TListView::WndProc(msg, wp, lp, result);
    }
};

// A batch update whose closing sort fails still resumes painting.
TEST(ErrorBoundary, AFailedSortAtTheEndOfABatchResumesPainting)
{
    TForm form;
    auto* list = form.Make<TRedrawWatchedListView>();
    list->SetBounds(0, 0, 200, 150);
    list->OnCompare = [](TObject*, TListItem*, TListItem*, int, int&) { throw Exception("x"); };
    list->SetSortType(stData);
    form.Show();
    list->BeginUpdate();
    list->Add()->Caption = "b";
    list->Add()->Caption = "a";
    EXPECT_EQ(list->LastRedraw, FALSE);
    EXPECT_THROW(list->EndUpdate(), Exception);
    EXPECT_EQ(list->LastRedraw, TRUE);
    EXPECT_EQ(list->Count(), 2);
}

// Showing a modal form fails in its OnShow: the error leaves ShowModal, and
// the owner is enabled again, the form hidden and no modal loop counted.
TEST(ErrorBoundary, AModalFormWhoseShowingFailsIsUndone)
{
    TForm owner;
    owner.Show();
    TForm dialog(&owner, bsDialog);
    dialog.OnShow = [](TObject*) { throw Exception("表示できません"); };
    int level = Application.ModalLevel;
    EXPECT_THROW(dialog.ShowModal(), Exception);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle));
    EXPECT_FALSE(IsWindowVisible(dialog.Handle));
    EXPECT_FALSE(dialog.Modal());
    EXPECT_EQ(Application.ModalLevel, level);
}
