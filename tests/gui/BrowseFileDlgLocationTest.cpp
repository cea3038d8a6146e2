// The location box of the real dialog: its items for the current folder,
// its drawing read back by pixels from the real combo box and its dropped
// list, and choosing an entry (the computer, a parent, a missing folder).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "gui/Application.h"
#include "gui/ImageList.h"
#include "text/Ansi.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/ModalAnswerer.h"

namespace {

using Strings = std::vector<std::string>;

const DWORD kC = 1u << 2, kZ = 1u << 25;

// The item texts of a folder's levels below its drive root, from level 2
// down to the folder itself, the last one marked. The folder is split at
// its separators, never at a second byte.
Strings LevelItems(const std::string& folder)
{
    Strings items;
    std::string upTo;
    int level = 0;
    for (size_t i = 0; i < folder.size(); ++i) {
        upTo += folder[i];
        if (IsLeadByte((unsigned char)folder[i]) && i + 1 < folder.size()) {
            upTo += folder[++i];
            continue;
        }
        if (folder[i] == '\\' && ++level >= 2) items.push_back(std::to_string(level) + ":" + upTo);
    }
    if (!items.empty()) items.back() = "T" + items.back();
    return items;
}

Strings Concat(std::initializer_list<Strings> parts)
{
    Strings all;
    for (const Strings& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

struct Built {
    Strings items;
    int selected;
};

Built BuildFor(const std::string& folder, DWORD mask)
{
    sel_folder_dlg.folder = "C:\\";
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    p.SetDriveMask(mask);
    sel_folder_dlg.folder = folder;
    p.BuildLocationBox();
    return {p.LocationItems(), p.LocationBox()->ItemIndex()};
}

}  // namespace

TEST(BrowseFileDlgLocation, ItemsOfTheComputerTheDrivesAndTheCurrentFoldersLevels)
{
    TTempDir deep;
    const std::string system32 = IncludeTrailingBackslash(deep.Folder("Windows")) + "System32\\";
    ASSERT_TRUE(CreateDirectoryW(ToWide(system32).c_str(), nullptr));
    TTempDir hyo("表");                  // 0x95 0x5C: no separator inside
    const std::string hyoSub = IncludeTrailingBackslash(hyo.Folder("sub"));
    TTempDir ji("字");                   // 0x8E 0x9A: an ordinary last character
    const Strings levels = LevelItems(system32);
    ASSERT_GE(levels.size(), 3u);
    ASSERT_EQ(levels.back(), "T" + std::to_string(levels.size() + 1) + ":" + system32);

    struct Case {
        const char* what;
        std::string folder;
        DWORD mask;
        Strings items;
        int selected;
    } cases[] = {
        {"a drive root", "C:\\", kC | kZ, {"0:Drives", "T1:C:\\", "1:Z:\\"}, 1},
        {"levels between the drive and the next drive", system32, kC | kZ,
         Concat({{"0:Drives", "1:C:\\"}, levels, {"1:Z:\\"}}), (int)levels.size() + 1},
        {"a name ending in 0x5C is one level", hyo.Path(), kC | kZ,
         Concat({{"0:Drives", "1:C:\\"}, LevelItems(hyo.Path()), {"1:Z:\\"}}), (int)LevelItems(hyo.Path()).size() + 1},
        {"below a name ending in 0x5C", hyoSub, kC | kZ,
         Concat({{"0:Drives", "1:C:\\"}, LevelItems(hyoSub), {"1:Z:\\"}}), (int)LevelItems(hyoSub).size() + 1},
        {"a name ending in a lead-range byte", ji.Path(), kC | kZ,
         Concat({{"0:Drives", "1:C:\\"}, LevelItems(ji.Path()), {"1:Z:\\"}}), (int)LevelItems(ji.Path()).size() + 1},
        {"the drives view", "Drives", kC | kZ, {"T0:Drives", "1:C:\\", "1:Z:\\"}, 0},
        {"a folder on no logical drive", "C:\\", kZ, {"0:Drives", "1:Z:\\"}, -1},
        {"a network folder", "\\\\server\\share\\", kC | kZ, {"0:Drives", "1:C:\\", "1:Z:\\"}, -1},
        {"several drives", system32, 1u | kC | (1u << 3) | kZ,
         Concat({{"0:Drives", "1:A:\\", "1:C:\\"}, levels, {"1:D:\\", "1:Z:\\"}}), (int)levels.size() + 2},
    };
    // The table's own split of the 表 folder: the 0x5C byte of 表 makes no level.
    ASSERT_EQ(LevelItems(hyo.Path()).back().substr(0, 1), "T");
    ASSERT_EQ(LevelItems(hyoSub).size(), LevelItems(hyo.Path()).size() + 1);

    for (const Case& c : cases) {
        Built b = BuildFor(c.folder, c.mask);
        EXPECT_EQ(b.items, c.items) << c.what;
        EXPECT_EQ(b.selected, c.selected) << c.what;
    }
}

// Every listing and the drives view end with the box rebuilt.
TEST(BrowseFileDlgLocation, EveryListingRebuildsTheBox)
{
    TTempDir dir;
    const std::string sub = IncludeTrailingBackslash(dir.Folder("Sub"));
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    p.SetDriveMask(kC | kZ);
    p.ListFolder();
    ASSERT_EQ(p.LocationBox()->ItemIndex(), (int)LevelItems(dir.Path()).size() + 1);
    EXPECT_EQ(p.LocationItems()[p.LocationBox()->ItemIndex()], LevelItems(dir.Path()).back());

    p.DblClick(p.IndexOfName("Sub"));
    EXPECT_EQ(p.LocationItems()[p.LocationBox()->ItemIndex()], LevelItems(sub).back());
    sel_folder_dlg.folder = "Drives";
    p.ListFolder();
    EXPECT_EQ(p.LocationItems(), (Strings{"T0:Drives", "1:C:\\", "1:Z:\\"}));
    EXPECT_EQ(p.LocationBox()->ItemIndex(), 0);
}

// ------------------------------------------------------------------ drawing

namespace {

// The pixels of a window's client area, read from its own device context.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> at;
    COLORREF operator()(int x, int y) const { return at[(size_t)y * width + x]; }
};

Pixels ReadFromDC(HDC source, int width, int height)
{
    Pixels px;
    px.width = width;
    px.height = height;
    HDC mem = CreateCompatibleDC(source);
    HBITMAP bmp = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, width, height, source, 0, 0, SRCCOPY);
    px.at.resize((size_t)width * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) px.at[(size_t)y * width + x] = GetPixel(mem, x, y);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    return px;
}

Pixels ReadWindow(HWND h)
{
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rc;
    GetClientRect(h, &rc);
    HDC dc = GetDC(h);
    Pixels px = ReadFromDC(dc, rc.right, rc.bottom);
    ReleaseDC(h, dc);
    return px;
}

// What one entry must look like: the background, the icon of `images` at
// left + 2, the text at left + 22, top + 2, in the combo box's font.
struct Entry {
    HIMAGELIST images;
    int icon;
    std::string text;
    int indent;
    COLORREF background, foreground;
};

Pixels Expected(HWND box, const Entry& e, int width, int height)
{
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBmp = SelectObject(mem, bmp);
    RECT all{0, 0, width, height};
    SetBkColor(mem, e.background);
    ExtTextOutW(mem, 0, 0, ETO_OPAQUE, &all, L"", 0, nullptr);
    ImageList_Draw(e.images, e.icon, mem, e.indent + 2, 0, ILD_TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(mem, (HFONT)SendMessageW(box, WM_GETFONT, 0, 0));
    SetTextColor(mem, e.foreground);
    SetBkMode(mem, OPAQUE);
    std::wstring w = ToWide(e.text);
    ExtTextOutW(mem, e.indent + 22, 2, 0, nullptr, w.c_str(), (UINT)w.size(), nullptr);
    Pixels px = ReadFromDC(mem, width, height);
    SelectObject(mem, oldFont);
    SelectObject(mem, oldBmp);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return px;
}

// Pixels of the item rectangle r of `shown` that differ from the expected
// drawing (its text may run past the rectangle: only r is compared). The
// rectangle that the box reports for its field may lie a pixel off the one
// it draws into, so the fewest differences within two pixels count.
int Differences(const Pixels& shown, const RECT& r, const Pixels& expected)
{
    int fewest = -1;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            int n = 0;
            for (int y = 2; y < r.bottom - r.top - 2 && y < expected.height - 2; ++y)
                for (int x = 2; x < r.right - r.left - 2 && x < expected.width - 2; ++x) {
                    int sx = r.left + x + dx, sy = r.top + y + dy;
                    if (sx < 0 || sy < 0 || sx >= shown.width || sy >= shown.height ||
                        shown(sx, sy) != expected(x, y))
                        ++n;
                }
            if (fewest < 0 || n < fewest) fewest = n;
        }
    return fewest;
}

COMBOBOXINFO ComboInfo(TComboBox* box)
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(box->Handle, &info);
    return info;
}

// The dropped list, and the closed box's field (where the current entry is drawn).
HWND DroppedList(TComboBox* box) { return ComboInfo(box).hwndList; }
RECT FieldRect(TComboBox* box) { return ComboInfo(box).rcItem; }

RECT ListItemRect(HWND list, int index)
{
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, index, (LPARAM)&r);
    return r;
}

// The shell's answer for a location, as the box must draw it.
TShellFileInfo ShellSays(const std::string& location, bool open)
{
    TShellFileInfo info;
    GetShellFileInfo(location, info, open);
    return info;
}

struct Shown {
    TBrowseFileDlgForm dlg{nullptr};
    BrowseFileDlgProbe p{dlg};
    explicit Shown(DWORD mask = kC | kZ)
    {
        p.SetDriveMask(mask);
        dlg.Show();
        p.ListFolder();
        // Nothing focused in the box: its field is drawn unselected.
        p.List()->SetFocus();
    }
    ~Shown()
    {
        SendMessageW(p.LocationBox()->Handle, CB_SHOWDROPDOWN, FALSE, 0);
        dlg.Hide();
    }
    HIMAGELIST System() const { return p.SysImageList()->Handle(); }
};

}  // namespace

// Closed, the box shows the current entry flush left: its open-state icon at
// +2 and its shell name at +22, in the window's colours.
TEST(BrowseFileDlgLocation, ClosedBoxShowsTheCurrentFolderFlushLeft)
{
    TTempDir dir("Location");
    sel_folder_dlg.folder = dir.Path();
    Shown s;
    ASSERT_FALSE(s.p.LocationBox()->DroppedDown());
    TShellFileInfo info = ShellSays(dir.Path(), true);
    ASSERT_FALSE(info.DisplayName.empty());
    RECT field = FieldRect(s.p.LocationBox());
    Pixels shown = ReadWindow(s.p.LocationBox()->Handle);
    Entry e{s.System(), info.IconIndex, info.DisplayName, 0, GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
    EXPECT_EQ(Differences(shown, field, Expected(s.p.LocationBox()->Handle, e, field.right - field.left,
                                                 field.bottom - field.top)),
              0);
    // The same drawing 8 pixels to the right is not what is shown.
    e.indent = 8;
    EXPECT_GT(Differences(shown, field, Expected(s.p.LocationBox()->Handle, e, field.right - field.left,
                                                 field.bottom - field.top)),
              0);
}

// Dropped down, every entry is indented by 8 pixels per level, the computer
// with its own icon and "マイ コンピュータ", the selected (current) entry in
// white on the highlight.
TEST(BrowseFileDlgLocation, DroppedListIndentsEachEntryByItsLevel)
{
    TTempDir dir("Location");
    const std::string sub = IncludeTrailingBackslash(dir.Folder("Sub"));
    sel_folder_dlg.folder = sub;
    Shown s;
    TComboBox* box = s.p.LocationBox();
    SendMessageW(box->Handle, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(box->DroppedDown());
    HWND list = DroppedList(box);
    ASSERT_TRUE(list);
    Pixels shown = ReadWindow(list);
    ASSERT_NE(s.p.ComputerImages(), nullptr);
    EXPECT_EQ(s.p.ComputerImages()->Count(), 1);

    const Strings items = s.p.LocationItems();
    const int current = box->ItemIndex();
    ASSERT_GE(current, 3);
    for (int i = 0; i < (int)items.size(); ++i) {
        std::string text = items[i];
        bool marked = text[0] == 'T';
        if (marked) text.erase(0, 1);
        int level = text[0] - '0';
        std::string location = text.substr(text.find(':') + 1);
        Entry e{};
        e.indent = 8 * level;
        e.background = GetSysColor(i == current ? COLOR_HIGHLIGHT : COLOR_WINDOW);
        e.foreground = i == current ? RGB(255, 255, 255) : GetSysColor(COLOR_WINDOWTEXT);
        if (location == "Drives") {
            e.images = s.p.ComputerImages()->Handle();
            e.icon = 0;
            e.text = "マイ コンピュータ";
        } else {
            TShellFileInfo info = ShellSays(location, marked);
            e.images = s.System();
            e.icon = info.IconIndex;
            e.text = info.DisplayName;
        }
        RECT r = ListItemRect(list, i);
        EXPECT_EQ(Differences(shown, r, Expected(box->Handle, e, r.right - r.left, r.bottom - r.top)), 0)
            << items[i];
    }
    // The computer's icon is a real picture, not an empty square.
    RECT computer = ListItemRect(list, 0);
    int iconPixels = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 2; x < 18; ++x)
            if (shown(computer.left + x, computer.top + y) != GetSysColor(COLOR_WINDOW)) ++iconPixels;
    EXPECT_GT(iconPixels, 20);
}

// In the drives view the closed box shows the computer, and the list view
// stops sorting; an entry of a folder makes it sort by data again, so the
// sort type follows the entry drawn last. A folder named Drives is a folder.
TEST(BrowseFileDlgLocation, TheEntryDrawnLastSetsTheListsSortType)
{
    sel_folder_dlg.folder = "Drives";
    Shown s;
    TComboBox* box = s.p.LocationBox();
    RECT field = FieldRect(box);
    Pixels shown = ReadWindow(box->Handle);
    EXPECT_EQ(s.p.List()->SortType(), stNone);
    Entry computer{s.p.ComputerImages()->Handle(), 0, "マイ コンピュータ", 0, GetSysColor(COLOR_WINDOW),
                   GetSysColor(COLOR_WINDOWTEXT)};
    EXPECT_EQ(Differences(shown, field, Expected(box->Handle, computer, field.right - field.left,
                                                 field.bottom - field.top)),
              0);

    TTempDir drives("Drives");
    sel_folder_dlg.folder = drives.Path();
    s.p.ListFolder();
    shown = ReadWindow(box->Handle);
    EXPECT_EQ(s.p.List()->SortType(), stData);
    TShellFileInfo info = ShellSays(drives.Path(), true);
    EXPECT_EQ(info.DisplayName, "Drives");
    Entry folder{s.System(), info.IconIndex, info.DisplayName, 0, GetSysColor(COLOR_WINDOW),
                 GetSysColor(COLOR_WINDOWTEXT)};
    EXPECT_EQ(Differences(shown, field, Expected(box->Handle, folder, field.right - field.left,
                                                 field.bottom - field.top)),
              0);
    EXPECT_GT(Differences(shown, field, Expected(box->Handle, computer, field.right - field.left,
                                                 field.bottom - field.top)),
              0);
}

// With the focus in the closed box its field is selected: white text on the
// highlight, white even where the system's highlight text is another colour.
TEST(BrowseFileDlgLocation, FocusedFieldIsWhiteOnTheHighlight)
{
    struct HighlightTextColour {
        COLORREF old = GetSysColor(COLOR_HIGHLIGHTTEXT);
        HighlightTextColour()
        {
            INT e = COLOR_HIGHLIGHTTEXT;
            COLORREF yellow = RGB(255, 255, 0);
            SetSysColors(1, &e, &yellow);
        }
        ~HighlightTextColour()
        {
            INT e = COLOR_HIGHLIGHTTEXT;
            SetSysColors(1, &e, &old);
        }
    } yellowHighlightText;
    ASSERT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), RGB(255, 255, 0));
    TTempDir dir("Location");
    sel_folder_dlg.folder = dir.Path();
    Shown s;
    TComboBox* box = s.p.LocationBox();
    box->SetFocus();
    RECT field = FieldRect(box);
    Pixels shown = ReadWindow(box->Handle);
    TShellFileInfo info = ShellSays(dir.Path(), true);
    Entry e{s.System(), info.IconIndex, info.DisplayName, 0, GetSysColor(COLOR_HIGHLIGHT), RGB(255, 255, 255)};
    EXPECT_EQ(Differences(shown, field, Expected(box->Handle, e, field.right - field.left, field.bottom - field.top)),
              0);
}

// ----------------------------------------------------------------- choosing

TEST(BrowseFileDlgLocation, ChoosingTheComputerShowsTheDrivesView)
{
    TTempDir dir;
    sel_folder_dlg.folder = dir.Path();
    Shown s;
    TModalAnswerer answers;  // nothing may be asked
    s.p.ChooseLocation(0);
    EXPECT_EQ(sel_folder_dlg.folder, "Drives");
    EXPECT_EQ(s.p.LocationItems()[0], "T0:Drives");
    ASSERT_GT(s.p.List()->Count(), 0);
    EXPECT_EQ(s.p.List()->Item(0)->SubItems[3], "drive");
    EXPECT_EQ(s.p.ColumnCaption(1), "種類");
    EXPECT_TRUE(s.p.FilenameEdit()->Focused());
    EXPECT_TRUE(answers.Seen.empty());
}

TEST(BrowseFileDlgLocation, ChoosingAParentListsIt)
{
    TTempDir dir;
    const std::string sub = IncludeTrailingBackslash(dir.Folder("Sub"));
    dir.File("Sub\\inner.txt", "x");
    dir.File("outer.txt", "y");
    sel_folder_dlg.folder = sub;
    Shown s;
    ASSERT_GE(s.p.IndexOfName("inner.txt"), 0);
    const Strings items = s.p.LocationItems();
    int parent = -1;
    for (int i = 0; i < (int)items.size(); ++i)
        if (items[i].substr(items[i].find(':') + 1) == dir.Path()) parent = i;
    ASSERT_GE(parent, 0);
    s.p.ChooseLocation(parent);
    EXPECT_EQ(sel_folder_dlg.folder, dir.Path());
    EXPECT_GE(s.p.IndexOfName("outer.txt"), 0);
    EXPECT_LT(s.p.IndexOfName("inner.txt"), 0);
    EXPECT_EQ(s.p.LocationItems()[s.p.LocationBox()->ItemIndex()], LevelItems(dir.Path()).back());
    EXPECT_TRUE(s.p.FilenameEdit()->Focused());
}

// The marked entry lists the current folder again: a file made meanwhile
// appears. Leaving the drives view for a folder brings the folder columns.
TEST(BrowseFileDlgLocation, ChoosingTheMarkedEntryListsTheFolderAgain)
{
    TTempDir dir;
    sel_folder_dlg.folder = dir.Path();
    Shown s;
    ASSERT_LT(s.p.IndexOfName("late.txt"), 0);
    dir.File("late.txt", "x");
    s.p.ChooseLocation(s.p.LocationBox()->ItemIndex());
    EXPECT_EQ(sel_folder_dlg.folder, dir.Path());
    EXPECT_GE(s.p.IndexOfName("late.txt"), 0);

    s.p.ChooseLocation(0);
    ASSERT_EQ(sel_folder_dlg.folder, "Drives");
    int c = -1;
    const Strings items = s.p.LocationItems();
    for (int i = 0; i < (int)items.size(); ++i)
        if (items[i] == "1:C:\\") c = i;
    ASSERT_GE(c, 0);
    s.p.ChooseLocation(c);
    EXPECT_EQ(sel_folder_dlg.folder, "C:\\");
    EXPECT_EQ(s.p.ColumnCaption(1), "サイズ");
    EXPECT_EQ(s.p.ColumnCaption(3), "更新日時");
}

// A folder that has gone: the device message, as often as Retry is chosen;
// Retry after the folder is back opens it; Cancel keeps the current folder
// and puts the box back on it.
TEST(BrowseFileDlgLocation, MissingFolderAsksRetryOrCancel)
{
    TTempDir dir;
    const std::string gone = IncludeTrailingBackslash(dir.Folder("Gone"));
    const std::string here = IncludeTrailingBackslash(dir.Folder("Here"));
    sel_folder_dlg.folder = gone;
    Shown s;
    sel_folder_dlg.folder = here;
    s.p.ListFolder();
    // The box still offers Gone as an item of an injected list.
    TStringList items;
    items.Add("0:Drives");
    items.Add("2:" + gone);
    items.Add("T2:" + here);
    s.p.LocationBox()->SetItems(items);
    ASSERT_TRUE(RemoveDirectoryW(ToWide(gone).c_str()));

    const std::string message = gone + " にアクセスできません。\n\nデバイスの準備ができていません。";
    {
        TModalAnswerer answers;
        answers.PressButton(IDRETRY).PressButton(IDCANCEL);
        s.p.ChooseLocation(1);
        EXPECT_TRUE(answers.AllUsed());
        ASSERT_EQ(answers.Seen.size(), 2u);
        for (const TSeenWindow& w : answers.Seen) {
            EXPECT_EQ(w.caption, "デバイスエラー");
            EXPECT_EQ(w.text, message);
            EXPECT_EQ(w.icon, "error");
            EXPECT_EQ(w.buttons, (std::vector<int>{IDCANCEL, IDRETRY}));
        }
        EXPECT_EQ(sel_folder_dlg.folder, here);
        EXPECT_EQ(s.p.LocationItems()[s.p.LocationBox()->ItemIndex()], LevelItems(here).back());
        EXPECT_TRUE(s.p.List()->Focused());
    }
    {
        TModalAnswerer answers;
        answers.PressButton(IDRETRY, [&] { CreateDirectoryW(ToWide(gone).c_str(), nullptr); });
        s.p.LocationBox()->SetItems(items);
        s.p.ChooseLocation(1);
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Seen.size(), 1u);
        EXPECT_EQ(sel_folder_dlg.folder, gone);
        EXPECT_EQ(s.p.LocationItems()[s.p.LocationBox()->ItemIndex()], LevelItems(gone).back());
    }
}

// Arrow keys in the dropped list only move the selection; on the closed,
// focused box each arrow key that changes the selection navigates at once.
TEST(BrowseFileDlgLocation, ArrowKeysNavigateOnlyWhenTheBoxIsClosed)
{
    TTempDir dir;
    const std::string sub = IncludeTrailingBackslash(dir.Folder("Sub"));
    sel_folder_dlg.folder = sub;
    Shown s;
    TComboBox* box = s.p.LocationBox();
    box->SetFocus();
    const int current = box->ItemIndex();

    SendMessageW(box->Handle, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(box->DroppedDown());
    SendMessageW(box->Handle, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(box->ItemIndex(), current - 1);
    EXPECT_EQ(sel_folder_dlg.folder, sub);
    SendMessageW(box->Handle, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(sel_folder_dlg.folder, sub);
    SendMessageW(box->Handle, CB_SHOWDROPDOWN, FALSE, 0);
    ASSERT_FALSE(box->DroppedDown());

    box->SetFocus();
    SendMessageW(box->Handle, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(sel_folder_dlg.folder, dir.Path());
    EXPECT_EQ(s.p.LocationItems()[box->ItemIndex()], LevelItems(dir.Path()).back());
    // Below the parent's entry now comes the next drive.
    box->SetFocus();
    SendMessageW(box->Handle, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(sel_folder_dlg.folder, "Z:\\");
}
