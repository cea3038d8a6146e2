// The rename command of the file selection dialog and its rename dialog:
// real files in a temporary folder, the real shell, the dialogs answered as
// a user answers them, and the dialog's layout and keys read back from its
// window.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "forms/RenameLayout.h"
#include "gui/Application.h"
#include "gui/FileSystem.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/LayoutReader.h"
#include "tests/support/ModalAnswerer.h"

namespace R = RenameLayout;

namespace {

const std::string kTakenAfter = "' の名前を変更できません。     \r\n"
                                "指定されたファイル名は既に存在します。別の名前を指定してください。     ";
const std::string kTakenCaption = "ファイルまたはフォルダ名の変更エラー";

// A folder with real files and the file selection dialog listing it.
struct RenameFixture {
    DialogHistoryGuard guard;
    TTempDir dir;
    std::unique_ptr<TBrowseFileDlgForm> dlg;
    std::unique_ptr<BrowseFileDlgProbe> p;
    // What each rename dialog showed when it came up.
    std::vector<std::string> shown;

    explicit RenameFixture(const std::string& dirName = "") : dir(dirName) {}
    void Open()
    {
        sel_folder_dlg.folder = dir.Path();
        dlg = std::make_unique<TBrowseFileDlgForm>(nullptr);
        p = std::make_unique<BrowseFileDlgProbe>(BrowseFileDlgProbe{*dlg});
    }
    // The user clicks the item of this name (a file at once, a folder after
    // the double-click wait), as before choosing Rename from its menu.
    int ClickOn(const std::string& name)
    {
        int i = p->IndexOfName(name);
        EXPECT_GE(i, 0) << name;
        p->Click(i);
        return i;
    }
    // Answers the next rename dialog: types name into the box, presses a
    // button.
    std::function<void(TForm*)> Type(const std::string& name, bool ok = true)
    {
        return [this, name, ok](TForm* f) {
            auto* form = dynamic_cast<TRenameForm*>(f);
            ASSERT_NE(form, nullptr);
            RenameFormProbe r{*form};
            shown.push_back(r.NameEdit()->Text());
            r.NameEdit()->SetText(name);
            PostMessageW((ok ? r.Ok() : r.Cancel())->Handle, BM_CLICK, 0, 0);
        };
    }
    // The folder of the taken-name tests: a.txt and c.txt, the dialog open on
    // it and a.txt clicked; gives a.txt's index.
    int OpenOnATxtBesideCTxt()
    {
        dir.File("a.txt", "A");
        dir.File("c.txt", "C");
        Open();
        return ClickOn("a.txt");
    }
    std::function<void(TForm*)> Cancel() { return Type("", false); }
    // The answers to a name that is refused: the name typed and OK, OK on the
    // message, then Cancel on the dialog shown again.
    void TypeRefusedThenCancel(TModalAnswerer& answers, const std::string& name)
    {
        answers.AnswerForm(Type(name)).PressButton(IDOK).AnswerForm(Cancel());
    }
    // Chooses Rename with the answers planned, then checks that every planned
    // answer was given and no other window came up.
    void RenameAsPlanned(TModalAnswerer& answers)
    {
        p->RenameItemClick();
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
    }
    std::vector<std::string> Entries() const { return dir.EntryNames(); }
};

std::vector<std::string> Sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace

// The file gets its new name on disk; its line keeps its place and shows the
// new name and path, even where the new name would sort elsewhere.
TEST(Rename, FileRenamedOnDiskAndItsLineInPlace)
{
    RenameFixture f;
    f.dir.File("a.txt", "A");
    f.dir.File("m.txt", "M");
    f.Open();
    int i = f.ClickOn("a.txt");
    const std::vector<std::string> before = f.p->Captions();

    TModalAnswerer answers;
    answers.AnswerForm(f.Type("zz.txt"));
    f.RenameAsPlanned(answers);

    EXPECT_EQ(f.shown, std::vector<std::string>{"a.txt"});
    EXPECT_EQ(f.Entries(), Sorted({"m.txt", "zz.txt"}));
    EXPECT_EQ(f.p->IndexOfName("zz.txt"), i);
    EXPECT_EQ(f.p->List()->Item(i)->Caption, "zz.txt");
    EXPECT_EQ(f.p->ShownText(i, 0), "zz.txt") << "the window shows the new caption";
    EXPECT_EQ(f.p->List()->Item(i)->SubItems[4], f.dir.Path() + "zz.txt");
    EXPECT_EQ(f.p->List()->Item(i)->SubItems[3], "file");
    EXPECT_EQ(f.p->List()->Count(), (int)before.size());
    EXPECT_EQ(sel_folder_dlg.file_path, f.dir.Path() + "a.txt") << "file_path keeps the old path";
}

// OK on the name as shown, and OK on a cleared box (which gives the shown
// name back): nothing is renamed and nothing is asked.
TEST(Rename, UnchangedOrClearedNameDoesNothing)
{
    for (const char* typed : {"a.txt", ""}) {
        SCOPED_TRACE(std::string("typed '") + typed + "'");
        RenameFixture f;
        f.dir.File("a.txt", "A");
        f.Open();
        int i = f.ClickOn("a.txt");
        TModalAnswerer answers;
        answers.AnswerForm(f.Type(typed));
        f.p->RenameItemClick();
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Seen.size(), 1u) << "no message";
        EXPECT_EQ(f.Entries(), std::vector<std::string>{"a.txt"});
        EXPECT_EQ(f.p->List()->Item(i)->Caption, "a.txt");
    }
}

// A name taken by a file: the message names the old name, the dialog comes
// back showing it, and Cancel ends the command with nothing renamed.
TEST(Rename, NameTakenByAFileAsksAgainWithTheOldName)
{
    RenameFixture f;
    int i = f.OpenOnATxtBesideCTxt();
    TModalAnswerer answers;
    f.TypeRefusedThenCancel(answers, "c.txt");
    f.RenameAsPlanned(answers);

    ASSERT_EQ(answers.Seen.size(), 3u);
    const TSeenWindow& box = answers.Seen[1];
    EXPECT_TRUE(box.messageBox);
    EXPECT_EQ(box.text, "'a.txt" + kTakenAfter);
    EXPECT_EQ(box.caption, kTakenCaption);
    EXPECT_EQ(box.icon, "error");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(box.owner, nullptr) << "the message has no owner window";
    EXPECT_EQ(f.shown, (std::vector<std::string>{"a.txt", "a.txt"}));
    EXPECT_EQ(f.Entries(), Sorted({"a.txt", "c.txt"}));
    EXPECT_EQ(f.p->List()->Item(i)->Caption, "a.txt");
    EXPECT_EQ(f.p->List()->Item(i)->SubItems[4], f.dir.Path() + "a.txt");
}

// In the repeated dialog the old name itself meets the existing file (and a
// cleared box gives the old name back): the message again each time; a free
// name then ends the loop and renames.
TEST(Rename, OldNameInTheRepeatedDialogRepeatsTheMessage)
{
    RenameFixture f;
    int i = f.OpenOnATxtBesideCTxt();
    TModalAnswerer answers;
    answers.AnswerForm(f.Type("c.txt"))
        .PressButton(IDOK)
        .AnswerForm(f.Type("a.txt"))
        .PressButton(IDOK)
        .AnswerForm(f.Type(""))
        .PressButton(IDOK)
        .AnswerForm(f.Type("d.txt"));
    f.RenameAsPlanned(answers);

    for (size_t k : {1u, 3u, 5u}) {
        ASSERT_LT(k, answers.Seen.size());
        EXPECT_EQ(answers.Seen[k].text, "'a.txt" + kTakenAfter) << k;
    }
    EXPECT_EQ(f.shown, (std::vector<std::string>{"a.txt", "a.txt", "a.txt", "a.txt"}));
    EXPECT_EQ(f.Entries(), Sorted({"c.txt", "d.txt"}));
    EXPECT_EQ(f.p->List()->Item(i)->Caption, "d.txt");
}

// A folder is renamed with what it holds, and its line follows.
TEST(Rename, FolderRenamed)
{
    RenameFixture f;
    f.dir.Folder("Old");
    f.dir.File("Old\\inner.txt", "x");
    f.Open();
    int i = f.ClickOn("Old");
    TModalAnswerer answers;
    answers.AnswerForm(f.Type("New"));
    f.RenameAsPlanned(answers);

    EXPECT_EQ(f.shown, std::vector<std::string>{"Old"});
    EXPECT_TRUE(DirectoryExists(f.dir.Path() + "New"));
    EXPECT_TRUE(FileExists(f.dir.Path() + "New\\inner.txt"));
    EXPECT_FALSE(DirectoryExists(f.dir.Path() + "Old"));
    EXPECT_EQ(f.p->List()->Item(i)->Caption, "New");
    EXPECT_EQ(f.p->List()->Item(i)->SubItems[4], f.dir.Path() + "New");
    EXPECT_EQ(f.p->List()->Item(i)->SubItems[3], "dir");
}

// A name taken by a folder is refused like one taken by a file, for a file
// and for a folder being renamed: nothing moves into the folder.
TEST(Rename, NameTakenByAFolderAsksAgain)
{
    RenameFixture f;
    f.dir.File("a.txt", "A");
    f.dir.Folder("Old");
    f.dir.Folder("Sub");
    f.Open();
    for (const char* source : {"a.txt", "Old"}) {
        SCOPED_TRACE(source);
        int i = f.ClickOn(source);
        TModalAnswerer answers;
        f.TypeRefusedThenCancel(answers, "Sub");
        f.RenameAsPlanned(answers);
        ASSERT_EQ(answers.Seen.size(), 3u);
        EXPECT_EQ(answers.Seen[1].text, "'" + std::string(source) + kTakenAfter);
        EXPECT_EQ(answers.Seen[1].caption, kTakenCaption);
        EXPECT_EQ(f.p->List()->Item(i)->Caption, source);
    }
    EXPECT_EQ(f.Entries(), Sorted({"Old", "Sub", "a.txt"}));
    EXPECT_TRUE(f.dir.EntryNames("Sub").empty()) << "nothing went into Sub";
}

// Names the file system refuses or misreads never reach the shell: a message
// naming the refused name, and the dialog again with that name to correct.
TEST(Rename, RefusedNamesAskAgainWithTheirOwnMessage)
{
    RenameFixture f;
    f.dir.File("a.txt", "A");
    f.dir.Folder("b");
    f.Open();
    for (const char* name : {"x?y.txt", "x*.txt", "b/c.txt", "d:e", "<f>", "g|h", "\"i\"", "j.", "k ", "CON", "nul.txt"}) {
        SCOPED_TRACE(name);
        int i = f.ClickOn("a.txt");
        TModalAnswerer answers;
        f.TypeRefusedThenCancel(answers, name);
        f.RenameAsPlanned(answers);
        ASSERT_EQ(answers.Seen.size(), 3u);
        EXPECT_EQ(answers.Seen[1].text, R::NameRefusedBefore + std::string(name) + R::NameRefusedAfter);
        EXPECT_EQ(answers.Seen[1].caption, R::NameRefusedCaption);
        EXPECT_EQ(answers.Seen[1].icon, "error");
        ASSERT_EQ(f.shown.size(), 2u);
        EXPECT_EQ(f.shown[1], name);
        f.shown.clear();
        EXPECT_EQ(f.p->List()->Item(i)->Caption, "a.txt");
    }
    EXPECT_EQ(f.Entries(), Sorted({"a.txt", "b"}));
    EXPECT_FALSE(FileExists(f.dir.Path() + "b\\c.txt"));
}

// Japanese names whose second bytes are 0x5C (表, ソ, 能) in the folder and
// in the names: the dialog shows the whole old name, the message names it,
// and the rename lands in the same folder.
TEST(Rename, JapaneseNamesWithBackslashSecondBytes)
{
    RenameFixture f("表ソ");
    const std::string oldName = "ソース表.txt", taken = "能力.txt", fresh = "表示ソフト.txt";
    f.dir.File(oldName, "S");
    f.dir.File(taken, "N");
    f.Open();
    int i = f.ClickOn(oldName);
    TModalAnswerer answers;
    answers.AnswerForm(f.Type(taken)).PressButton(IDOK).AnswerForm(f.Type(fresh));
    f.RenameAsPlanned(answers);

    ASSERT_EQ(answers.Seen.size(), 3u);
    EXPECT_EQ(answers.Seen[1].text, "'" + oldName + kTakenAfter);
    EXPECT_EQ(f.shown, (std::vector<std::string>{oldName, oldName}));
    EXPECT_EQ(f.Entries(), Sorted({taken, fresh}));
    EXPECT_EQ(f.p->List()->Item(i)->Caption, fresh);
    EXPECT_EQ(f.p->List()->Item(i)->SubItems[4], f.dir.Path() + fresh);
}

// --------------------------------------------------------- the dialog itself

namespace {

void PostKey(HWND h, WPARAM key)
{
    PostMessageW(h, WM_KEYDOWN, key, 1);
    PostMessageW(h, WM_KEYUP, key, 0xC0000001);
}

// Types text into the focused window as the keyboard does, one character
// message each.
void PostChars(HWND h, const std::string& text)
{
    for (wchar_t c : ToWide(text)) PostMessageW(h, WM_CHAR, c, 1);
}

}  // namespace

TEST(RenameDialog, Layout)
{
    TRenameForm form(nullptr);
    RenameFormProbe r{form};

    RECT client;
    GetClientRect(form.Handle, &client);
    EXPECT_EQ(client.right, 344);
    EXPECT_EQ(client.bottom, 104);
    EXPECT_EQ(TextOf(form.Handle), "名前の変更");
    LONG style = GetWindowLongW(form.Handle, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME) << "dialog border";
    EXPECT_EQ(TextOf(r.Label()->Handle), "新しい名前を指定してください。");
    RECT lr = PlaceOf(r.Label()->Handle);
    EXPECT_EQ(lr.left, 24);
    EXPECT_EQ(lr.top, 16);

    struct Expect {
        const char* what;
        HWND h;
        RECT place;  // left, top, width, height
        const char* text;
    };
    const Expect table[] = {
        {"NameEdit", r.NameEdit()->Handle, {24, 32, 297, 20}, ""},
        {"OkBtn", r.Ok()->Handle, {140, 64, 85, 22}, "OK"},
        {"CancelBtn", r.Cancel()->Handle, {236, 64, 85, 22}, "キャンセル"},
    };
    for (const Expect& e : table) {
        RECT p = PlaceOf(e.h);
        EXPECT_EQ(p.left, e.place.left) << e.what;
        EXPECT_EQ(p.top, e.place.top) << e.what;
        EXPECT_EQ(p.right - p.left, e.place.right) << e.what;
        EXPECT_EQ(p.bottom - p.top, e.place.bottom) << e.what;
        EXPECT_EQ(TextOf(e.h), e.text) << e.what;
    }
    EXPECT_EQ(r.Ok()->ModalResult, mrOk);
    EXPECT_EQ(r.Cancel()->ModalResult, mrCancel);
    EXPECT_TRUE(GetWindowLongW(r.Ok()->Handle, GWL_STYLE) & BS_DEFPUSHBUTTON) << "OK is the default button";
    EXPECT_FALSE(GetWindowLongW(r.Cancel()->Handle, GWL_STYLE) & BS_DEFPUSHBUTTON);

    // Shown: centred on the screen, the focus in the name box with its whole
    // text selected, and Tab going round the name box and the two buttons.
    form.SetName("name.txt");
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    std::vector<HWND> focus;
    DWORD selStart = 99, selEnd = 99;
    TModalAnswerer answers;
    answers.AnswerForm([&](TForm*) {
        focus.push_back(GetFocus());
        SendMessageW(r.NameEdit()->Handle, EM_GETSEL, (WPARAM)&selStart, (LPARAM)&selEnd);
        for (int k = 0; k < 3; ++k) {
            PostKey(GetFocus(), VK_TAB);
            Application.ProcessMessages();
            focus.push_back(GetFocus());
        }
        PostMessageW(r.Cancel()->Handle, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_TRUE(answers.AllUsed());
    ASSERT_EQ(answers.Seen.size(), 1u);
    const RECT& at = answers.Seen[0].rect;
    EXPECT_NEAR((at.left + at.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((at.top + at.bottom) / 2, (work.top + work.bottom) / 2, 1);
    EXPECT_EQ(selStart, 0u);
    EXPECT_EQ(selEnd, 8u);
    EXPECT_EQ(focus, (std::vector<HWND>{r.NameEdit()->Handle, r.Ok()->Handle, r.Cancel()->Handle,
                                        r.NameEdit()->Handle}));
}

// Keys pressed in the name box: the shown name is selected, so typing
// replaces it; Enter presses OK (also in the repeated dialog), Esc Cancel.
TEST(RenameDialog, EnterAndEscInTheNameBox)
{
    RenameFixture f;
    int i = f.OpenOnATxtBesideCTxt();
    auto typeAndPress = [&](const std::string& text, WPARAM key) {
        return [&f, text, key](TForm* form) {
            RenameFormProbe r{*dynamic_cast<TRenameForm*>(form)};
            f.shown.push_back(r.NameEdit()->Text());
            HWND edit = GetFocus();
            EXPECT_EQ(edit, r.NameEdit()->Handle);
            PostChars(edit, text);
            PostKey(edit, key);
        };
    };
    {
        TModalAnswerer answers;
        answers.AnswerForm(typeAndPress("b.txt", VK_ESCAPE));
        f.RenameAsPlanned(answers);
        EXPECT_EQ(f.Entries(), Sorted({"a.txt", "c.txt"})) << "Esc cancels";
    }
    {
        TModalAnswerer answers;
        answers.AnswerForm(typeAndPress("c.txt", VK_RETURN))
            .PressButton(IDOK)
            .AnswerForm(typeAndPress("b.txt", VK_RETURN));
        f.RenameAsPlanned(answers);
        EXPECT_EQ(f.Entries(), Sorted({"b.txt", "c.txt"})) << "typing replaced the whole name; Enter pressed OK";
        EXPECT_EQ(f.p->List()->Item(i)->Caption, "b.txt");
    }
    EXPECT_EQ(f.shown, (std::vector<std::string>{"a.txt", "a.txt", "a.txt"}));
}

// OK on a cleared box gives back the name shown at that showing, also when
// the dialog is shown again with another name.
TEST(RenameDialog, ClearedNameComesBackAsTheNameShown)
{
    TRenameForm form(nullptr);
    RenameFormProbe r{form};
    auto typeAndOk = [&](const std::string& text) {
        return [&r, text](TForm*) {
            r.NameEdit()->SetText(text);
            PostMessageW(r.Ok()->Handle, BM_CLICK, 0, 0);
        };
    };
    TModalAnswerer answers;
    answers.AnswerForm(typeAndOk("")).AnswerForm(typeAndOk("x.txt")).AnswerForm(typeAndOk(""));
    form.SetName("one.txt");
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.Name(), "one.txt");
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.Name(), "x.txt");
    form.SetName("two.txt");
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.Name(), "two.txt");
    EXPECT_TRUE(answers.AllUsed());
}
