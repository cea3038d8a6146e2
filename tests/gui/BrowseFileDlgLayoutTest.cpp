// The file selection dialog's window: every control in its place with its
// caption and hint, the state after creation, and the modal flow.
#include <gtest/gtest.h>

#include <memory>

#include "forms/BrowseFileDlgLayout.h"
#include "gui/Application.h"
#include "gui/Glyph.h"
#include "gui/ImageList.h"
#include "gui/Menus.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/LayoutReader.h"

namespace L = BrowseFileDlgLayout;

namespace {

std::string HintOf(TSpeedButton* b)
{
    wchar_t buf[256] = {};
    TOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = b->Handle;
    ti.uId = (UINT_PTR)b->Handle;
    ti.lpszText = buf;
    SendMessageW(b->ToolTip(), TTM_GETTEXTW, 256, (LPARAM)&ti);
    return ToAnsi(buf);
}

struct DialogInFolder {
    TTempDir dir;
    std::unique_ptr<TBrowseFileDlgForm> dlg;
    DialogInFolder()
    {
        dir.File("a.txt", "x");
        sel_folder_dlg.folder = dir.Path();
        dlg = std::make_unique<TBrowseFileDlgForm>(nullptr);
    }
};

}  // namespace

TEST(BrowseFileDlgLayout, EveryControlHasItsPlaceCaptionAndHint)
{
    DialogInFolder f;
    BrowseFileDlgProbe p{*f.dlg};
    TBrowseFileDlgForm& d = *f.dlg;

    RECT outer;
    GetWindowRect(d.Handle, &outer);
    EXPECT_EQ(outer.right - outer.left, 505);
    EXPECT_EQ(outer.bottom - outer.top, 265);
    EXPECT_EQ(TextOf(d.Handle), "ファイルの選択");
    LONG style = GetWindowLongW(d.Handle, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME) << "dialog border, not sizeable";

    struct Expect {
        const char* what;
        HWND h;
        L::Place place;
        bool checkHeight;
    };
    const Expect table[] = {
        {"ListView1", p.List()->Handle, L::ListView1, true},
        {"UpSpeedBtn", p.Up()->Handle, L::UpSpeedBtn, true},
        {"SpeedButton1", p.NewFolderButton()->Handle, L::SpeedButton1, true},
        {"ViewSpeedBtn", p.View()->Handle, L::ViewSpeedBtn, true},
        {"ArrowSpeedBtn", p.Arrow()->Handle, L::ArrowSpeedBtn, true},
        {"ViewListBox", p.ViewList()->Handle, L::ViewListBox, true},
        {"FileComboBox", p.History()->Handle, L::FileComboBox, false},
        {"OpenButton", p.Open()->Handle, L::OpenButton, true},
        {"CancelButton", p.Cancel()->Handle, L::CancelButton, true},
        {"FilenameEdit", p.FilenameEdit()->Handle, L::FilenameEdit, true},
    };
    for (const Expect& e : table) {
        RECT r = PlaceOf(e.h);
        EXPECT_EQ(r.left, e.place.Left) << e.what;
        EXPECT_EQ(r.top, e.place.Top) << e.what;
        EXPECT_EQ(r.right - r.left, e.place.Width) << e.what;
        if (e.checkHeight) {
            EXPECT_EQ(r.bottom - r.top, e.place.Height) << e.what;
        }
    }
    // The location box and the speed buttons sit in Panel2, the top strip.
    HWND panel = GetParent(p.Up()->Handle);
    EXPECT_NE(panel, d.Handle);
    RECT pr = PlaceOf(panel);
    EXPECT_EQ(pr.top, 0);
    EXPECT_EQ(pr.bottom - pr.top, 28);
    EXPECT_EQ(pr.right - pr.left, d.ClientWidth());

    EXPECT_EQ(TextOf(p.Open()->Handle), "開く");
    EXPECT_EQ(TextOf(p.Cancel()->Handle), "キャンセル");
    EXPECT_EQ(p.Open()->ModalResult, mrOk);
    EXPECT_EQ(p.Cancel()->ModalResult, mrCancel);
    EXPECT_FALSE(GetWindowLongW(p.Open()->Handle, GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_FALSE(GetWindowLongW(p.Cancel()->Handle, GWL_STYLE) & BS_DEFPUSHBUTTON);

    // Labels: every static text of the form and the panel.
    std::vector<std::string> labels;
    for (HWND parent : {d.Handle, panel})
        for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            wchar_t cls[32] = {};
            GetClassNameW(c, cls, 32);
            if (lstrcmpiW(cls, L"Static") == 0) labels.push_back(TextOf(c));
        }
    EXPECT_NE(std::find(labels.begin(), labels.end(), "ファイルの場所（&I）:"), labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), "ファイル名（&N）:"), labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), "ファイルの種類（&T）:"), labels.end());

    // Hints, as the tooltips show them.
    EXPECT_EQ(HintOf(p.Up()), "1つ上のフォルダへ移動");
    EXPECT_EQ(HintOf(p.NewFolderButton()), "新しいフォルダの作成");
    EXPECT_EQ(HintOf(p.View()), "表示");
    EXPECT_EQ(HintOf(p.Arrow()), "表示");

    // Glyph sizes.
    struct GlyphSize {
        TSpeedButton* b;
        int w, h;
    };
    for (GlyphSize g : {GlyphSize{p.Up(), 15, 14}, GlyphSize{p.NewFolderButton(), 16, 16}, GlyphSize{p.View(), 16, 16},
                        GlyphSize{p.Arrow(), 7, 5}}) {
        ASSERT_NE(g.b->Glyph(), nullptr);
        EXPECT_EQ(g.b->Glyph()->Width(), g.w);
        EXPECT_EQ(g.b->Glyph()->Height(), g.h);
    }
}

TEST(BrowseFileDlgLayout, CreationStateOfListChooserAndHiddenControls)
{
    DialogInFolder f;
    BrowseFileDlgProbe p{*f.dlg};
    TBrowseFileDlgForm& d = *f.dlg;

    // The list view: list style, one selection, read-only captions, auto-arrange,
    // four columns of 100 pixels with the folder captions.
    LONG s = GetWindowLongW(p.List()->Handle, GWL_STYLE);
    EXPECT_EQ(s & LVS_TYPEMASK, LVS_LIST);
    EXPECT_TRUE(s & LVS_SINGLESEL);
    EXPECT_FALSE(s & LVS_EDITLABELS);
    EXPECT_TRUE(s & LVS_AUTOARRANGE);
    EXPECT_TRUE(s & LVS_SHAREIMAGELISTS);
    const char* captions[] = {"名前", "サイズ", "ファイルの種類", "更新日時"};
    const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_LEFT, LVCFMT_LEFT};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.ColumnCaption(i), captions[i]) << i;
        EXPECT_EQ(p.ColumnFormat(i), formats[i]) << i;
        LVCOLUMNW c{};
        c.mask = LVCF_WIDTH;
        SendMessageW(p.List()->Handle, LVM_GETCOLUMNW, i, (LPARAM)&c);
        EXPECT_EQ(c.cx, 100) << i;
    }
    EXPECT_EQ(p.List()->SortType(), stData);
    EXPECT_EQ(p.List()->PopupMenu != nullptr, true);
    std::vector<std::string> menu;
    for (TMenuItem* m : p.List()->PopupMenu->Items()) menu.push_back(m->Caption());
    EXPECT_EQ(menu, (std::vector<std::string>{"切り取り(&T)", "コピー(&C)", "貼り付け(&P)", "-", "削除(&D)",
                                              "名前の変更(&M)"}));

    // The view chooser: hidden, 一覧 and 詳細, the first selected.
    EXPECT_FALSE(p.ViewList()->Visible());
    ASSERT_EQ(p.ViewList()->Count(), 2);
    EXPECT_EQ(p.ViewList()->ItemText(0), "一覧");
    EXPECT_EQ(p.ViewList()->ItemText(1), "詳細");
    EXPECT_EQ(p.ViewList()->ItemIndex(), 0);
    EXPECT_EQ(SendMessageW(p.ViewList()->Handle, LB_GETITEMHEIGHT, 0, 0), 12);

    // FilenameEdit lies below the visible client area and is enabled.
    RECT client;
    GetClientRect(d.Handle, &client);
    RECT edit = PlaceOf(p.FilenameEdit()->Handle);
    EXPECT_GE(edit.top, client.bottom);
    EXPECT_TRUE(IsWindowEnabled(p.FilenameEdit()->Handle));
    EXPECT_EQ(d.ActiveControl, p.FilenameEdit());

    // Tab order starts with FilenameEdit, then the list and the two buttons.
    ASSERT_GE(d.TabOrder.size(), 4u);
    EXPECT_EQ(d.TabOrder[0], p.FilenameEdit());
    EXPECT_EQ(d.TabOrder[1], p.List());
    EXPECT_EQ(d.TabOrder[2], p.Open());
    EXPECT_EQ(d.TabOrder[3], p.Cancel());
    EXPECT_EQ(d.TabOrder.back(), p.History());

    // The location box: owner-drawn fixed rows of 16 pixels, in Panel2.
    LONG locationStyle = GetWindowLongW(p.LocationBox()->Handle, GWL_STYLE);
    EXPECT_EQ(locationStyle & 3, CBS_DROPDOWNLIST);
    EXPECT_TRUE(locationStyle & CBS_OWNERDRAWFIXED);
    EXPECT_EQ(SendMessageW(p.LocationBox()->Handle, CB_GETITEMHEIGHT, 0, 0), 16);
    RECT location = PlaceOf(p.LocationBox()->Handle);
    EXPECT_EQ(location.left, 112);
    EXPECT_EQ(location.top, 3);
    EXPECT_EQ(location.right - location.left, 219);
    // The file-type box: one filter, never read; below the visible area.
    ASSERT_EQ(p.FilterBox()->ItemCount(), 1);
    EXPECT_EQ(p.FilterBox()->Item(0), "すべてのファイル (*.*)");
    EXPECT_EQ(p.FilterBox()->Filter(), "すべてのファイル (*.*)|*.*");
    RECT filter = PlaceOf(p.FilterBox()->Handle);
    EXPECT_EQ(filter.left, 144);
    EXPECT_EQ(filter.top, 304);
    EXPECT_GE(filter.top, client.bottom);

    // The history box: an editable drop-down (Wine keeps its rows at the
    // font's height whatever item height is asked for); empty before show.
    EXPECT_EQ(GetWindowLongW(p.History()->Handle, GWL_STYLE) & 3, CBS_DROPDOWN);
    EXPECT_EQ(p.History()->ItemCount(), 0);
    EXPECT_EQ(sel_folder_dlg.file_path, "");

    // The system image list is shared: the dialog's list is the shell's.
    ASSERT_NE(p.SysImageList(), nullptr);
    EXPECT_TRUE(p.SysImageList()->ShareImages);
    EXPECT_EQ((HIMAGELIST)SendMessageW(p.List()->Handle, LVM_GETIMAGELIST, LVSIL_SMALL, 0), p.SysImageList()->Handle());
}

TEST(BrowseFileDlgLayout, SystemImageListSurvivesTheDialog)
{
    HIMAGELIST system;
    {
        DialogInFolder f;
        BrowseFileDlgProbe p{*f.dlg};
        system = p.SysImageList()->Handle();
        ASSERT_NE(system, nullptr);
    }
    // Still the shell's list, still usable.
    SHFILEINFOW sfi{};
    EXPECT_EQ((HIMAGELIST)SHGetFileInfoW(L"C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_SMALLICON), system);
    EXPECT_GT(ImageList_GetImageCount(system), 0);
}

// The modal flow: OK, Cancel and the title bar's close; the focus while shown.
TEST(BrowseFileDlgLayout, ShowModalResults)
{
    DialogHistoryGuard guard;
    TTempDir dir;
    sel_folder_dlg.folder = dir.Path();
    struct Case {
        const char* how;
        int expected;
    };
    for (Case c : {Case{"cancel", mrCancel}, Case{"close", mrCancel}, Case{"open", mrOk}}) {
        TBrowseFileDlgForm dlg(nullptr);
        BrowseFileDlgProbe p{dlg};
        bool focusOnEdit = false, visible = false;
        TModalAnswerer answerer;
        answerer.LeaveForm(dlg).PressButton(IDOK);  // Open with no entry shows the access message
        RunLater(150, [&] {
            visible = IsWindowVisible(dlg.Handle);
            focusOnEdit = GetFocus() == p.FilenameEdit()->Handle;
            std::string how = c.how;
            if (how == "cancel")
                PostMessageW(p.Cancel()->Handle, BM_CLICK, 0, 0);
            else if (how == "open")
                PostMessageW(p.Open()->Handle, BM_CLICK, 0, 0);
            else
                PostMessageW(dlg.Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        EXPECT_EQ(dlg.ShowModal(), c.expected) << c.how;
        EXPECT_TRUE(visible) << c.how;
        EXPECT_TRUE(focusOnEdit) << c.how;
        EXPECT_FALSE(IsWindowVisible(dlg.Handle)) << c.how;
    }
}
