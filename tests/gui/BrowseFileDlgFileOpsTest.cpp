// The file commands of the real dialog, shown on the screen: its context menu
// opened with the right button and from the keyboard, cut, copy and paste
// through the real shell, delete to the real recycle bin (the freedesktop
// trash of HOME), and that no existing file is ever overwritten.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "gui/Application.h"
#include "gui/Classes.h"
#include "text/Ansi.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/ModalAnswerer.h"

namespace {

const std::string kCut = "切り取り(&T)", kCopy = "コピー(&C)", kPaste = "貼り付け(&P)", kDel = "削除(&D)",
                  kRename = "名前の変更(&M)";
const std::vector<std::string> kItemMenu = {kCut, kCopy, "-", kDel, kRename};

std::string Bytes(const std::string& path)
{
    try {
        return ReadWholeFile(path);
    } catch (...) {
        return "<unreadable>";
    }
}

bool Exists(const std::string& path) { return GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Contents that no other test writes.
std::string UniqueBytes(const std::string& what)
{
    static int n = 0;
    return "Tavlen " + what + " " + std::to_string(GetCurrentProcessId()) + " " + std::to_string(GetTickCount64()) +
           " " + std::to_string(++n);
}

std::string EnvText(const wchar_t* name)
{
    wchar_t buf[1024] = {};
    DWORD n = GetEnvironmentVariableW(name, buf, 1024);
    return n && n < 1024 ? ToAnsi(buf, (int)n) : std::string();
}

// The trash of the freedesktop recycle bin in the user's home, as a Windows
// path (Z:\...) with a trailing backslash. Wine names the home folder in
// WINEHOMEDIR ("\??\Z:\home\user"); HOME itself is not passed on.
std::string TrashFolder()
{
    std::string home = EnvText(L"WINEHOMEDIR");
    if (home.rfind("\\??\\", 0) == 0) home.erase(0, 4);
    if (home.empty()) home = "Z:" + EnvText(L"HOME");
    std::string path = home + "\\.local\\share\\Trash\\";
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// Finds the entry of the trash whose file (or, for a folder, whose file
// `inner`) holds exactly these bytes, removes it and its information file,
// and tells whether it was there.
bool TakeFromTrash(const std::string& bytes, const std::string& inner = "")
{
    const std::string files = TrashFolder() + "files\\";
    std::string found;
    ForEachEntry(files + "*", [&](const WIN32_FIND_DATAW& fd) {
        if (IsDotName(fd.cFileName) || !found.empty()) return;
        std::string name = ToAnsi(fd.cFileName);
        std::string file = inner.empty() ? files + name : files + name + "\\" + inner;
        if (FileExists(file) && Bytes(file) == bytes) found = name;
    });
    if (found.empty()) return false;
    RemoveTree(files + found);
    DeleteFileW(ToWide(TrashFolder() + "info\\" + found + ".trashinfo").c_str());
    return true;
}

std::vector<std::string> Paths(BrowseFileDlgProbe& p)
{
    std::vector<std::string> v;
    for (int i = 0; i < p.List()->Count(); ++i) v.push_back(p.List()->Item(i)->SubItems[4]);
    return v;
}

// The dialog shown (not modally) in front, with the list focused, so that
// real mouse and keyboard input reaches it.
struct ShownDialog {
    DialogHistoryGuard guard;
    std::unique_ptr<TBrowseFileDlgForm> dlg;
    std::unique_ptr<BrowseFileDlgProbe> p;
    explicit ShownDialog(const std::string& folder)
    {
        sel_folder_dlg.folder = folder;
        dlg = std::make_unique<TBrowseFileDlgForm>(nullptr);
        p = std::make_unique<BrowseFileDlgProbe>(BrowseFileDlgProbe{*dlg});
        dlg->Show();
        SetForegroundWindow(dlg->Handle);
        SetWindowPos(dlg->Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        p->List()->SetFocus();
        Application.ProcessMessages();
    }
    ~ShownDialog() { dlg->Hide(); }
    // Opens the folder as a double click does.
    void Open(const std::string& folder)
    {
        sel_folder_dlg.folder = folder;
        p->ListFolder();
    }
};

}  // namespace

// What the menu offers, opened by a real right click and by Shift+F10: the
// item commands on a file or folder (never Paste), with nothing selected
// only Paste and only while a path is held, at the drives level nothing.
TEST(BrowseFileDlgFileOps, MenuOffersWhatTheSelectionAndTheClipboardAllow)
{
    TTempDir dir;
    const std::string memo = dir.File("memo.txt", "m");
    const std::string goneBytes = UniqueBytes("gone");
    const std::string gone = dir.File("gone.txt", goneBytes);
    const std::string folder = dir.Folder("Folder");
    ShownDialog s(dir.Path());
    BrowseFileDlgProbe& p = *s.p;

    enum Opener { ByRightClick, ByShiftF10, ByMenuKey };
    const char* const openerNames[] = {"right click", "Shift+F10", "menu key"};
    auto open = [&](Opener how, int index) {
        if (how == ByRightClick) return p.RightClick(index);
        p.Select(index);
        return how == ByShiftF10 ? p.ShiftF10() : p.MenuKey();
    };
    // The menu as shown: its items, or none when it did not open.
    auto shown = [&](Opener how, int index) {
        TModalAnswerer answers;
        answers.DismissMenu();
        EXPECT_TRUE(open(how, index)) << "the menu was never prepared";
        std::vector<std::string> items;
        for (const TSeenWindow& w : answers.Seen) {
            EXPECT_TRUE(w.menu);
            items = w.items;
        }
        EXPECT_LE(answers.Seen.size(), 1u);
        return items;
    };
    const std::vector<std::string> none, paste = {kPaste};

    for (Opener how : {ByRightClick, ByShiftF10, ByMenuKey}) {
        SCOPED_TRACE(openerNames[how]);
        s.Open(dir.Path());
        // A file: the item commands; it becomes the chosen path, the name
        // box's text and the tentative history entry.
        sel_folder_dlg.file_path.clear();
        EXPECT_EQ(shown(how, p.IndexOfName("memo.txt")), kItemMenu);
        EXPECT_EQ(sel_folder_dlg.file_path, memo);
        EXPECT_EQ(p.FilenameEdit()->Text(), "memo.txt");
        EXPECT_EQ(p.HistoryItems(), std::vector<std::string>{memo});
        EXPECT_TRUE(p.Tentative());
        // A folder: the same commands; the history is left alone.
        EXPECT_EQ(shown(how, p.IndexOfName("Folder")), kItemMenu);
        EXPECT_EQ(sel_folder_dlg.file_path, folder);
        EXPECT_EQ(p.FilenameEdit()->Text(), "Folder");
        EXPECT_EQ(p.HistoryItems(), std::vector<std::string>{memo});
        EXPECT_EQ(shown(how, -1), none) << "nothing held";
        EXPECT_EQ(p.VisibleMenuItems(), none);
    }

    // The clipboard's states, each with nothing selected.
    struct State {
        const char* name;
        std::function<void()> enter;
        std::vector<std::string> menu;
    } states[] = {
        {"copy pending",
         [&] {
             TModalAnswerer a;
             a.PickMenuItem('C');
             p.Select(p.IndexOfName("memo.txt"));
             EXPECT_TRUE(p.ShiftF10());
             EXPECT_EQ(p.SourcePath(), memo);
             EXPECT_FALSE(p.CutMode());
         },
         paste},
        {"cut pending",
         [&] {
             TModalAnswerer a;
             a.PickMenuItem('T');
             p.Select(p.IndexOfName("Folder"));
             EXPECT_TRUE(p.ShiftF10());
             EXPECT_EQ(p.SourcePath(), folder);
             EXPECT_TRUE(p.CutMode());
         },
         paste},
        {"stale path after a delete",
         [&] {
             TModalAnswerer a;
             a.PickMenuItem('D').PressButton(IDYES);
             p.Select(p.IndexOfName("gone.txt"));
             EXPECT_TRUE(p.ShiftF10());
             EXPECT_TRUE(a.AllUsed());
             EXPECT_FALSE(Exists(gone));
             EXPECT_EQ(p.SourcePath(), gone);
         },
         paste},
    };
    for (State& st : states) {
        SCOPED_TRACE(st.name);
        st.enter();
        for (Opener how : {ByRightClick, ByShiftF10, ByMenuKey}) {
            EXPECT_EQ(shown(how, -1), st.menu) << openerNames[how];
            EXPECT_EQ(p.List()->Selected(), nullptr);
        }
        // A selected item never offers Paste.
        EXPECT_EQ(shown(ByShiftF10, p.IndexOfName("memo.txt")), kItemMenu);
    }

    // The drives level: no command, whether a drive is selected or not; the
    // clipboard still holds its path for later.
    s.Open(kDrives);
    ASSERT_GT(p.List()->Count(), 0);
    for (Opener how : {ByRightClick, ByShiftF10, ByMenuKey}) {
        EXPECT_EQ(shown(how, 0), none) << openerNames[how];
        EXPECT_EQ(shown(how, -1), none) << openerNames[how];
    }
    EXPECT_EQ(p.VisibleMenuItems(), none);
    EXPECT_EQ(p.SourcePath(), gone);
    EXPECT_TRUE(TakeFromTrash(goneBytes));
}

// Delete from the menu: the shell asks; Yes moves the file or folder into the
// recycle bin and its line goes, No leaves both.
TEST(BrowseFileDlgFileOps, DeleteMovesToTheRecycleBinOrLeavesEverything)
{
    TTempDir dir;
    const std::string fileBytes = UniqueBytes("deleted file"), innerBytes = UniqueBytes("deleted folder");
    const std::string file = dir.File("削除表.txt", fileBytes);
    const std::string folder = dir.Folder("フォルダソ");
    dir.File("フォルダソ\\inner.txt", innerBytes);
    dir.File("stays.txt", "s");
    ShownDialog s(dir.Path());
    BrowseFileDlgProbe& p = *s.p;

    struct Case {
        const char* name;
        std::string path;
        const char* confirmation;
    } cases[] = {{"削除表.txt", file, "ファイルの削除の確認"}, {"フォルダソ", folder, "フォルダーの削除の確認"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> before = Paths(p);
        {
            TModalAnswerer answers;
            answers.PickMenuItem('D').PressButton(IDNO);
            p.Select(p.IndexOfName(c.name));
            ASSERT_TRUE(p.ShiftF10());
            EXPECT_TRUE(answers.AllUsed());
            EXPECT_EQ(answers.Unexpected, 0);
            ASSERT_EQ(answers.Seen.size(), 2u);
            EXPECT_EQ(answers.Seen[1].caption, c.confirmation);
            EXPECT_EQ(Paths(p), before);
            EXPECT_TRUE(Exists(c.path));
        }
        {
            TModalAnswerer answers;
            answers.PickMenuItem('D').PressButton(IDYES);
            p.Select(p.IndexOfName(c.name));
            ASSERT_TRUE(p.ShiftF10());
            EXPECT_TRUE(answers.AllUsed());
            EXPECT_EQ(answers.Unexpected, 0);
        }
        std::vector<std::string> after = before;
        after.erase(std::find(after.begin(), after.end(), c.path));
        EXPECT_EQ(Paths(p), after);
        EXPECT_FALSE(Exists(c.path));
        EXPECT_EQ(p.SourcePath(), c.path);
    }
    EXPECT_TRUE(TakeFromTrash(fileBytes)) << "the file's bytes are in " << TrashFolder();
    EXPECT_TRUE(TakeFromTrash(innerBytes, "inner.txt")) << "the folder's file is in " << TrashFolder();
}

namespace {

// Copies the item of that name with the menu, or cuts it.
void Take(BrowseFileDlgProbe& p, const std::string& name, char copyOrCut)
{
    TModalAnswerer answers;
    answers.PickMenuItem(copyOrCut);
    p.Select(p.IndexOfName(name));
    ASSERT_TRUE(p.ShiftF10());
    ASSERT_TRUE(answers.AllUsed());
}

// Opens the menu on no item (to paste: the answers pick the item).
void Paste(BrowseFileDlgProbe& p)
{
    p.Select(-1);
    ASSERT_TRUE(p.ShiftF10());
}

}  // namespace

// Copy, then Paste twice into another folder that already holds a file of
// that name: two copies under the next free names, each appended at the end
// of the listing; no existing file changes.
TEST(BrowseFileDlgFileOps, CopyPastedTwiceMakesTwoCopiesUnderFreeNames)
{
    TTempDir dir;
    const std::string source = dir.Folder("source"), target = dir.Folder("target");
    const std::string original = dir.File("source\\表ソ.txt", UniqueBytes("original"));
    const std::string existing = dir.File("target\\表ソ.txt", UniqueBytes("existing"));
    const std::string originalBytes = Bytes(original), existingBytes = Bytes(existing);
    ShownDialog s(source + "\\");
    BrowseFileDlgProbe& p = *s.p;
    Take(p, "表ソ.txt", 'C');
    s.Open(target + "\\");
    const std::vector<std::string> listed = Paths(p);
    for (const char* copy : {"表ソ - コピー.txt", "表ソ - コピー (2).txt"}) {
        SCOPED_TRACE(copy);
        TModalAnswerer answers;
        answers.PickMenuItem('P');
        Paste(p);
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
        EXPECT_EQ(Bytes(target + "\\" + copy), originalBytes);
        ASSERT_GT(p.List()->Count(), 0);
        EXPECT_EQ(Paths(p).back(), target + "\\" + copy);
        EXPECT_EQ(p.List()->Item(p.List()->Count() - 1)->Caption, copy);
    }
    std::vector<std::string> expected = listed;
    expected.push_back(target + "\\表ソ - コピー.txt");
    expected.push_back(target + "\\表ソ - コピー (2).txt");
    EXPECT_EQ(Paths(p), expected);
    EXPECT_EQ(Bytes(original), originalBytes);
    EXPECT_EQ(Bytes(existing), existingBytes);
    EXPECT_EQ(p.SourcePath(), original) << "a copy stays pending";
}

// Copy and Paste in the item's own folder: the copy gets the first name not
// taken by any entry, file or folder, and is appended; a folder copies too.
TEST(BrowseFileDlgFileOps, CopyIntoItsOwnFolderTakesTheFirstFreeCopyName)
{
    TTempDir dir;
    const std::string a = dir.File("a.txt", UniqueBytes("a"));
    dir.Folder("b - コピー.txt");  // a folder takes the first copy name of b.txt
    const std::string b = dir.File("b.txt", UniqueBytes("b"));
    dir.Folder("Dir");
    dir.File("Dir\\inner.txt", "inner");
    ShownDialog s(dir.Path());
    BrowseFileDlgProbe& p = *s.p;
    struct Case {
        const char* name;
        const char* copy;
    } cases[] = {{"a.txt", "a - コピー.txt"}, {"b.txt", "b - コピー (2).txt"}, {"Dir", "Dir - コピー"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = Bytes(dir.Path() + c.name);
        Take(p, c.name, 'C');
        TModalAnswerer answers;
        answers.PickMenuItem('P');
        Paste(p);
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
        EXPECT_TRUE(Exists(dir.Path() + c.copy));
        EXPECT_EQ(Paths(p).back(), dir.Path() + c.copy);
        EXPECT_EQ(Bytes(dir.Path() + c.name), before);
    }
    EXPECT_EQ(Bytes(dir.Path() + "Dir - コピー\\inner.txt"), "inner");
    EXPECT_EQ(Bytes(dir.Path() + "b - コピー (2).txt"), Bytes(b));
    EXPECT_EQ(Bytes(dir.Path() + "a - コピー.txt"), Bytes(a));
}

// Cut, open another folder, Paste: the file moves and is appended, and Paste
// is no longer offered; a name taken there gives the copy name and leaves
// the file of that name as it was; in its own folder a cut item stays put.
TEST(BrowseFileDlgFileOps, CutThenPasteMovesWithoutOverwriting)
{
    TTempDir dir;
    const std::string source = dir.Folder("source"), target = dir.Folder("target");
    const std::string moved = dir.File("source\\moved.txt", UniqueBytes("moved"));
    const std::string clash = dir.File("source\\clash.txt", UniqueBytes("clash"));
    const std::string there = dir.File("target\\clash.txt", UniqueBytes("there"));
    const std::string stays = dir.File("source\\stays.txt", UniqueBytes("stays"));
    const std::string movedBytes = Bytes(moved), clashBytes = Bytes(clash), thereBytes = Bytes(there),
                      staysBytes = Bytes(stays);
    ShownDialog s(source + "\\");
    BrowseFileDlgProbe& p = *s.p;

    struct Case {
        const char* name;
        std::string bytes;
        const char* arrives;
    } cases[] = {{"moved.txt", movedBytes, "moved.txt"}, {"clash.txt", clashBytes, "clash - コピー.txt"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        s.Open(source + "\\");
        Take(p, c.name, 'T');
        s.Open(target + "\\");
        const std::vector<std::string> listed = Paths(p);
        {
            TModalAnswerer answers;
            answers.PickMenuItem('P');
            Paste(p);
            EXPECT_TRUE(answers.AllUsed());
            EXPECT_EQ(answers.Unexpected, 0);
        }
        EXPECT_FALSE(Exists(source + "\\" + c.name));
        EXPECT_EQ(Bytes(target + "\\" + c.arrives), c.bytes);
        std::vector<std::string> expected = listed;
        expected.push_back(target + "\\" + c.arrives);
        EXPECT_EQ(Paths(p), expected);
        EXPECT_EQ(p.SourcePath(), "");
        TModalAnswerer answers;
        answers.DismissMenu();
        Paste(p);
        EXPECT_TRUE(answers.Seen.empty()) << "no item left to show";
        EXPECT_EQ(p.VisibleMenuItems(), std::vector<std::string>{});
    }
    EXPECT_EQ(Bytes(there), thereBytes);

    // Cut and Paste in the item's own folder: nothing happens, nothing asks.
    s.Open(source + "\\");
    const std::vector<std::string> listed = Paths(p);
    Take(p, "stays.txt", 'T');
    TModalAnswerer answers;
    answers.PickMenuItem('P');
    Paste(p);
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Unexpected, 0);
    EXPECT_EQ(Paths(p), listed);
    EXPECT_EQ(Bytes(stays), staysBytes);
    EXPECT_FALSE(Exists(source + "\\stays - コピー.txt"));
    EXPECT_EQ(p.SourcePath(), "");
}

// Paste of a path that has gone (deleted after Copy): nothing is created and
// the listing stays; a folder pasted into itself or one of its sub-folders
// is refused with a message before the shell is asked, by Copy and by Cut.
TEST(BrowseFileDlgFileOps, PasteOfAGonePathOrOfAFolderIntoItselfChangesNothing)
{
    TTempDir dir;
    const std::string gone = dir.File("gone.txt", UniqueBytes("gone"));
    const std::string goneBytes = Bytes(gone);
    const std::string outer = dir.Folder("外側表"), inner = dir.Folder("外側表\\内側");
    dir.File("外側表\\内側\\f.txt", "f");
    ShownDialog s(dir.Path());
    BrowseFileDlgProbe& p = *s.p;
    {
        Take(p, "gone.txt", 'C');
        TModalAnswerer answers;
        answers.PickMenuItem('D').PressButton(IDYES);
        p.Select(p.IndexOfName("gone.txt"));
        ASSERT_TRUE(p.ShiftF10());
        ASSERT_TRUE(answers.AllUsed());
        ASSERT_FALSE(Exists(gone));
    }
    {
        const std::vector<std::string> listed = Paths(p);
        TModalAnswerer answers;
        answers.PickMenuItem('P');
        Paste(p);
        EXPECT_TRUE(answers.AllUsed());
        // Wine's shell reports a missing source by its result alone; a
        // shell that shows a message has it closed by the answerer.
        EXPECT_EQ(Paths(p), listed);
        EXPECT_FALSE(Exists(gone));
        EXPECT_EQ(p.SourcePath(), gone) << "a copy stays pending";
        EXPECT_TRUE(TakeFromTrash(goneBytes));
    }

    const std::string message = "フォルダ '" + outer + "' を、そのフォルダ自身またはそのサブフォルダの中に貼り付けることはできません。";
    struct Case {
        char command;
        std::string into;
        const char* caption;
    } cases[] = {{'C', outer, "フォルダのコピーエラー"},
                 {'C', inner, "フォルダのコピーエラー"},
                 {'T', outer, "フォルダの移動エラー"},
                 {'T', inner, "フォルダの移動エラー"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.command) + " into " + c.into);
        s.Open(dir.Path());
        Take(p, "外側表", c.command);
        s.Open(c.into + "\\");
        const std::vector<std::string> listed = Paths(p);
        TModalAnswerer answers;
        answers.PickMenuItem('P').PressButton(IDOK);
        Paste(p);
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
        ASSERT_EQ(answers.Seen.size(), 2u);
        EXPECT_EQ(answers.Seen[1].text, message);
        EXPECT_EQ(answers.Seen[1].caption, c.caption);
        EXPECT_EQ(answers.Seen[1].icon, "error");
        EXPECT_EQ(answers.Seen[1].buttons, std::vector<int>{IDOK});
        EXPECT_EQ(Paths(p), listed);
        size_t entries = 0;
        ForEachEntry(c.into + "\\*", [&](const WIN32_FIND_DATAW& fd) { entries += !IsDotName(fd.cFileName); });
        EXPECT_EQ(entries, 1u) << "nothing was created";
        EXPECT_TRUE(Exists(inner + "\\f.txt"));
    }
}

// A path of more than 258 bytes is copied whole, and its copy's path of
// more than 258 bytes too.
TEST(BrowseFileDlgFileOps, PathsLongerThan258BytesAreCopiedWhole)
{
    TTempDir dir;
    const std::string longName(120, 'L');
    const std::string deep = dir.Folder(longName) + "\\" + longName;
    ASSERT_TRUE(CreateDirectoryW(ToWide(deep).c_str(), nullptr));
    const std::string bytes = UniqueBytes("long");
    const std::string file = deep + "\\" + std::string(40, 'f') + ".txt";
    WriteFileBytes(file, bytes);
    ASSERT_GT(file.size(), 258u);
    const std::string target = dir.Folder("t");
    ShownDialog s(deep + "\\");
    BrowseFileDlgProbe& p = *s.p;
    ASSERT_EQ(Paths(p), std::vector<std::string>{file});

    struct Case {
        std::string into, arrives;
    } cases[] = {{target + "\\", target + "\\" + std::string(40, 'f') + ".txt"},
                 {deep + "\\", deep + "\\" + std::string(40, 'f') + " - コピー.txt"}};
    Take(p, ExtractFileName(file), 'C');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.into);
        s.Open(c.into);
        TModalAnswerer answers;
        answers.PickMenuItem('P');
        Paste(p);
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
        EXPECT_EQ(Bytes(c.arrives), bytes);
        ASSERT_GT(p.List()->Count(), 0);
        EXPECT_EQ(Paths(p).back(), c.arrives);
    }
    EXPECT_GT(cases[1].arrives.size(), 258u);
    EXPECT_EQ(Bytes(file), bytes);
}

// A file named "none" is a name like any other: with every entry listed,
// appending a new entry adds nothing.
TEST(BrowseFileDlgFileOps, AFileNamedNoneIsNotTakenForNoNewEntry)
{
    TTempDir dir;
    dir.File("none", "n");
    dir.File("other.txt", "o");
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    ASSERT_EQ(p.List()->Count(), 2);
    p.AppendNewEntry();
    EXPECT_EQ(p.List()->Count(), 2);
    dir.File("new.txt", "n");
    p.AppendNewEntry();
    ASSERT_EQ(p.List()->Count(), 3);
    EXPECT_EQ(p.List()->Item(2)->SubItems[4], dir.Path() + "new.txt");
}
