// The comparison window's File > Open through the real file selection
// dialog: files chosen by double clicks on the dialog's list, a sub-folder
// opened on the way, Cancel, and a file taken from the stored history.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "src/BrowseFileDlg.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/FilesFormFixture.h"
#include "text/Ansi.h"
#include "text/ShortPath.h"

using FilesChoose = FilesFormTest;

namespace {

// The names of the entries a dialog lists, sorted (the dialog's own order
// is tested with the dialog).
std::vector<std::string> Listed(BrowseFileDlgProbe& p)
{
    std::vector<std::string> v;
    for (int i = 0; i < p.List()->Count(); ++i) v.push_back(ExtractFileName(p.List()->Item(i)->SubItems[4]));
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<std::string> Sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// A double click of the left button on an item of the dialog's list as the
// mouse sends it: press, release, double-click press, release, at the middle
// of the item's label, posted to the list view. Without such an item the
// dialog is cancelled, so that the test fails instead of waiting.
void PostDoubleClick(BrowseFileDlgProbe& p, int index)
{
    HWND list = p.List()->Handle;
    RECT r{};
    r.left = LVIR_LABEL;
    if (index < 0 || !SendMessageW(list, LVM_GETITEMRECT, index, (LPARAM)&r)) {
        ADD_FAILURE() << "no such item in the dialog's list";
        PostMessageW(p.Cancel()->Handle, BM_CLICK, 0, 0);
        return;
    }
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
}

void PressCancel(BrowseFileDlgProbe& p) { PostMessageW(p.Cancel()->Handle, BM_CLICK, 0, 0); }

// Handles the messages that come during ms milliseconds.
void PumpFor(DWORD ms)
{
    DWORD end = GetTickCount() + ms;
    while ((int32_t)(end - GetTickCount()) > 0) {
        Application.ProcessMessages();
        Sleep(10);
    }
}

// An answer for the file selection dialog: act runs on the shown dialog.
std::function<void(TForm*)> OnDialog(std::function<void(BrowseFileDlgProbe&)> act)
{
    return [act](TForm* form) {
        auto* dialog = dynamic_cast<TBrowseFileDlgForm*>(form);
        if (!dialog) {
            ADD_FAILURE() << "a form other than the file selection dialog";
            form->ModalResult = mrCancel;
            return;
        }
        BrowseFileDlgProbe p{*dialog};
        act(p);
    };
}

// Everything the window shows of its panes and lists, and the two names.
struct WindowState {
    std::vector<std::vector<std::string>> lists;
    std::vector<std::string> panels;
    std::string src, dest;
    explicit WindowState(TFilesForm& f)
    {
        for (TListBox* l : {f.SrcListBox, f.DestListBox, f.Ret1ListBox, f.Ret2ListBox}) lists.push_back(Entries(l));
        for (int i = 0; i < 7; ++i) panels.push_back(StatusText(f.StatusBar1, i));
        src = FilesFormProbe{f}.SrcFileName();
        dest = FilesFormProbe{f}.DestFileName();
    }
    bool operator==(const WindowState& o) const
    {
        return lists == o.lists && panels == o.panels && src == o.src && dest == o.dest;
    }
};

}  // namespace

TEST_F(FilesChoose, DoubleClicksInTheDialogsChooseTheLeftThenTheRightFileAndCancelChangesNothing)
{
    DialogHistoryGuard history;
    const std::string left = dir.Write("左の表.txt", "L1\r\nL2\r\n");
    dir.Write("other.txt", "O\r\n");
    const std::string sub = dir.Folder("ソース");  // ソ: its second byte is a backslash
    const std::string right = dir.Write("ソース\\右.txt", "R1\r\n");
    dir.Write("ソース\\extra.txt", "E\r\n");
    const std::vector<std::string> topNames = Sorted({"ソース", "other.txt", "左の表.txt"});
    const std::vector<std::string> subNames = Sorted({"extra.txt", "右.txt"});
    sel_folder_dlg.folder = dir.Path();
    auto shortened = [&](const std::string& path) {
        int half = (form->ClientWidth() - form->LeftPanel->Width()) / 2;
        return ShortenPath(path, half, [&](const std::string& s) { return form->StatusBar1->TextWidth(s); });
    };

    {
        TModalAnswerer answers;
        answers.AnswerForm(OnDialog([&](BrowseFileDlgProbe& p) {
            EXPECT_EQ(sel_folder_dlg.folder, dir.Path());
            EXPECT_EQ(Listed(p), topNames);
            PostDoubleClick(p, p.IndexOfName("左の表.txt"));
        }));
        answers.AnswerForm(OnDialog([&](BrowseFileDlgProbe& p) {
            // The left file is in its pane before the second dialog shows, and
            // that dialog opens in the folder the first one listed.
            EXPECT_EQ(Entries(form->SrcListBox), (std::vector<std::string>{"  1| L1", "  2| L2"}));
            EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{});
            EXPECT_EQ(sel_folder_dlg.folder, dir.Path());
            EXPECT_EQ(Listed(p), topNames);
            // A double click on the sub-folder lists it and keeps the dialog open.
            PostDoubleClick(p, p.IndexOfName("ソース"));
            PumpFor(GetDoubleClickTime() + 300);
            EXPECT_EQ(sel_folder_dlg.folder, sub + "\\");
            EXPECT_EQ(Listed(p), subNames);
            EXPECT_EQ(p.d.ModalResult, mrNone);
            EXPECT_TRUE(IsWindowVisible(p.d.Handle));
            PostDoubleClick(p, p.IndexOfName("右.txt"));
        }));
        form->OpenMenu->Click();
        Pump();
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
        ASSERT_EQ(answers.Seen.size(), 2u);
        for (const TSeenWindow& seen : answers.Seen) EXPECT_TRUE(seen.fileDialog);

        EXPECT_EQ(Entries(form->SrcListBox), (std::vector<std::string>{"  1| L1", "  2| L2"}));
        EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{"  1| R1"});
        EXPECT_EQ(FilesFormProbe{*form}.SrcFileName(), left);
        EXPECT_EQ(FilesFormProbe{*form}.DestFileName(), right);
        EXPECT_EQ(StatusText(form->StatusBar1, 4), shortened(left));
        EXPECT_EQ(StatusText(form->StatusBar1, 6), shortened(right));
        EXPECT_EQ(sel_folder_dlg.folder, sub + "\\");
    }

    // Open again: the first dialog starts in the sub-folder; Cancel there
    // shows no second dialog and leaves the window as it was.
    const WindowState before(*form);
    TModalAnswerer again;
    again.AnswerForm(OnDialog([&](BrowseFileDlgProbe& p) {
        EXPECT_EQ(sel_folder_dlg.folder, sub + "\\");
        EXPECT_EQ(Listed(p), subNames);
        PressCancel(p);
    }));
    form->OpenMenu->Click();
    Pump();
    EXPECT_TRUE(again.AllUsed());
    EXPECT_EQ(again.Unexpected, 0);
    EXPECT_EQ(again.Seen.size(), 1u);
    EXPECT_TRUE(WindowState(*form) == before);
    EXPECT_EQ(Entries(form->SrcListBox), (std::vector<std::string>{"  1| L1", "  2| L2"}));
    EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{"  1| R1"});
    EXPECT_EQ(sel_folder_dlg.folder, sub + "\\");
}

// Entry 0 of the stored history, chosen with the dialog's Open button, is
// loaded into the left pane; the second dialog opens in that file's folder.
TEST_F(FilesChoose, AFileFromTheStoredHistoryIsLoaded)
{
    DialogHistoryGuard history;
    const std::string folder = dir.Folder("履歴表");  // 表: its second byte is a backslash
    const std::string stored = dir.Write("履歴表\\前回.txt", "H1\r\nH2\r\nH3\r\n");
    dir.Write("履歴表\\隣.txt", "N\r\n");
    const std::string missing = dir.Path() + "missing.txt";
    const std::string elsewhere = dir.Folder("elsewhere");
    dir.Write("elsewhere\\x.txt", "x");
    DialogWriteHistory(stored + "\r\n" + missing + "\r\n");
    sel_folder_dlg.folder = elsewhere + "\\";

    TModalAnswerer answers;
    answers.AnswerForm(OnDialog([&](BrowseFileDlgProbe& p) {
        EXPECT_EQ(Listed(p), std::vector<std::string>{"x.txt"});
        EXPECT_EQ(p.HistoryItems(), (std::vector<std::string>{stored, missing}));
        SendMessageW(p.History()->Handle, CB_SETCURSEL, 0, 0);
        EXPECT_EQ(p.History()->ItemIndex(), 0);
        PostMessageW(p.Open()->Handle, BM_CLICK, 0, 0);
    }));
    answers.AnswerForm(OnDialog([&](BrowseFileDlgProbe& p) {
        EXPECT_EQ(FilesFormProbe{*form}.SrcFileName(), stored);
        EXPECT_EQ(sel_folder_dlg.folder, folder + "\\");
        EXPECT_EQ(Listed(p), Sorted({"前回.txt", "隣.txt"}));
        PressCancel(p);
    }));
    form->OpenMenu->Click();
    Pump();
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Unexpected, 0);
    EXPECT_EQ(answers.Seen.size(), 2u);

    EXPECT_EQ(Entries(form->SrcListBox), (std::vector<std::string>{"  1| H1", "  2| H2", "  3| H3"}));
    EXPECT_EQ(FilesFormProbe{*form}.SrcFileName(), stored);
    EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{});
    EXPECT_EQ(FilesFormProbe{*form}.DestFileName(), "");
    int half = (form->ClientWidth() - form->LeftPanel->Width()) / 2;
    EXPECT_EQ(StatusText(form->StatusBar1, 4),
              ShortenPath(stored, half, [&](const std::string& s) { return form->StatusBar1->TextWidth(s); }));
    EXPECT_EQ(StatusText(form->StatusBar1, 6), "");
    // The chosen entry was already first: the stored history keeps its order.
    EXPECT_EQ(DialogReadHistory().Text, stored + "\r\n" + missing + "\r\n");
}

namespace {

// A single click on an item of the dialog's list as the mouse sends it,
// posted to the list view; then, once the click has been handled, a check
// that it made the file the dialog's choice, and Cancel.
void ClickThenCancel(BrowseFileDlgProbe& p, const std::string& path)
{
    HWND list = p.List()->Handle;
    RECT r{};
    r.left = LVIR_LABEL;
    const int index = p.IndexOfName(ExtractFileName(path));
    if (index < 0 || !SendMessageW(list, LVM_GETITEMRECT, index, (LPARAM)&r)) {
        ADD_FAILURE() << "no such item in the dialog's list";
        PressCancel(p);
        return;
    }
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    HWND cancel = p.Cancel()->Handle;
    RunLater(300, [path, cancel] {
        EXPECT_EQ(sel_folder_dlg.file_path, path);
        PostMessageW(cancel, BM_CLICK, 0, 0);
    });
}

}  // namespace

// Cancel after a click has made a file the dialog's choice: the caller
// loads nothing, whichever dialog it was (File > Open's first or second,
// the pop-up's Open for either pane).
TEST_F(FilesChoose, CancelAfterAClickOnAFileLoadsNothing)
{
    DialogHistoryGuard history;
    const std::string left = dir.Write("left.txt", "L1\r\n"), right = dir.Write("right.txt", "R1\r\n");
    const std::string clicked = dir.Write("clicked.txt", "C1\r\nC2\r\n");
    Load(form->SrcListBox, "left.txt", "L1\r\n");
    Load(form->DestListBox, "right.txt", "R1\r\n");
    sel_folder_dlg.folder = dir.Path();

    struct Case {
        const char* what;
        std::function<void(TModalAnswerer&)> answer;
        TMenuItem* command;
        bool srcIsCurrent;
        size_t dialogs;
    } cases[] = {
        {"Open, first dialog",
         [&](TModalAnswerer& a) { a.AnswerForm(OnDialog([&](BrowseFileDlgProbe& p) { ClickThenCancel(p, clicked); })); },
         form->OpenMenu, true, 1},
        {"Open, second dialog",
         [&](TModalAnswerer& a) {
             a.ChooseFile(left);
             a.AnswerForm(OnDialog([&](BrowseFileDlgProbe& p) { ClickThenCancel(p, clicked); }));
         },
         form->OpenMenu, true, 2},
        {"pop-up Open, left pane",
         [&](TModalAnswerer& a) { a.AnswerForm(OnDialog([&](BrowseFileDlgProbe& p) { ClickThenCancel(p, clicked); })); },
         form->OpenItem, true, 1},
        {"pop-up Open, right pane",
         [&](TModalAnswerer& a) { a.AnswerForm(OnDialog([&](BrowseFileDlgProbe& p) { ClickThenCancel(p, clicked); })); },
         form->OpenItem, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FilesFormProbe{*form}.SrcIsCurrent() = c.srcIsCurrent;
        const WindowState before(*form);
        TModalAnswerer answers;
        c.answer(answers);
        c.command->Click();
        PumpFor(100);
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
        EXPECT_EQ(answers.Seen.size(), c.dialogs);
        EXPECT_TRUE(WindowState(*form) == before);
        EXPECT_EQ(Entries(form->SrcListBox), std::vector<std::string>{"  1| L1"});
        EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{"  1| R1"});
    }
}
