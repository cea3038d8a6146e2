// Navigation in the real dialog: clicks, double clicks and Enter sent to the
// list view as the window sends them, the sort order, the up button, the
// three messages, and view switching.
#include <gtest/gtest.h>

#include <memory>

#include "gui/Application.h"
#include "text/Ansi.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"

namespace {

std::vector<std::string> NamesInOrder(BrowseFileDlgProbe& p)
{
    std::vector<std::string> v;
    for (int i = 0; i < p.List()->Count(); ++i) v.push_back(ExtractFileName(p.List()->Item(i)->SubItems[4]));
    return v;
}

struct Data {
    TTempDir dir{"Data"};
    std::string texts, report, memo;
    Data()
    {
        texts = dir.Folder("Texts");
        dir.File("Texts\\inner.txt", "x");
        report = dir.File("report.txt", "r");
        memo = dir.File("memo.txt", "m");
        sel_folder_dlg.folder = dir.Path();
    }
};

uint64_t ThreadCpuMs()
{
    FILETIME c, e, k, u;
    GetThreadTimes(GetCurrentThread(), &c, &e, &k, &u);
    auto ms = [](FILETIME t) { return ((uint64_t)t.dwHighDateTime << 32 | t.dwLowDateTime) / 10000; };
    return ms(k) + ms(u);
}

}  // namespace

TEST(BrowseFileDlgNavigation, ClickOnAFileMakesItTheTentativeEntry)
{
    Data d;
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    p.FormShow();
    p.Click(p.IndexOfName("report.txt"));
    EXPECT_EQ(sel_folder_dlg.file_path, d.report);
    EXPECT_EQ(p.FilenameEdit()->Text(), "report.txt");
    EXPECT_EQ(p.HistoryItems(), std::vector<std::string>{d.report});
    EXPECT_EQ(p.History()->ItemIndex(), 0);
    EXPECT_TRUE(p.Tentative());
    p.Click(p.IndexOfName("memo.txt"));
    EXPECT_EQ(sel_folder_dlg.file_path, d.memo);
    EXPECT_EQ(p.FilenameEdit()->Text(), "memo.txt");
    EXPECT_EQ(p.HistoryItems(), std::vector<std::string>{d.memo});
    // A click outside any item does nothing.
    p.Click(-1);
    EXPECT_EQ(sel_folder_dlg.file_path, d.memo);
}

// A click on a folder waits for a possible double click, handling messages
// meanwhile and sleeping while there are none; then it names the folder and
// leaves the history box alone.
TEST(BrowseFileDlgNavigation, ClickOnAFolderActsAfterTheWait)
{
    Data d;
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    p.FormShow();
    int i = p.IndexOfName("Texts");
    ASSERT_GE(i, 0);
    ASSERT_EQ(ExtractFileExt(p.List()->Item(i)->Caption), "");
    std::string pathDuringWait = "not run";
    RunLater(100, [&] { pathDuringWait = sel_folder_dlg.file_path + "|" + p.FilenameEdit()->Text(); });
    sel_folder_dlg.file_path = "before";
    uint64_t cpu = ThreadCpuMs();
    p.Click(i);
    cpu = ThreadCpuMs() - cpu;
    EXPECT_EQ(pathDuringWait, "before|") << "the timer ran inside the wait, before the click acted";
    EXPECT_EQ(sel_folder_dlg.file_path, d.texts);
    EXPECT_EQ(p.FilenameEdit()->Text(), "Texts");
    EXPECT_EQ(p.History()->ItemCount(), 0);
    EXPECT_FALSE(p.Tentative());
    // The wait lasts the double-click time; a spinning loop would burn it all.
    EXPECT_LT(cpu, GetDoubleClickTime() / 2) << "processor time used during the wait, ms";
}

// A double click that arrives during the wait opens the folder first; the
// pending click then finds no selection and leaves file_path empty.
TEST(BrowseFileDlgNavigation, DoubleClickOnAFolderDuringThePendingClick)
{
    Data d;
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    p.Select(p.IndexOfName("Texts"));
    p.PostNotify(NM_DBLCLK);
    p.Notify(NM_CLICK);
    EXPECT_EQ(sel_folder_dlg.folder, d.texts + "\\");
    EXPECT_EQ(NamesInOrder(p), std::vector<std::string>{"inner.txt"});
    EXPECT_EQ(sel_folder_dlg.file_path, "");
    EXPECT_EQ(p.FilenameEdit()->Text(), "");
}

TEST(BrowseFileDlgNavigation, EnterOnAFolderOpensItAndOnAFileChoosesIt)
{
    Data d;
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    p.EnterKey(p.IndexOfName("Texts"));
    EXPECT_EQ(sel_folder_dlg.folder, d.texts + "\\");
    EXPECT_EQ(dlg.ModalResult, mrNone);
    p.EnterKey(p.IndexOfName("inner.txt"));
    EXPECT_EQ(sel_folder_dlg.file_path, d.texts + "\\inner.txt");
    EXPECT_EQ(dlg.ModalResult, mrOk);
    EXPECT_EQ(sel_folder_dlg.folder, d.texts + "\\");
}

// Enter in the shown dialog, through the keyboard: the file is chosen and
// the dialog closes with OK.
TEST(BrowseFileDlgNavigation, EnterKeyInTheShownDialogClosesWithOk)
{
    DialogHistoryGuard guard;
    Data d;
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    RunLater(150, [&] {
        p.Select(p.IndexOfName("memo.txt"));
        p.List()->SetFocus();
        PostMessageW(p.List()->Handle, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageW(p.List()->Handle, WM_KEYUP, VK_RETURN, 0xC0000001);
    });
    RunLater(3000, [&] { PostMessageW(p.Cancel()->Handle, BM_CLICK, 0, 0); });
    EXPECT_EQ(dlg.ShowModal(), mrOk);
    EXPECT_EQ(sel_folder_dlg.file_path, d.memo);
}

TEST(BrowseFileDlgNavigation, SortOrderFoldersFirstThenByNameIgnoringCase)
{
    TTempDir dir;
    dir.File("b.txt", "x");
    dir.Folder("c");
    dir.File("a.txt", "x");
    dir.Folder("A");
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    EXPECT_EQ(NamesInOrder(p), (std::vector<std::string>{"A", "c", "a.txt", "b.txt"}));

    // Drive items sort by the letter in their caption, whatever the names.
    p.List()->SetSortType(stNone);
    p.List()->Clear();
    struct Drive {
        const char* caption;
        const char* root;
    };
    for (Drive dr : {Drive{"ローカル ディスク (C:)", "C:\\"}, Drive{"AAA (D:)", "D:\\"}, Drive{"ZZZ (A:)", "A:\\"}}) {
        TListItem* it = p.List()->Add();
        it->Caption = dr.caption;
        for (const char* s : {"", "", "", "drive", dr.root}) it->SubItems.Add(s);
    }
    p.List()->SetSortType(stData);
    std::vector<std::string> roots;
    for (int i = 0; i < p.List()->Count(); ++i) roots.push_back(p.List()->Item(i)->SubItems[4]);
    EXPECT_EQ(roots, (std::vector<std::string>{"A:\\", "C:\\", "D:\\"}));
    // The window's own order follows.
    EXPECT_EQ(p.ShownText(0, 0), "ZZZ (A:)");
    EXPECT_EQ(p.ShownText(2, 0), "AAA (D:)");
}

TEST(BrowseFileDlgNavigation, UpButtonClimbsToTheDrivesView)
{
    Data d;
    sel_folder_dlg.folder = d.texts + "\\";
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    p.UpClick();
    EXPECT_EQ(sel_folder_dlg.folder, d.dir.Path());
    EXPECT_GE(p.IndexOfName("Texts"), 0);
    EXPECT_TRUE(p.Up()->Enabled());

    sel_folder_dlg.folder = "C:\\";
    p.ListFolder();
    p.UpClick();
    EXPECT_EQ(sel_folder_dlg.folder, "Drives");
    EXPECT_FALSE(p.Up()->Enabled());
    const char* captions[] = {"名前", "種類", "合計サイズ", "空き領域"};
    const int formats[] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_RIGHT};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.ColumnCaption(i), captions[i]);
        EXPECT_EQ(p.ColumnFormat(i), formats[i]);
    }
    ASSERT_GT(p.List()->Count(), 0);
    for (int i = 0; i < p.List()->Count(); ++i) EXPECT_EQ(p.List()->Item(i)->SubItems[3], "drive");

    // The top of a network path also leads to the drives view.
    sel_folder_dlg.folder = "\\\\server\\share\\";
    p.UpClick();
    EXPECT_EQ(sel_folder_dlg.folder, "Drives");
}

TEST(BrowseFileDlgNavigation, MessagesForAVanishedFolderAndFile)
{
    Data d;
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    int folder = p.IndexOfName("Texts"), file = p.IndexOfName("memo.txt");
    RemoveTree(d.texts);
    DeleteFileW(ToWide(d.memo).c_str());
    TModalAnswerer answerer;
    answerer.PressButton(IDOK).PressButton(IDOK);
    p.DblClick(folder);
    EXPECT_EQ(sel_folder_dlg.folder, d.dir.Path());
    EXPECT_EQ(p.List()->Count(), 3) << "the listing is not changed";
    p.DblClick(file);
    EXPECT_EQ(dlg.ModalResult, mrNone);
    ASSERT_EQ(answerer.Seen.size(), 2u);
    EXPECT_EQ(answerer.Seen[0].text, "フォルダ '" + d.texts + "' は存在しません。");
    EXPECT_EQ(answerer.Seen[0].caption, "エラー");
    EXPECT_EQ(answerer.Seen[0].icon, "error");
    EXPECT_EQ(answerer.Seen[0].buttons, std::vector<int>{IDOK});
    EXPECT_EQ(answerer.Seen[1].text, d.memo + "\n\nディレクトリ名が無効です。");
    EXPECT_EQ(answerer.Seen[1].caption, d.memo);
    EXPECT_EQ(answerer.Seen[1].icon, "error");
    EXPECT_EQ(answerer.Seen[1].buttons, std::vector<int>{IDOK});
}

// A drive that is not ready: Retry asks again while it is missing, Cancel
// keeps the drives view.
TEST(BrowseFileDlgNavigation, DriveNotReadyRetryAndCancel)
{
    sel_folder_dlg.folder = "Drives";
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    ASSERT_EQ(GetFileAttributesW(L"Q:\\"), INVALID_FILE_ATTRIBUTES) << "drive Q: must not exist in the prefix";
    auto addQ = [&] {
        TListItem* it = p.List()->Add();
        it->Caption = "リムーバブル ディスク (Q:)";
        for (const char* s : {"", "", "", "drive", "Q:\\"}) it->SubItems.Add(s);
        return it->Index();
    };
    const std::string text = "Q:\\ にアクセスできません。\n\nデバイスの準備ができていません。";
    int before = p.List()->Count();
    {
        TModalAnswerer answerer;
        answerer.PressButton(IDRETRY).PressButton(IDCANCEL);
        p.DblClick(addQ());
        ASSERT_EQ(answerer.Seen.size(), 2u);
        for (const TSeenWindow& b : answerer.Seen) {
            EXPECT_EQ(b.text, text);
            EXPECT_EQ(b.caption, "リムーバブル ディスク (Q:)");
            EXPECT_EQ(b.icon, "error");
            EXPECT_EQ(b.buttons, (std::vector<int>{IDCANCEL, IDRETRY}));
        }
        EXPECT_EQ(sel_folder_dlg.folder, "Drives");
    }
    EXPECT_EQ(p.List()->Count(), before + 1);
    EXPECT_EQ(p.ColumnCaption(1), "種類") << "the drives view stays";
}

TEST(BrowseFileDlgNavigation, ViewSwitching)
{
    Data d;
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    auto style = [&] { return GetWindowLongW(p.List()->Handle, GWL_STYLE) & LVS_TYPEMASK; };
    EXPECT_EQ(style(), LVS_LIST);
    p.ViewClick();
    EXPECT_EQ(style(), LVS_REPORT);
    EXPECT_EQ(p.ViewList()->ItemIndex(), 1);
    p.ViewClick();
    EXPECT_EQ(style(), LVS_LIST);
    EXPECT_EQ(p.ViewList()->ItemIndex(), 0);

    p.ArrowClick();
    EXPECT_TRUE(p.ViewList()->Visible());
    p.ArrowClick();
    EXPECT_FALSE(p.ViewList()->Visible());

    // Choosing 詳細 with the mouse switches and closes the chooser.
    p.ArrowClick();
    RECT r;
    SendMessageW(p.ViewList()->Handle, LB_GETITEMRECT, 1, (LPARAM)&r);
    LPARAM at = MAKELPARAM(r.left + 3, (r.top + r.bottom) / 2);
    SendMessageW(p.ViewList()->Handle, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(p.ViewList()->Handle, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(style(), LVS_REPORT);
    EXPECT_FALSE(p.ViewList()->Visible());

    // The view button while the chooser is open closes it and toggles.
    p.ArrowClick();
    p.ViewClick();
    EXPECT_FALSE(p.ViewList()->Visible());
    EXPECT_EQ(style(), LVS_LIST);
    // The real button: a mouse click on ViewSpeedBtn toggles too.
    SendMessageW(p.View()->Handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(p.View()->Handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(style(), LVS_REPORT);
}
