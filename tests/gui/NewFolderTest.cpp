// The new-folder command of the file selection dialog and its dialog: real
// folders created in a temporary folder, the dialog answered as a user
// answers it, its layout and the current folder it shows read back from its
// window, and the button at the drives level.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "gui/Application.h"
#include "gui/FileSystem.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/LayoutReader.h"
#include "tests/support/ModalAnswerer.h"

namespace {

const std::string kNewFolder = "新しいフォルダ";

std::string CannotCreate(const std::string& typed)
{
    return "'" + typed + "' という名前のフォルダが既に存在します。別のフォルダ名を入力してください。";
}

// A folder with real entries and the file selection dialog listing it.
struct NewFolderFixture {
    DialogHistoryGuard guard;
    TTempDir dir;
    std::unique_ptr<TBrowseFileDlgForm> dlg;
    std::unique_ptr<BrowseFileDlgProbe> p;

    void Open()
    {
        sel_folder_dlg.folder = dir.Path();
        dlg = std::make_unique<TBrowseFileDlgForm>(nullptr);
        p = std::make_unique<BrowseFileDlgProbe>(BrowseFileDlgProbe{*dlg});
    }
    // Presses the new-folder button with the answers planned, then checks
    // that every planned answer was given and no other window came up.
    void NewFolderAsPlanned(TModalAnswerer& answers)
    {
        p->SpeedButton1Click();
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
    }
    std::vector<std::string> Entries() const { return dir.EntryNames(); }
    std::string LastCaption() const { return p->List()->Item(p->List()->Count() - 1)->Caption; }
};

std::vector<std::string> Sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

NewFolderFormProbe ProbeOf(TForm* form)
{
    auto* f = dynamic_cast<TNewFolderForm*>(form);
    if (!f) throw std::runtime_error("not the new-folder dialog");
    return NewFolderFormProbe{*f};
}

// Answers the new-folder dialog: the name box as it is, or with this text,
// then OK.
std::function<void(TForm*)> PressOk(const char* typed = nullptr)
{
    std::string text = typed ? typed : "";
    bool type = typed != nullptr;
    return [text, type](TForm* form) {
        NewFolderFormProbe f = ProbeOf(form);
        if (type) f.FolderEdit()->SetText(text);
        PostMessageW(f.Ok()->Handle, BM_CLICK, 0, 0);
    };
}

// Answers the new-folder dialog when the name will be refused: the name box
// as it is, or with this text, then OK (the message comes and goes inside
// the click); open tells whether the dialog then stayed open. Then Cancel.
std::function<void(TForm*)> OkRefusedThenCancel(bool& open, const char* typed = nullptr)
{
    std::string text = typed ? typed : "";
    bool type = typed != nullptr;
    return [&open, text, type](TForm* form) {
        NewFolderFormProbe p = ProbeOf(form);
        if (type) p.FolderEdit()->SetText(text);
        SendMessageW(p.Ok()->Handle, BM_CLICK, 0, 0);
        open = form->ModalResult == mrNone && IsWindowVisible(form->Handle);
        PostMessageW(p.Cancel()->Handle, BM_CLICK, 0, 0);
    };
}

}  // namespace

// OK on the proposed name creates 新しいフォルダ and appends it at the end of
// the listing.
TEST(NewFolder, OkAtOnceCreatesTheDefaultFolderAndAppendsIt)
{
    NewFolderFixture f;
    f.dir.File("z.txt", "z");
    f.dir.Folder("a");
    f.Open();
    int count = f.p->List()->Count();
    TModalAnswerer answers;
    answers.AnswerForm(PressOk());
    f.NewFolderAsPlanned(answers);
    ASSERT_EQ(answers.Seen.size(), 1u);
    EXPECT_EQ(answers.Seen[0].caption, "新しいフォルダ");
    EXPECT_EQ(f.Entries(), Sorted({"a", "z.txt", kNewFolder}));
    EXPECT_TRUE(DirectoryExists(f.dir.Path() + kNewFolder));
    ASSERT_EQ(f.p->List()->Count(), count + 1);
    EXPECT_EQ(f.LastCaption(), kNewFolder);
    EXPECT_EQ(f.p->ShownText(count, 0), kNewFolder);
    EXPECT_EQ(f.p->List()->Item(count)->SubItems[3], "dir");
}

// The default name is numbered past existing folders from (2) on; (1) is
// never used, and a folder missing before a numbered one is taken first.
TEST(NewFolder, DefaultNameNumberedPastExistingFolders)
{
    struct Case {
        std::vector<std::string> existing;
        std::string created;
    };
    const Case cases[] = {
        {{kNewFolder, kNewFolder + " (2)"}, kNewFolder + " (3)"},
        {{kNewFolder + " (2)"}, kNewFolder},
        {{kNewFolder}, kNewFolder + " (2)"},
        {{kNewFolder, kNewFolder + " (2)", kNewFolder + " (4)"}, kNewFolder + " (3)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.created);
        NewFolderFixture f;
        for (const std::string& e : c.existing) f.dir.Folder(e);
        f.Open();
        TModalAnswerer answers;
        answers.AnswerForm(PressOk());
        f.NewFolderAsPlanned(answers);
        std::vector<std::string> expected = c.existing;
        expected.push_back(c.created);
        EXPECT_EQ(f.Entries(), Sorted(expected));
        EXPECT_EQ(f.LastCaption(), c.created);
    }
}

// A typed name of an existing folder: the message names it, the dialog stays
// open with the name unchanged; a second OK on a new name creates that
// folder, closes the dialog and appends the folder.
TEST(NewFolder, TypedExistingNameShowsTheMessageAndKeepsTheDialogOpen)
{
    NewFolderFixture f;
    f.dir.Folder("Docs");
    f.Open();
    int count = f.p->List()->Count();
    int resultAfterFirstOk = -1;
    bool shownAfterFirstOk = false;
    std::string nameAfterFirstOk;
    TModalAnswerer answers;
    answers
        .AnswerForm([&](TForm* form) {
            NewFolderFormProbe p = ProbeOf(form);
            p.FolderEdit()->SetText("Docs");
            // The click runs here, the message box inside it.
            SendMessageW(p.Ok()->Handle, BM_CLICK, 0, 0);
            resultAfterFirstOk = form->ModalResult;
            shownAfterFirstOk = IsWindowVisible(form->Handle);
            nameAfterFirstOk = p.FolderEdit()->Text();
            p.FolderEdit()->SetText("Docs 2");
            PostMessageW(p.Ok()->Handle, BM_CLICK, 0, 0);
        })
        .PressButton(IDOK);
    f.NewFolderAsPlanned(answers);

    ASSERT_EQ(answers.Seen.size(), 2u);
    const TSeenWindow& box = answers.Seen[1];
    EXPECT_EQ(box.text, CannotCreate("Docs"));
    EXPECT_EQ(box.caption, "フォルダの確認");
    EXPECT_EQ(box.icon, "information");
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(resultAfterFirstOk, mrNone);
    EXPECT_TRUE(shownAfterFirstOk);
    EXPECT_EQ(nameAfterFirstOk, "Docs");
    EXPECT_EQ(f.Entries(), Sorted({"Docs", "Docs 2"}));
    ASSERT_EQ(f.p->List()->Count(), count + 1);
    EXPECT_EQ(f.LastCaption(), "Docs 2");
}

// A file of the default name is no folder, so the default name is not
// numbered past it: creation fails and the message names the name.
TEST(NewFolder, FileOfTheDefaultNameShowsTheMessage)
{
    NewFolderFixture f;
    f.dir.File(kNewFolder, "x");
    f.Open();
    bool open = false;
    TModalAnswerer answers;
    answers.AnswerForm(OkRefusedThenCancel(open)).PressButton(IDOK);
    f.NewFolderAsPlanned(answers);
    ASSERT_EQ(answers.Seen.size(), 2u);
    EXPECT_EQ(answers.Seen[1].text, CannotCreate(kNewFolder));
    EXPECT_TRUE(open);
    EXPECT_EQ(f.Entries(), std::vector<std::string>{kNewFolder});
}

// Names the file system refuses or misreads create nothing, not even another
// folder than the one named ("Sub\Deep" inside Sub, "x." as "x"): the
// message, and the dialog stays open. An empty name too.
TEST(NewFolder, RefusedNamesShowTheMessageAndCreateNothing)
{
    NewFolderFixture f;
    f.dir.Folder("Sub");
    f.Open();
    int count = f.p->List()->Count();
    for (const char* name : {"Sub\\Deep", "Sub/Deep", "x.", "y ", "a?b", "a*b", "CON", "c:d", ""}) {
        SCOPED_TRACE(name);
        bool open = false;
        TModalAnswerer answers;
        answers.AnswerForm(OkRefusedThenCancel(open, name)).PressButton(IDOK);
        f.NewFolderAsPlanned(answers);
        ASSERT_EQ(answers.Seen.size(), 2u);
        EXPECT_EQ(answers.Seen[1].text, CannotCreate(name));
        EXPECT_TRUE(open);
    }
    EXPECT_EQ(f.Entries(), std::vector<std::string>{"Sub"});
    EXPECT_TRUE(f.dir.EntryNames("Sub").empty()) << "nothing was created inside Sub";
    EXPECT_EQ(f.p->List()->Count(), count);
}

TEST(NewFolder, CancelCreatesNothing)
{
    NewFolderFixture f;
    f.dir.File("a.txt", "a");
    f.Open();
    TModalAnswerer answers;
    answers.AnswerForm([](TForm* form) { PostMessageW(ProbeOf(form).Cancel()->Handle, BM_CLICK, 0, 0); });
    f.p->SpeedButton1Click();
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(f.Entries(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(f.p->Captions().size(), 1u);
}

// At the drives level there is no folder to create one in: the button is
// disabled there, and enabled again in a folder.
TEST(NewFolder, ButtonDisabledAtTheDrivesLevel)
{
    NewFolderFixture f;
    f.Open();
    EXPECT_TRUE(f.p->NewFolderButton()->Enabled());
    sel_folder_dlg.folder = kDrives;
    f.p->ListFolder();
    EXPECT_FALSE(f.p->NewFolderButton()->Enabled());
    {
        TModalAnswerer answers;
        f.p->SpeedButton1Click();
        EXPECT_TRUE(answers.Seen.empty()) << "no dialog at the drives level";
    }
    sel_folder_dlg.folder = f.dir.Path();
    f.p->ListFolder();
    EXPECT_TRUE(f.p->NewFolderButton()->Enabled());

    // A dialog that opens at the drives level starts with it disabled.
    sel_folder_dlg.folder = kDrives;
    TBrowseFileDlgForm atDrives(nullptr);
    EXPECT_FALSE(BrowseFileDlgProbe{atDrives}.NewFolderButton()->Enabled());
}

// --------------------------------------------------------- the dialog itself

namespace {

// The width of a text in the font the label draws with.
int LabelTextWidth(HWND label, const std::string& text)
{
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageW(label, WM_GETFONT, 0, 0));
    std::wstring w = ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, w.c_str(), (int)w.size(), &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return size.cx;
}

}  // namespace

TEST(NewFolderDialog, Layout)
{
    TTempDir dir;
    sel_folder_dlg.folder = dir.Path();
    TNewFolderForm form(nullptr);
    NewFolderFormProbe p{form};

    RECT outer, client;
    GetWindowRect(form.Handle, &outer);
    GetClientRect(form.Handle, &client);
    EXPECT_EQ(outer.left, 317);
    EXPECT_EQ(outer.top, 156);
    EXPECT_EQ(client.right, 392);
    EXPECT_EQ(client.bottom, 104);
    EXPECT_EQ(TextOf(form.Handle), "新しいフォルダ");
    LONG style = GetWindowLongW(form.Handle, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME) << "dialog border";

    struct Expect {
        const char* what;
        HWND h;
        RECT place;  // left, top, width, height; width 0: not checked
        const char* text;
    };
    const Expect table[] = {
        {"Label1", p.Label1()->Handle, {16, 15, 0, 0}, "現在のフォルダ:"},
        {"Label2", p.Label2()->Handle, {16, 66, 0, 0}, "名前(&N):"},
        {"FolderLabel", p.FolderLabel()->Handle, {16, 38, 273, 12}, nullptr},
        {"FolderEdit", p.FolderEdit()->Handle, {72, 64, 217, 20}, "新しいフォルダ"},
        {"OKBtn", p.Ok()->Handle, {294, 8, 85, 22}, "OK"},
        {"CancelBtn", p.Cancel()->Handle, {294, 35, 85, 22}, "キャンセル"},
    };
    for (const Expect& e : table) {
        RECT r = PlaceOf(e.h);
        EXPECT_EQ(r.left, e.place.left) << e.what;
        EXPECT_EQ(r.top, e.place.top) << e.what;
        if (e.place.right) {
            EXPECT_EQ(r.right - r.left, e.place.right) << e.what;
            EXPECT_EQ(r.bottom - r.top, e.place.bottom) << e.what;
        }
        if (e.text) {
            EXPECT_EQ(TextOf(e.h), e.text) << e.what;
        }
    }
    EXPECT_EQ(p.Ok()->ModalResult, mrOk);
    EXPECT_EQ(p.Cancel()->ModalResult, mrCancel);
    for (TButton* b : {p.Ok(), p.Cancel()}) {
        EXPECT_FALSE(GetWindowLongW(b->Handle, GWL_STYLE) & BS_DEFPUSHBUTTON) << "neither button is the default";
        EXPECT_FALSE(b->Default());
        EXPECT_FALSE(b->Cancel);
    }

    // Shown: the focus in the name box, Tab round the box and the buttons.
    std::vector<HWND> focus;
    TModalAnswerer answers;
    answers.AnswerForm([&](TForm*) {
        focus.push_back(GetFocus());
        for (int k = 0; k < 3; ++k) {
            PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
            Application.ProcessMessages();
            focus.push_back(GetFocus());
        }
        PostMessageW(p.Cancel()->Handle, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(focus, (std::vector<HWND>{p.FolderEdit()->Handle, p.Ok()->Handle, p.Cancel()->Handle,
                                        p.FolderEdit()->Handle}));
    EXPECT_EQ(answers.Seen.at(0).rect.left, 317) << "still at its place when shown";
    EXPECT_EQ(answers.Seen.at(0).rect.top, 156);
}

// The current folder without its trailing backslash: C:\ as C:, a folder
// that fits as it is, a long one with its leading folders replaced by
// "...\" so that it fits the label's 273 pixels.
TEST(NewFolderDialog, FolderLabelShowsTheCurrentFolder)
{
    {
        sel_folder_dlg.folder = "C:\\";
        TNewFolderForm form(nullptr);
        EXPECT_EQ(TextOf(NewFolderFormProbe{form}.FolderLabel()->Handle), "C:");
    }
    {
        sel_folder_dlg.folder = "C:\\windows\\";
        TNewFolderForm form(nullptr);
        EXPECT_EQ(TextOf(NewFolderFormProbe{form}.FolderLabel()->Handle), "C:\\windows");
    }
    {
        TTempDir dir("表示ソフトの長いフォルダ名");
        std::string path = dir.Folder("ずっと奥にある能力表のフォルダ");
        path = dir.Folder("ずっと奥にある能力表のフォルダ\\最後のフォルダ表");
        sel_folder_dlg.folder = path + "\\";
        TNewFolderForm form(nullptr);
        HWND label = NewFolderFormProbe{form}.FolderLabel()->Handle;
        std::string shown = TextOf(label);
        ASSERT_GT(LabelTextWidth(label, path), 273) << "the path must be too wide to begin with";
        EXPECT_EQ(shown.substr(0, 7), "C:\\...\\") << shown;
        const std::string last = "\\最後のフォルダ表";
        ASSERT_GE(shown.size(), last.size());
        EXPECT_EQ(shown.substr(shown.size() - last.size()), last) << "the last folder stays whole";
        EXPECT_LE(LabelTextWidth(label, shown), 273);
        // Only whole leading folders went: the rest is the end of the path.
        std::string rest = shown.substr(6);
        EXPECT_EQ(path.substr(path.size() - rest.size()), rest);
    }
}
