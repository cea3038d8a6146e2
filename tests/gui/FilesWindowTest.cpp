// The comparison window itself: its state at start-up, its layout and the
// resize rule, the help messages, Exit and the standard exception message.
#include <gtest/gtest.h>

#include "forms/FilesLayout.h"
#include "src/BrowseFileDlg.h"
#include "tests/support/FilesFormFixture.h"
#include "text/Ansi.h"
#include "text/ShortPath.h"

namespace {

std::string MenuText(HMENU menu, int pos)
{
    wchar_t buf[256] = {};
    GetMenuStringW(menu, pos, buf, 256, MF_BYPOSITION);
    return ToAnsi(buf);
}

LOGFONTW FontOf(HWND h)
{
    LOGFONTW lf{};
    GetObjectW((HFONT)SendMessageW(h, WM_GETFONT, 0, 0), sizeof lf, &lf);
    return lf;
}

RECT RectIn(HWND child, HWND parent)
{
    RECT rc;
    GetWindowRect(child, &rc);
    MapWindowPoints(nullptr, parent, (POINT*)&rc, 2);
    return rc;
}

}  // namespace

using FilesWindow = FilesFormTest;

TEST_F(FilesWindow, StartsWithItsCaptionMenusAndEmptyPanesAndPanels)
{
    wchar_t caption[64] = {};
    GetWindowTextW(form->Handle, caption, 64);
    EXPECT_EQ(ToAnsi(caption), "Tavlen Ver.0.0.2");

    // The menu bar as the window shows it.
    HMENU bar = GetMenu(form->Handle);
    ASSERT_NE(bar, nullptr);
    struct Expected {
        const char* top;
        std::vector<const char*> items;
    } menus[] = {
        {"ファイル（&F）", {"開く(&O)\tCtrl+O", "終了(&X)"}},
        // A separator reads back as an empty text.
        {"比較(&M)", {"すべての文字列(&A)", "結果をクリア(&C)", "", "次の相違(&N)\tAlt+Down", "前の相違(&P)\tAlt+Up"}},
        {"オプション(&O)", {"連動する(&E)"}},
        {"ヘルプ(&H)", {"ソフトについて（&S）...", "バージョン情報(&A)..."}},
    };
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(MenuText(bar, i), menus[i].top);
        HMENU sub = GetSubMenu(bar, i);
        ASSERT_EQ(GetMenuItemCount(sub), (int)menus[i].items.size()) << menus[i].top;
        for (int j = 0; j < GetMenuItemCount(sub); ++j) EXPECT_EQ(MenuText(sub, j), menus[i].items[j]);
    }
    EXPECT_TRUE(GetMenuState(GetSubMenu(bar, 2), 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(GetSubMenu(bar, 1), 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(form->SameMenu->Checked());
    EXPECT_EQ(form->OpenMenu->ShortCutKey, 'O');
    EXPECT_EQ(form->OpenMenu->ShortCutShift, (TShiftState)ssCtrl);
    // The pop-up menu of the panes.
    ASSERT_EQ(form->PopupMenu1->Items().size(), 3u);
    EXPECT_EQ(form->OpenItem->Caption(), "開く(&O)");
    EXPECT_EQ(form->EditItem->Caption(), "編集(&E)");
    EXPECT_EQ(form->UpdateItem->Caption(), "最新のデータに更新(&R)");
    EXPECT_EQ(form->SrcListBox->PopupMenu, form->PopupMenu1);
    EXPECT_EQ(form->DestListBox->PopupMenu, form->PopupMenu1);

    // Seven empty panels, empty panes and lists.
    EXPECT_EQ(StatusPartWidths(form->StatusBar1).size(), 7u);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(StatusText(form->StatusBar1, i), "") << i;
    for (TListBox* l : {form->SrcListBox, form->DestListBox, form->Ret1ListBox, form->Ret2ListBox})
        EXPECT_EQ(WindowItemCount(l), 0) << l->Name;

    EXPECT_FALSE(FilesFormProbe{*form}.SrcIsCurrent());
    EXPECT_EQ(FilesFormProbe{*form}.SrcFileName(), "");
    EXPECT_EQ(FilesFormProbe{*form}.DestFileName(), "");
    EXPECT_TRUE(FilesFormProbe{*form}.SrcDiffLines().empty());
    EXPECT_TRUE(FilesFormProbe{*form}.DestDiffLines().empty());

    // The dialogs start in the program's own folder.
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::string folder = ToAnsi(exe);
    folder.erase(folder.rfind('\\') + 1);
    EXPECT_EQ(sel_folder_dlg.folder, folder);
    EXPECT_TRUE(HasTrailingBackslash(sel_folder_dlg.folder));
}

TEST_F(FilesWindow, ControlsSitWhereTheLayoutPutsThem)
{
    RECT client;
    GetClientRect(form->Handle, &client);
    EXPECT_EQ(client.right, 642);
    EXPECT_EQ(client.bottom, 396);
    RECT outer;
    GetWindowRect(form->Handle, &outer);
    EXPECT_EQ(outer.left, 201);
    EXPECT_EQ(outer.top, 121);
    EXPECT_EQ(outer.right - outer.left, 650);

    wchar_t cls[64] = {};
    GetClassNameW(form->StatusBar1->Handle, cls, 64);
    EXPECT_STREQ(cls, STATUSCLASSNAMEW);
    RECT bar = RectIn(form->StatusBar1->Handle, form->Handle);
    EXPECT_EQ(bar.bottom - bar.top, 19);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.right - bar.left, 642);

    RECT left = RectIn(form->LeftPanel->Handle, form->Handle);
    EXPECT_EQ(left.left, 0);
    EXPECT_EQ(left.right, 114);
    EXPECT_EQ(left.bottom, bar.top);
    RECT r1 = RectIn(form->Ret1ListBox->Handle, form->LeftPanel->Handle);
    RECT r2 = RectIn(form->Ret2ListBox->Handle, form->LeftPanel->Handle);
    EXPECT_EQ(r1.left, 0);
    EXPECT_EQ(r1.right, 57);
    EXPECT_EQ(r2.left, 57);
    EXPECT_EQ(r2.right, 114);
    RECT src = RectIn(form->SrcListBox->Handle, form->Handle);
    RECT dest = RectIn(form->DestListBox->Handle, form->Handle);
    EXPECT_EQ(src.left, 114);
    EXPECT_EQ(src.right, dest.left);
    EXPECT_EQ(dest.right, 642);
    EXPECT_EQ(src.bottom - src.top, 377);

    // Fonts: the window's proportional face, the lists' fixed one, both
    // 12 pixels high in the Shift-JIS character set; rows 12 pixels high.
    EXPECT_EQ(form->Font->Name, "ＭＳ Ｐゴシック");
    for (TListBox* l : {form->SrcListBox, form->DestListBox, form->Ret1ListBox, form->Ret2ListBox}) {
        LOGFONTW lf = FontOf(l->Handle);
        EXPECT_EQ(lf.lfHeight, -12) << l->Name;
        EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET) << l->Name;
        EXPECT_EQ(ToAnsi(lf.lfFaceName), FontFaceFor("ＭＳ ゴシック")) << l->Name;
        EXPECT_EQ(SendMessageW(l->Handle, LB_GETITEMHEIGHT, 0, 0), 12) << l->Name;
        EXPECT_EQ(l->Font->Name, "ＭＳ ゴシック");
    }
    // Extended multiple selection in the panes, single in the lists.
    for (TListBox* l : {form->SrcListBox, form->DestListBox})
        EXPECT_TRUE(GetWindowLongW(l->Handle, GWL_STYLE) & LBS_EXTENDEDSEL) << l->Name;
    for (TListBox* l : {form->Ret1ListBox, form->Ret2ListBox})
        EXPECT_FALSE(GetWindowLongW(l->Handle, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) << l->Name;
    EXPECT_EQ(form->SrcListBox->Style, lbOwnerDrawFixed);
    EXPECT_EQ(form->DestListBox->Style, lbOwnerDrawFixed);
}

TEST_F(FilesWindow, TabGoesThroughTheListsThenThePanes)
{
    form->Ret1ListBox->SetFocus();
    std::vector<TListBox*> expected = {form->Ret2ListBox, form->SrcListBox, form->DestListBox, form->Ret1ListBox};
    for (TListBox* next : expected) {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        Pump();
        EXPECT_EQ(GetFocus(), next->Handle) << next->Name;
    }
}

TEST_F(FilesWindow, StatusPanelsHaveTheirWidthsAlignmentAndBevels)
{
    std::vector<int> widths = StatusPartWidths(form->StatusBar1);
    ASSERT_EQ(widths.size(), 7u);
    std::vector<int> fixed = {55, 4, 53, 4, 260, 4};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(widths[i], fixed[i]) << "panel " << i;
    EXPECT_EQ(widths[6], 642 - (55 + 4 + 53 + 4 + 260 + 4));
    // Bevels: the separators are lowered, the others drawn without borders.
    for (int i = 0; i < 7; ++i) {
        LRESULT r = SendMessageW(form->StatusBar1->Handle, SB_GETTEXTLENGTHW, i, 0);
        bool noBorders = HIWORD(r) & SBT_NOBORDERS;
        EXPECT_EQ(noBorders, i % 2 == 0) << "panel " << i;
    }
    // The counters are right-aligned, the paths left-aligned.
    form->StatusBar1->SetPanelText(0, "12");
    form->StatusBar1->SetPanelText(4, "C:\\x");
    EXPECT_EQ(StatusText(form->StatusBar1, 0), "\t\t12");
    EXPECT_EQ(StatusText(form->StatusBar1, 4), "C:\\x");
    EXPECT_EQ(form->StatusBar1->PanelText(0), "12");
    Pump();
    // Right alignment shows in the pixels: the digits sit at the right end
    // of panel 0, nothing at its left end.
    TCapture shot(form->StatusBar1->Handle);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_GT(shot.CountOther(30, 3, 55, 16, face), 0);
    EXPECT_EQ(shot.CountOther(0, 3, 25, 16, face), 0);
}

TEST_F(FilesWindow, ResizeGivesTheRightPaneHalfAndThePathPanelHalfLessFour)
{
    struct Case {
        int client, dest, src, panel4;
    } cases[] = {
        {642, 264, 264, 260},  // the design size
        {643, 264, 265, 260},  // an odd remainder: the left pane is wider
        {700, 293, 293, 289},
        {501, 193, 194, 189},
        {120, 3, 3, 0},
    };
    for (const auto& c : cases) {
        form->SetClientSize(c.client, 396);
        Pump();
        ASSERT_EQ(form->ClientWidth(), c.client);
        EXPECT_EQ(form->DestListBox->Width(), c.dest) << c.client;
        RECT dest = RectIn(form->DestListBox->Handle, form->Handle);
        EXPECT_EQ(dest.right - dest.left, c.dest) << c.client;
        if (c.client >= 114) {
            RECT src = RectIn(form->SrcListBox->Handle, form->Handle);
            EXPECT_EQ(src.right - src.left, c.src) << c.client;
        }
        EXPECT_EQ(StatusPartWidths(form->StatusBar1)[4], c.panel4) << c.client;
        for (int i = 0; i < 7; ++i) EXPECT_EQ(StatusText(form->StatusBar1, i), "") << c.client << " panel " << i;
    }
}

TEST_F(FilesWindow, ResizeReshortensBothPathsOnlyWhileTheLeftPaneHasAFile)
{
    std::string deep = dir.Folder("a rather long folder name");
    deep = dir.Folder("a rather long folder name\\another long folder name");
    std::string right = Load(form->DestListBox, "a rather long folder name\\another long folder name\\right.txt", "r");
    auto width = [&](const std::string& s) { return form->StatusBar1->TextWidth(s); };
    std::string shownRight = ShortenPath(right, 264, width);
    ASSERT_EQ(StatusText(form->StatusBar1, 6), shownRight);

    // Only the right pane has a file: the resize rule leaves panel 6 alone.
    form->SetClientSize(400, 396);
    Pump();
    EXPECT_EQ(StatusText(form->StatusBar1, 6), shownRight);
    EXPECT_EQ(StatusText(form->StatusBar1, 4), "");

    std::string left = Load(form->SrcListBox, "a rather long folder name\\another long folder name\\left.txt", "l");
    EXPECT_EQ(StatusText(form->StatusBar1, 4), ShortenPath(left, 143, width));
    std::vector<std::string> shown;
    for (int client : {360, 642, 1200}) {
        form->SetClientSize(client, 396);
        Pump();
        int half = (client - 114) / 2;
        EXPECT_EQ(StatusText(form->StatusBar1, 4), ShortenPath(left, half, width)) << client;
        EXPECT_EQ(StatusText(form->StatusBar1, 6), ShortenPath(right, half, width)) << client;
        EXPECT_LE(width(StatusText(form->StatusBar1, 4)), half) << client;
        shown.push_back(StatusText(form->StatusBar1, 4));
    }
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_NE(shown[1], shown[2]);
}

TEST_F(FilesWindow, HelpMessagesArePlainDialogsWithTheTitle)
{
    struct Case {
        TMenuItem* item;
        std::string text;
    } cases[] = {
        {form->SoftMenu,
         "Tavlen はテキストファイルの文字列を比較するツールです。\r\n全文字列に対して比較ができます。"},
        {form->AboutMenu, "　Tavlen Ver.0.0.2　\r\n　Copyright (C) 2026 Brisvane　"},
    };
    for (const auto& c : cases) {
        TModalAnswerer answers;
        answers.PressButton(IDOK);
        c.item->Click();
        ASSERT_TRUE(answers.AllUsed()) << c.item->Name;
        ASSERT_EQ(answers.Seen.size(), 1u);
        const TSeenWindow& box = answers.Seen[0];
        EXPECT_TRUE(box.messageBox);
        EXPECT_EQ(box.caption, "Tavlen");
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.icon, "") << c.item->Name;
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK}) << c.item->Name;
        // Centred on the screen.
        RECT wa;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
        EXPECT_NEAR((box.rect.left + box.rect.right) / 2, (wa.left + wa.right) / 2, 1) << c.item->Name;
        EXPECT_NEAR((box.rect.top + box.rect.bottom) / 2, (wa.top + wa.bottom) / 2, 1) << c.item->Name;
    }
}

TEST_F(FilesWindow, VersionLinesAreFramedByIdeographicSpaces)
{
    TModalAnswerer answers;
    answers.PressButton(IDOK);
    form->AboutMenu->Click();
    ASSERT_EQ(answers.Seen.size(), 1u);
    std::string text = answers.Seen[0].text;
    size_t br = text.find("\r\n");
    ASSERT_NE(br, std::string::npos);
    const std::string ideographic = "\x81\x40";  // U+3000 in code page 932
    for (std::string line : {text.substr(0, br), text.substr(br + 2)}) {
        ASSERT_GT(line.size(), 4u);
        EXPECT_EQ(line.substr(0, 2), ideographic) << line;
        EXPECT_EQ(line.substr(line.size() - 2), ideographic) << line;
    }
    EXPECT_EQ(text.substr(0, br), "　Tavlen Ver.0.0.2　");
}

TEST_F(FilesWindow, ExitClosesWithoutAQuestionWhateverIsLoaded)
{
    Load(form->SrcListBox, "a.txt", "x\r\ny\r\n");
    Load(form->DestListBox, "b.txt", "x\r\nz\r\n");
    form->AllCompareMenu->Click();
    TModalAnswerer answers;
    form->ExitMenu->Click();
    Pump();
    EXPECT_TRUE(answers.Seen.empty());
    EXPECT_FALSE(IsWindowVisible(form->Handle));
    EXPECT_TRUE(Application.Terminated);
    // Put the application back for the tests that follow.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    Application.Terminated = false;
}

TEST(StandardExceptionMessage, AppendsAFullStopAfterCharactersThatSortAfterIt)
{
    struct Case {
        std::string message, shown;
    } cases[] = {
        {"abc", "abc."},
        {"abc.", "abc."},
        {"", ""},
        {"ends!", "ends!"},   // '!' sorts before '.'
        {"ends-", "ends-"},
        {"ends/", "ends/."},  // '/' sorts after '.'
        {"ﾌｧｲﾙ x は開けません", "ﾌｧｲﾙ x は開けません."},
        {"表", "表."},        // a double-byte character whose second byte is a backslash
    };
    for (const auto& c : cases) EXPECT_EQ(ExceptionText(c.message), c.shown) << c.message;
}
