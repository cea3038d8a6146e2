// The file history: read from the registry at show, changed by clicks and
// Open, written back at close; checked against the raw stored text.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "gui/Application.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"

namespace {

const std::string kAccessHead = "ファイル '";
const std::string kAccessTail =
    "' にアクセスできません。     \r\n使用できないか、またはパスワードで保護されている可能性があります。     ";

std::string Joined(const std::vector<std::string>& v)
{
    std::string s;
    for (const std::string& e : v) s += e + "\r\n";
    return s;
}

struct HistoryWorld {
    TTempDir dir;
    std::vector<std::string> files;  // existing files f00.txt ... f29.txt
    HistoryWorld()
    {
        for (int i = 0; i < 30; ++i) {
            char name[16];
            snprintf(name, sizeof name, "f%02d.txt", i);
            files.push_back(dir.File(name, "x"));
        }
    }
    std::string Missing(const char* name) const { return dir.Path() + name; }
};

struct HistoryCase {
    const char* name;
    // The stored history before the dialog shows; null: no value at all.
    std::function<std::vector<std::string>(HistoryWorld&)> before;
    // What the user does between show and close.
    std::function<void(BrowseFileDlgProbe&, HistoryWorld&)> act;
    // The stored history after the close.
    std::function<std::vector<std::string>(HistoryWorld&)> after;
    // The chosen file after the close, and the access message's name (null: no message).
    std::function<std::string(HistoryWorld&)> chosen;
    std::function<std::string(HistoryWorld&)> messageName;
    int modalResult;  // the dialog's modal result after the act
};

std::vector<std::string> Names(HistoryWorld& w, std::initializer_list<int> idx)
{
    std::vector<std::string> v;
    for (int i : idx) v.push_back(w.files[i]);
    return v;
}

// Shows a dialog over the case's stored history, runs its act, closes it,
// and checks the modal result, the access message, the chosen file and the
// stored text against the case.
void CheckHistoryRun(const HistoryCase& c)
{
    SCOPED_TRACE(c.name);
    HistoryWorld w;
    DialogDeleteHistory();
    if (c.before) DialogWriteHistory(Joined(c.before(w)));
    sel_folder_dlg.folder = w.dir.Path();
    sel_folder_dlg.file_path = "";
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    p.FormShow();
    if (c.before) {
        EXPECT_EQ(p.HistoryItems(), c.before(w));
    }
    {
        TModalAnswerer answerer;
        answerer.PressButton(IDOK);
        c.act(p, w);
        Application.ProcessMessages();
        EXPECT_EQ(dlg.ModalResult, c.modalResult);
        EXPECT_TRUE(p.FormCloseQuery());
        if (c.messageName) {
            ASSERT_EQ(answerer.Seen.size(), 1u);
            EXPECT_EQ(answerer.Seen[0].text, kAccessHead + c.messageName(w) + kAccessTail);
            EXPECT_EQ(answerer.Seen[0].caption, "アクセス情報");
            EXPECT_EQ(answerer.Seen[0].icon, "information");
            EXPECT_EQ(answerer.Seen[0].buttons, std::vector<int>{IDOK});
        } else {
            EXPECT_TRUE(answerer.Seen.empty());
        }
    }
    EXPECT_EQ(sel_folder_dlg.file_path, c.chosen(w));
    if (c.modalResult == mrOk && !c.chosen(w).empty()) {
        EXPECT_EQ(sel_folder_dlg.folder, w.dir.Path());
    }
    DialogStoredHistory stored = DialogReadHistory();
    EXPECT_TRUE(stored.KeyExists);
    EXPECT_TRUE(stored.ValueExists);
    EXPECT_EQ(stored.Type, (DWORD)REG_SZ);
    EXPECT_EQ(stored.Text, Joined(c.after(w)));
}

}  // namespace

TEST(BrowseFileDlgHistory, FirstRunShowsAnEmptyBoxAndOpenWritesAnEmptyValue)
{
    DialogHistoryGuard guard;
    CheckHistoryRun({"first run: empty box, Open names nothing, empty value written",
     nullptr,
     [](BrowseFileDlgProbe& p, HistoryWorld&) {
         EXPECT_EQ(p.History()->ItemCount(), 0);
         EXPECT_EQ(p.History()->Text(), "");
         p.PressOpen();
     },
     [](HistoryWorld&) { return std::vector<std::string>{}; },
     [](HistoryWorld&) { return std::string(); },
     [](HistoryWorld&) { return std::string(); }, mrOk});
}

TEST(BrowseFileDlgHistory, AClickedFileOpenedBecomesEntryZeroAndItsOlderCopyGoes)
{
    DialogHistoryGuard guard;
    CheckHistoryRun({"click a file and Open: it becomes entry 0, its older copy goes",
     [](HistoryWorld& w) { return Names(w, {5, 1, 6}); },
     [](BrowseFileDlgProbe& p, HistoryWorld& w) {
         p.Click(p.IndexOfName("f01.txt"));
         EXPECT_EQ(p.HistoryItems(), Names(w, {1, 5, 1, 6}));
         EXPECT_EQ(p.History()->ItemIndex(), 0);
         p.PressOpen();
     },
     [](HistoryWorld& w) { return Names(w, {1, 5, 6}); }, [](HistoryWorld& w) { return w.files[1]; }, nullptr,
     mrOk});
}

TEST(BrowseFileDlgHistory, AClickedFileCancelledDropsTheTentativeEntry)
{
    DialogHistoryGuard guard;
    CheckHistoryRun({"click a file and Cancel: the tentative entry is dropped",
     [](HistoryWorld& w) { return Names(w, {5, 6}); },
     [](BrowseFileDlgProbe& p, HistoryWorld& w) {
         p.Click(p.IndexOfName("f02.txt"));
         p.Click(p.IndexOfName("f03.txt"));  // replaces the first tentative entry
         EXPECT_EQ(p.HistoryItems(), Names(w, {3, 5, 6}));
         SendMessageW(p.Cancel()->Handle, BM_CLICK, 0, 0);
     },
     [](HistoryWorld& w) { return Names(w, {5, 6}); }, [](HistoryWorld& w) { return w.files[3]; }, nullptr,
     mrCancel});
}

TEST(BrowseFileDlgHistory, ADoubleClickedFileIsChosenAndTheHistoryStays)
{
    DialogHistoryGuard guard;
    CheckHistoryRun({"double click a file: chosen, history as before",
     [](HistoryWorld& w) { return Names(w, {5, 4}); },
     [](BrowseFileDlgProbe& p, HistoryWorld&) {
         int i = p.IndexOfName("f04.txt");
         p.Click(i);
         p.DblClick(i);
     },
     [](HistoryWorld& w) { return Names(w, {5, 4}); }, [](HistoryWorld& w) { return w.files[4]; }, nullptr, mrOk});
}

TEST(BrowseFileDlgHistory, AChosenEntryMovesToTheTopAndTheBoxIsCutToTwenty)
{
    DialogHistoryGuard guard;
    CheckHistoryRun({"entry 7 of 25 moves to the top and the box is cut to 20",
     [](HistoryWorld& w) {
         std::vector<std::string> v(w.files.begin(), w.files.begin() + 25);
         return v;
     },
     [](BrowseFileDlgProbe& p, HistoryWorld&) {
         p.History()->SetItemIndex(7);
         p.PressOpen();
     },
     [](HistoryWorld& w) {
         std::vector<std::string> v{w.files[7]};
         for (int i = 0; i < 25 && v.size() < 20; ++i)
             if (i != 7) v.push_back(w.files[i]);
         return v;
     },
     [](HistoryWorld& w) { return w.files[7]; }, nullptr, mrOk});
}

TEST(BrowseFileDlgHistory, AClickedFilesOldCopyGoesWhenAnotherEntryIsChosen)
{
    DialogHistoryGuard guard;
    CheckHistoryRun({"F at position 3 clicked, entry 5 chosen: F's old copy goes, entry 5 moves up",
     [](HistoryWorld& w) { return Names(w, {10, 11, 12, 13, 14, 15, 16}); },
     [](BrowseFileDlgProbe& p, HistoryWorld& w) {
         p.Click(p.IndexOfName("f13.txt"));
         EXPECT_EQ(p.HistoryItems(), Names(w, {13, 10, 11, 12, 13, 14, 15, 16}));
         p.History()->SetItemIndex(5);
         p.PressOpen();
     },
     [](HistoryWorld& w) { return Names(w, {14, 13, 10, 11, 12, 15, 16}); },
     [](HistoryWorld& w) { return w.files[14]; }, nullptr, mrOk});
}

TEST(BrowseFileDlgHistory, ADeletedFilesEntryIsNamedInTheMessageAndStays)
{
    DialogHistoryGuard guard;
    CheckHistoryRun({"a deleted file's entry: the message names it, the entry stays",
     [](HistoryWorld& w) { return std::vector<std::string>{w.files[20], w.Missing("gone.txt"), w.files[21]}; },
     [](BrowseFileDlgProbe& p, HistoryWorld&) {
         p.History()->SetItemIndex(1);
         p.PressOpen();
     },
     [](HistoryWorld& w) { return std::vector<std::string>{w.files[20], w.Missing("gone.txt"), w.files[21]}; },
     [](HistoryWorld&) { return std::string(); }, [](HistoryWorld& w) { return w.Missing("gone.txt"); }, mrOk});
}

TEST(BrowseFileDlgHistory, ATypedPathIsNeverUsedAndTheMessageNamesNothing)
{
    DialogHistoryGuard guard;
    CheckHistoryRun({"a typed path is never used: the message has an empty name",
     [](HistoryWorld& w) { return Names(w, {22}); },
     [](BrowseFileDlgProbe& p, HistoryWorld& w) {
         p.History()->SetText(w.files[23]);
         EXPECT_EQ(p.History()->ItemIndex(), -1);
         p.PressOpen();
     },
     [](HistoryWorld& w) { return Names(w, {22}); }, [](HistoryWorld&) { return std::string(); },
     [](HistoryWorld&) { return std::string(); }, mrOk});
}

TEST(BrowseFileDlgHistory, ReadingRulesOfTheStoredText)
{
    DialogHistoryGuard guard;
    TTempDir dir;
    struct Case {
        const char* stored;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"表\\ソ\nC:\\一覧表\\x.txt\n", {"表\\ソ", "C:\\一覧表\\x.txt"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        DialogWriteHistory(c.stored);
        sel_folder_dlg.folder = dir.Path();
        TBrowseFileDlgForm dlg(nullptr);
        BrowseFileDlgProbe p{dlg};
        p.FormShow();
        EXPECT_EQ(p.HistoryItems(), c.entries);
        EXPECT_EQ(p.History()->ItemIndex(), c.entries.empty() ? -1 : 0);
        EXPECT_EQ(p.History()->Text(), c.entries.empty() ? "" : c.entries[0]);
    }
}

// A value that is not a string is reported with the standard exception
// message; the dialog opens with an empty history and the close stores it.
TEST(BrowseFileDlgHistory, UnreadableValueIsReportedAndTheHistoryIsEmpty)
{
    DialogHistoryGuard guard;
    TTempDir dir;
    DialogWriteHistoryDword(7);
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    TModalAnswerer answerer;
    answerer.LeaveForm(dlg).PressButton(IDOK);
    RunLater(150, [&] { PostMessageW(p.Cancel()->Handle, BM_CLICK, 0, 0); });
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
    ASSERT_EQ(answerer.Seen.size(), 1u);
    EXPECT_EQ(answerer.Seen[0].text, "Invalid data type for 'data'");
    EXPECT_EQ(answerer.Seen[0].caption, Application.Title);
    EXPECT_EQ(answerer.Seen[0].icon, "error");
    EXPECT_EQ(p.History()->ItemCount(), 0);
    DialogStoredHistory stored = DialogReadHistory();
    EXPECT_EQ(stored.Type, (DWORD)REG_SZ);
    EXPECT_EQ(stored.Text, "");
}

// Consecutive dialogs see each other's history and start where the last ended.
TEST(BrowseFileDlgHistory, NextDialogStartsWhereTheLastEnded)
{
    DialogHistoryGuard guard;
    DialogDeleteHistory();
    TTempDir dir;
    std::string sub = dir.Folder("sub");
    std::string file = dir.File("sub\\pick.txt", "x");
    sel_folder_dlg.folder = dir.Path();
    {
        TBrowseFileDlgForm dlg(nullptr);
        BrowseFileDlgProbe p{dlg};
        ASSERT_GE(p.IndexOfName("sub"), 0);
        RunLater(150, [&] {
            p.DblClick(p.IndexOfName("sub"));
            p.Click(p.IndexOfName("pick.txt"));
            PostMessageW(p.Open()->Handle, BM_CLICK, 0, 0);
        });
        EXPECT_EQ(dlg.ShowModal(), mrOk);
        EXPECT_EQ(sel_folder_dlg.file_path, file);
    }
    EXPECT_EQ(sel_folder_dlg.folder, sub + "\\");
    {
        TBrowseFileDlgForm dlg(nullptr);
        BrowseFileDlgProbe p{dlg};
        EXPECT_EQ(p.List()->Item(0)->SubItems[4], file);
        p.FormShow();
        EXPECT_EQ(p.HistoryItems(), std::vector<std::string>{file});
        // Up twice from a drive root's child reaches the drives view; the next
        // dialog starts there.
        sel_folder_dlg.folder = "C:\\";
        p.ListFolder();
        p.UpClick();
        EXPECT_EQ(sel_folder_dlg.folder, "Drives");
        p.FormCloseQuery();
    }
    {
        TBrowseFileDlgForm dlg(nullptr);
        BrowseFileDlgProbe p{dlg};
        EXPECT_EQ(sel_folder_dlg.folder, "Drives");
        bool allDrives = p.List()->Count() > 0;
        for (int i = 0; i < p.List()->Count(); ++i) allDrives = allDrives && p.List()->Item(i)->SubItems[3] == "drive";
        EXPECT_TRUE(allDrives);
        EXPECT_FALSE(p.Up()->Enabled());
    }
}

// A history that cannot be written is reported with the standard exception
// message; the dialog still closes with its result and the stored history is
// left as it was.
TEST(BrowseFileDlgHistory, FailedWriteIsReportedAndTheDialogCloses)
{
    DialogHistoryGuard guard;
    TTempDir dir;
    std::string file = dir.File("chosen.txt", "x");
    DialogWriteHistory("keep\r\n");
    DialogLockHistoryKey(true);
    struct Unlock {
        ~Unlock() { DialogLockHistoryKey(false); }
    } unlock;
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    TModalAnswerer answerer;
    answerer.LeaveForm(dlg).PressButton(IDOK);
    RunLater(150, [&] {
        p.Click(p.IndexOfName("chosen.txt"));
        PostMessageW(p.Open()->Handle, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dlg.ShowModal(), mrOk);
    EXPECT_EQ(sel_folder_dlg.file_path, file);
    EXPECT_EQ(p.HistoryItems(), (std::vector<std::string>{file, "keep"}));
    ASSERT_EQ(answerer.Seen.size(), 1u);
    EXPECT_EQ(answerer.Seen[0].text, "Failed to set data for 'data'");
    EXPECT_EQ(answerer.Seen[0].caption, Application.Title);
    EXPECT_EQ(answerer.Seen[0].icon, "error");
    EXPECT_EQ(DialogReadHistory().Text, "keep\r\n");
}
