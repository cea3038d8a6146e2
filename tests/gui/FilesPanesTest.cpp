// Loading files into the text panes: the entries and their labels, the
// horizontal extent, the paths in the status bar, reloading, the file-open
// errors, and the Open and pop-up commands with the file selection dialog.
#include <gtest/gtest.h>

#include "src/BrowseFileDlg.h"
#include "tests/support/FilesFormFixture.h"
#include "text/ShortPath.h"

using FilesPanes = FilesFormTest;

namespace {

std::string Numbered(int count)
{
    std::string s;
    for (int i = 1; i <= count; ++i) s += "line " + std::to_string(i) + "\r\n";
    return s;
}

// The widest entry as the pane's own font measures every entry.
int MeasuredWidest(TListBox* pane)
{
    int widest = 0;
    for (int i = 0; i < pane->Count(); ++i) widest = std::max(widest, FontTextWidth(pane->Handle, pane->ItemText(i)));
    return widest;
}

std::string OpenError(const std::string& path) { return "ﾌｧｲﾙ " + path + " は開けません."; }

}  // namespace

TEST_F(FilesPanes, LabelsAreWidenedToTheDigitsOfTheLineCountPlusTwo)
{
    struct Case {
        int lines;
        std::vector<std::pair<int, std::string>> entries;  // index, entry
    } cases[] = {
        {9, {{0, "  1| line 1"}, {8, "  9| line 9"}}},
        {10, {{0, "   1| line 1"}, {9, "  10| line 10"}}},
        {123, {{0, "    1| line 1"}, {99, "  100| line 100"}, {122, "  123| line 123"}}},
    };
    for (const auto& c : cases) {
        Load(form->SrcListBox, "n.txt", Numbered(c.lines));
        ASSERT_EQ(WindowItemCount(form->SrcListBox), c.lines);
        for (const auto& e : c.entries) EXPECT_EQ(form->SrcListBox->ItemText(e.first), e.second) << c.lines;
    }
}

TEST_F(FilesPanes, LinesEndAtCrLfLoneCrAndLoneLf)
{
    struct Case {
        std::string bytes;
        std::vector<std::string> entries;
    } cases[] = {
        {"a\r\n\r\nb", {"  1| a", "  2| ", "  3| b"}},
        {"a\r\nb\r\n", {"  1| a", "  2| b"}},
        {"a\rb\nc", {"  1| a", "  2| b", "  3| c"}},
        {"a\n\rb\r\r", {"  1| a", "  2| ", "  3| b", "  4| "}},
        {"\t x \t", {"  1| \t x \t"}},
        {"\x95\x5C\x8E\xA6\r\n\x83\x5C", {"  1| \x95\x5C\x8E\xA6", "  2| \x83\x5C"}},
        // A NUL byte does not end the text: every byte stays.
        {std::string("a\0b\r\nafter\0", 11), {std::string("  1| a\0b", 8), std::string("  2| after\0", 11)}},
        {"", {}},
    };
    for (const auto& c : cases) {
        Load(form->DestListBox, "breaks.txt", c.bytes);
        EXPECT_EQ(Entries(form->DestListBox), c.entries) << testing::PrintToString(c.bytes);
        EXPECT_EQ(WindowItemCount(form->DestListBox), (int)c.entries.size());
    }
}

TEST_F(FilesPanes, ANulIsDrawnAsAVisibleMarkAndTheTextAfterItToo)
{
    Load(form->SrcListBox, "with a zero byte.txt", std::string("ab\0cd\r\nab\r\n", 11));
    Pump();
    TCapture shot(form->SrcListBox->Handle);
    COLORREF window = GetSysColor(COLOR_WINDOW);
    const int border = 2, left = border + 2;
    int before = FontTextWidth(form->SrcListBox->Handle, "  1| ab");
    int mark = FontTextWidth(form->SrcListBox->Handle, std::string(1, '\0'));
    int after = FontTextWidth(form->SrcListBox->Handle, "cd");
    ASSERT_GT(mark, 0);
    // Row 0: the mark and "cd" are painted; row 1 ("ab" only) is empty there.
    int top0 = border, top1 = border + 12;
    EXPECT_GT(shot.CountOther(left + before, top0, left + before + mark, top0 + 12, window), 0);
    EXPECT_GT(shot.CountOther(left + before + mark, top0, left + before + mark + after, top0 + 12, window), 0);
    EXPECT_EQ(shot.CountOther(left + before, top1, left + before + mark + after, top1 + 12, window), 0);

    // The mark is the placeholder character, drawn with the pane's font.
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, mark, 12);
    ReleaseDC(nullptr, screen);
    SelectObject(mem, bmp);
    SelectObject(mem, form->SrcListBox->Font->Handle());
    RECT all{0, 0, mark, 12};
    SetBkColor(mem, window);
    SetTextColor(mem, GetSysColor(COLOR_WINDOWTEXT));
    ExtTextOutW(mem, 0, 0, ETO_OPAQUE, &all, &kNulPlaceholder, 1, nullptr);
    int differing = 0, ink = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < mark; ++x) {
            bool expected = GetPixel(mem, x, y) != window;
            bool shown = shot.Pixel(left + before + x, top0 + y) != window;
            ink += expected;
            differing += expected != shown;
        }
    DeleteDC(mem);
    DeleteObject(bmp);
    EXPECT_GT(ink, 0);
    EXPECT_EQ(differing, 0);
}

TEST_F(FilesPanes, ExtentIsTheWidestEntryAsTheFontMeasuresIt)
{
    std::string text;
    for (int i = 0; i < 300; ++i) {
        text += std::string((size_t)(i * 7 % 61), 'x') + "\x93\xFA\x96\x7B\x8C\xEA" + std::string((size_t)(i % 5), 'W');
        text += (i % 3 == 0) ? "\r\n" : (i % 3 == 1) ? "\n" : "\r";
    }
    text += std::string("wide \0 with a NUL and ", 22) + std::string(70, 'M') + "\x82\xA0\r\n";
    Load(form->SrcListBox, "wide.txt", text);
    int widest = MeasuredWidest(form->SrcListBox);
    EXPECT_GT(widest, 0);
    EXPECT_EQ(form->SrcListBox->HorizontalExtent(), widest);
    // No margin is added, and a shorter file lowers the extent again.
    Load(form->SrcListBox, "short.txt", "ab\r\nabc\r\n");
    EXPECT_EQ(form->SrcListBox->HorizontalExtent(), FontTextWidth(form->SrcListBox->Handle, "  2| abc"));
}

TEST_F(FilesPanes, AnEmptyFileGivesNoEntriesNoExtentAndStillShowsItsPath)
{
    Load(form->SrcListBox, "full.txt", "some\r\ntext\r\n");
    ASSERT_GT(form->SrcListBox->HorizontalExtent(), 0);
    std::string path = Load(form->SrcListBox, "empty.txt", "");
    EXPECT_EQ(WindowItemCount(form->SrcListBox), 0);
    EXPECT_EQ(form->SrcListBox->HorizontalExtent(), 0);
    EXPECT_EQ(FilesFormProbe{*form}.SrcFileName(), path);
    auto width = [&](const std::string& s) { return form->StatusBar1->TextWidth(s); };
    EXPECT_EQ(StatusText(form->StatusBar1, 4), ShortenPath(path, 264, width));
    EXPECT_NE(StatusText(form->StatusBar1, 4), "");
}

TEST_F(FilesPanes, PathsAreStoredAndShownShortenedToHalfTheWidth)
{
    std::string folder = "a folder with a long name";
    dir.Folder(folder);
    dir.Folder(folder + "\\and one more folder with a long name");
    std::string name = folder + "\\and one more folder with a long name\\the file.txt";
    auto width = [&](const std::string& s) { return form->StatusBar1->TextWidth(s); };
    for (TListBox* pane : {form->SrcListBox, form->DestListBox}) {
        std::string path = Load(pane, name, "x\r\n");
        int panel = pane == form->SrcListBox ? 4 : 6;
        ASSERT_GT(width(path), 264);
        std::string shown = StatusText(form->StatusBar1, panel);
        EXPECT_EQ(shown, ShortenPath(path, 264, width));
        EXPECT_LE(width(shown), 264);
        EXPECT_EQ(shown.substr(0, 7), path.substr(0, 2) + "\\...\\");
        EXPECT_EQ(shown.substr(shown.size() - 12), "the file.txt");
    }
    EXPECT_EQ(FilesFormProbe{*form}.SrcFileName(), dir.Path() + name);
    EXPECT_EQ(FilesFormProbe{*form}.DestFileName(), dir.Path() + name);
}

TEST_F(FilesPanes, JapanesePathsWithBackslashSecondBytesAreShownAndReported)
{
    // 表 and ソ end in the byte 0x5C, the backslash.
    const std::string folder = "表示ソフトの長いフォルダ名前です";
    dir.Folder(folder);
    dir.Folder(folder + "\\表ソ表ソ表ソ表ソ表ソ表ソ表ソ");
    const std::string name = folder + "\\表ソ表ソ表ソ表ソ表ソ表ソ表ソ\\ソース表.txt";
    std::string path = Load(form->DestListBox, name, "\x95\x5C\r\n");
    EXPECT_EQ(FilesFormProbe{*form}.DestFileName(), path);
    EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{"  1| 表"});
    auto width = [&](const std::string& s) { return form->StatusBar1->TextWidth(s); };
    ASSERT_GT(width(path), 264);
    std::string shown = StatusText(form->StatusBar1, 6);
    EXPECT_EQ(shown, ShortenPath(path, 264, width));
    EXPECT_LE(width(shown), 264);
    EXPECT_EQ(shown.substr(shown.size() - 12), "ソース表.txt");
    EXPECT_EQ(shown.find("表示ソフト"), std::string::npos);

    // The error message carries the path as it is.
    const std::string missing = dir.Path() + folder + "\\無いソ.txt";
    FilesFormProbe{*form}.SrcIsCurrent() = false;
    TModalAnswerer answers;
    answers.ChooseFile(missing).PressButton(IDOK);
    form->OpenItem->Click();
    ASSERT_EQ(answers.Seen.size(), 2u);
    EXPECT_EQ(answers.Seen[1].text, OpenError(missing));
    EXPECT_EQ(FilesFormProbe{*form}.DestFileName(), path);
}

TEST_F(FilesPanes, LoadingStartsThePaneAfreshAndKeepsTheComparisonResults)
{
    std::string left = Load(form->SrcListBox, "left.txt", Numbered(200));
    Load(form->DestListBox, "right.txt", Numbered(150) + "other\r\n");
    form->AllCompareMenu->Click();
    std::vector<int32_t> srcDiff = FilesFormProbe{*form}.SrcDiffLines();
    std::vector<int32_t> destDiff = FilesFormProbe{*form}.DestDiffLines();
    std::vector<std::string> ret1 = Entries(form->Ret1ListBox), ret2 = Entries(form->Ret2ListBox);
    std::string panel0 = StatusText(form->StatusBar1, 0), panel2 = StatusText(form->StatusBar1, 2);
    ASSERT_FALSE(srcDiff.empty());

    form->SrcListBox->SetSelected(3, true);
    form->SrcListBox->SetSelected(5, true);
    form->SrcListBox->SetTopIndex(100);
    ASSERT_EQ(form->SrcListBox->TopIndex(), 100);

    // The file changes on disk and is reloaded through the pop-up command.
    WriteFileBytes(left, "changed\r\ncontent\r\n");
    FilesFormProbe{*form}.SrcIsCurrent() = true;
    TModalAnswerer answers;
    form->UpdateItem->Click();
    EXPECT_TRUE(answers.Seen.empty());
    EXPECT_EQ(Entries(form->SrcListBox), (std::vector<std::string>{"  1| changed", "  2| content"}));
    EXPECT_EQ(form->SrcListBox->TopIndex(), 0);
    EXPECT_EQ(form->SrcListBox->SelCount(), 0);

    EXPECT_EQ(FilesFormProbe{*form}.SrcDiffLines(), srcDiff);
    EXPECT_EQ(FilesFormProbe{*form}.DestDiffLines(), destDiff);
    EXPECT_EQ(Entries(form->Ret1ListBox), ret1);
    EXPECT_EQ(Entries(form->Ret2ListBox), ret2);
    EXPECT_EQ(StatusText(form->StatusBar1, 0), panel0);
    EXPECT_EQ(StatusText(form->StatusBar1, 2), panel2);
}

TEST_F(FilesPanes, ReloadActsOnThePaneThatHadTheLastRightButtonPress)
{
    std::string left = Load(form->SrcListBox, "left.txt", "old left\r\n");
    std::string right = Load(form->DestListBox, "right.txt", "old right\r\n");
    WriteFileBytes(left, "new left\r\n");
    WriteFileBytes(right, "new right\r\n");
    struct Press {
        TListBox* pane;
        UINT message;
        WPARAM keys;
        bool srcIsCurrent;
    } presses[] = {
        {form->SrcListBox, WM_RBUTTONDOWN, MK_RBUTTON, true},
        {form->DestListBox, WM_LBUTTONDOWN, MK_LBUTTON, true},  // not the right button: no change
        {form->DestListBox, WM_RBUTTONDOWN, MK_RBUTTON, false},
        {form->SrcListBox, WM_MBUTTONDOWN, MK_MBUTTON, false},
    };
    for (const auto& p : presses) {
        SendMessageW(p.pane->Handle, p.message, p.keys, MAKELPARAM(10, 5));
        EXPECT_EQ(FilesFormProbe{*form}.SrcIsCurrent(), p.srcIsCurrent) << p.pane->Name << " " << p.message;
    }
    // The right pane had the last right-button press.
    form->UpdateItem->Click();
    EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{"  1| new right"});
    EXPECT_EQ(Entries(form->SrcListBox), std::vector<std::string>{"  1| old left"});

    // A real right click on the left pane: the press makes it current, the
    // release opens the pop-up menu, whose reload item reloads it.
    TModalAnswerer answers;
    answers.PickMenuItem('R');
    PostMessageW(form->SrcListBox->Handle, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 5));
    PostMessageW(form->SrcListBox->Handle, WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
    for (int i = 0; i < 100 && Entries(form->SrcListBox)[0] != "  1| new left"; ++i) {
        Pump();
        Sleep(20);
    }
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Unexpected, 0);
    EXPECT_TRUE(FilesFormProbe{*form}.SrcIsCurrent());
    EXPECT_EQ(Entries(form->SrcListBox), std::vector<std::string>{"  1| new left"});
}

// A file that cannot be opened: the standard exception message with the
// path, and the pane, its path and its panel as they were.
TEST_F(FilesPanes, FilesThatCannotBeOpenedAreReportedAndChangeNothing)
{
    std::string good = Load(form->SrcListBox, "good.txt", "good\r\n");
    std::string panel = StatusText(form->StatusBar1, 4);
    std::string held = dir.Write("held.txt", "held\r\n");
    std::string folder = dir.Folder("a folder");
    HANDLE writer = CreateFileW(ToWide(held).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    const std::string missing = dir.Path() + "missing.txt";
    for (const std::string& bad : {missing, folder, held}) {
        TModalAnswerer answers;
        answers.ChooseFile(bad).PressButton(IDOK);
        FilesFormProbe{*form}.SrcIsCurrent() = true;
        form->OpenItem->Click();
        EXPECT_TRUE(answers.AllUsed()) << bad;
        EXPECT_EQ(answers.Unexpected, 0) << bad;
        ASSERT_EQ(answers.Seen.size(), 2u) << bad;
        const TSeenWindow& box = answers.Seen[1];
        EXPECT_TRUE(box.messageBox);
        EXPECT_EQ(box.caption, "Tavlen");
        EXPECT_EQ(box.text, OpenError(bad));
        EXPECT_EQ(box.icon, "error");
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_EQ(Entries(form->SrcListBox), std::vector<std::string>{"  1| good"}) << bad;
        EXPECT_EQ(FilesFormProbe{*form}.SrcFileName(), good);
        EXPECT_EQ(StatusText(form->StatusBar1, 4), panel);
    }
    CloseHandle(writer);
    // Once the other handle is closed the file loads.
    FilesFormProbe{*form}.LoadPane(form->SrcListBox, held);
    EXPECT_EQ(Entries(form->SrcListBox), std::vector<std::string>{"  1| held"});
}

TEST_F(FilesPanes, ReloadWithNothingLoadedReportsTheEmptyName)
{
    for (bool src : {true, false}) {
        FilesFormProbe{*form}.SrcIsCurrent() = src;
        TModalAnswerer answers;
        answers.PressButton(IDOK);
        form->UpdateItem->Click();
        ASSERT_EQ(answers.Seen.size(), 1u);
        EXPECT_EQ(answers.Seen[0].text, "ﾌｧｲﾙ  は開けません.");
        EXPECT_EQ(answers.Seen[0].caption, "Tavlen");
        EXPECT_EQ(answers.Seen[0].icon, "error");
        for (int i = 0; i < 7; ++i) EXPECT_EQ(StatusText(form->StatusBar1, i), "");
        EXPECT_EQ(WindowItemCount(form->SrcListBox), 0);
        EXPECT_EQ(WindowItemCount(form->DestListBox), 0);
    }
}

TEST_F(FilesPanes, OpenChoosesALeftThenARightFile)
{
    std::string left = dir.Write("left.txt", "L1\r\nL2\r\n");
    std::string right = dir.Write("right.txt", "R1\r\n");
    std::vector<TForm*> owners;
    TModalAnswerer answers;
    auto choose = [&](const std::string& path) {
        return [&owners, path](TForm* dialog) {
            owners.push_back(dialog->Owner());
            EXPECT_NE(dynamic_cast<TBrowseFileDlgForm*>(dialog), nullptr);
            sel_folder_dlg.file_path = path;
            dialog->ModalResult = mrOk;
        };
    };
    answers.AnswerForm(choose(left)).AnswerForm(choose(right));
    form->OpenMenu->Click();
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Unexpected, 0);
    EXPECT_EQ(owners, (std::vector<TForm*>{form, form}));
    EXPECT_EQ(Entries(form->SrcListBox), (std::vector<std::string>{"  1| L1", "  2| L2"}));
    EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{"  1| R1"});
    EXPECT_EQ(FilesFormProbe{*form}.SrcFileName(), left);
    EXPECT_EQ(FilesFormProbe{*form}.DestFileName(), right);
    EXPECT_NE(StatusText(form->StatusBar1, 4), "");
    EXPECT_NE(StatusText(form->StatusBar1, 6), "");
}

TEST_F(FilesPanes, OpenStopsAtCancelSkipsAnEmptyChoiceAndEndsAtAFailedLeftLoad)
{
    std::string oldLeft = Load(form->SrcListBox, "old left.txt", "old left\r\n");
    std::string oldRight = Load(form->DestListBox, "old right.txt", "old right\r\n");
    std::string newRight = dir.Write("new right.txt", "new right\r\n");
    std::string missing = dir.Path() + "missing.txt";
    const std::vector<std::string> leftBefore{"  1| old left"};

    {   // Cancel on the first dialog: no second one, nothing changes.
        TModalAnswerer answers;
        answers.CancelDialog();
        form->OpenMenu->Click();
        Pump();
        EXPECT_EQ(answers.Seen.size(), 1u);
        EXPECT_EQ(answers.Unexpected, 0);
        EXPECT_EQ(Entries(form->SrcListBox), leftBefore);
        EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{"  1| old right"});
    }
    {   // Cancel on the second dialog keeps the right pane.
        std::string newLeft = dir.Write("new left.txt", "new left\r\n");
        TModalAnswerer answers;
        answers.ChooseFile(newLeft).CancelDialog();
        form->OpenMenu->Click();
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
        EXPECT_EQ(Entries(form->SrcListBox), std::vector<std::string>{"  1| new left"});
        EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{"  1| old right"});
        FilesFormProbe{*form}.LoadPane(form->SrcListBox, oldLeft);
    }
    {   // OK with nothing chosen skips the left pane and goes on.
        TModalAnswerer answers;
        answers.ChooseFile("").ChooseFile(newRight);
        form->OpenMenu->Click();
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
        EXPECT_EQ(Entries(form->SrcListBox), leftBefore);
        EXPECT_EQ(FilesFormProbe{*form}.SrcFileName(), oldLeft);
        EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{"  1| new right"});
    }
    {   // A left file that cannot be opened ends the command.
        TModalAnswerer answers;
        answers.ChooseFile(missing).PressButton(IDOK);
        form->OpenMenu->Click();
        Pump();
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
        ASSERT_EQ(answers.Seen.size(), 2u);
        EXPECT_EQ(answers.Seen[1].text, OpenError(missing));
        EXPECT_EQ(Entries(form->SrcListBox), leftBefore);
    }
}

TEST_F(FilesPanes, CtrlOOpensTheFirstDialog)
{
    form->SrcListBox->SetFocus();
    TModalAnswerer answers;
    answers.CancelDialog();
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(form->SrcListBox->Handle, WM_KEYDOWN, 'O', 0);
    Pump();
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(answers.AllUsed());
    ASSERT_EQ(answers.Seen.size(), 1u);
    EXPECT_TRUE(answers.Seen[0].fileDialog);
}

TEST_F(FilesPanes, PopupOpenLoadsIntoTheCurrentPane)
{
    std::string a = dir.Write("a.txt", "A\r\n"), b = dir.Write("b.txt", "B\r\n");
    struct Case {
        bool srcIsCurrent;
        std::string path;
    } cases[] = {{true, a}, {false, b}};
    for (const auto& c : cases) {
        FilesFormProbe{*form}.SrcIsCurrent() = c.srcIsCurrent;
        TModalAnswerer answers;
        answers.ChooseFile(c.path);
        form->OpenItem->Click();
        EXPECT_TRUE(answers.AllUsed());
        EXPECT_EQ(answers.Unexpected, 0);
    }
    EXPECT_EQ(Entries(form->SrcListBox), std::vector<std::string>{"  1| A"});
    EXPECT_EQ(Entries(form->DestListBox), std::vector<std::string>{"  1| B"});
    // Cancel, and OK with nothing chosen, load nothing.
    for (bool cancel : {true, false}) {
        FilesFormProbe{*form}.SrcIsCurrent() = true;
        TModalAnswerer answers;
        if (cancel)
            answers.CancelDialog();
        else
            answers.ChooseFile("");
        form->OpenItem->Click();
        EXPECT_EQ(answers.Unexpected, 0);
        EXPECT_EQ(Entries(form->SrcListBox), std::vector<std::string>{"  1| A"});
    }
}

TEST_F(FilesPanes, EditOpensTheCurrentPanesFileWithItsProgram)
{
    // A command script as the pane's file: opening it runs it, and it
    // leaves a mark file behind.
    std::string markA = dir.Path() + "ran-a.txt", markB = dir.Path() + "ran-b.txt";
    Load(form->SrcListBox, "a.cmd", "@echo a> \"" + markA + "\"\r\n");
    Load(form->DestListBox, "b.cmd", "@echo b> \"" + markB + "\"\r\n");
    auto exists = [](const std::string& p) { return GetFileAttributesW(ToWide(p).c_str()) != INVALID_FILE_ATTRIBUTES; };
    TModalAnswerer answers;
    FilesFormProbe{*form}.SrcIsCurrent() = false;
    form->EditItem->Click();
    for (int i = 0; i < 200 && !exists(markB); ++i) {
        Pump();
        Sleep(50);
    }
    EXPECT_TRUE(exists(markB));
    EXPECT_FALSE(exists(markA));
    EXPECT_EQ(Entries(form->DestListBox).size(), 1u);
    EXPECT_TRUE(answers.Seen.empty());
}

TEST_F(FilesPanes, EditWithNothingLoadedShowsNothing)
{
    TModalAnswerer answers;
    form->EditItem->Click();
    for (int i = 0; i < 10; ++i) {
        Pump();
        Sleep(30);
    }
    EXPECT_TRUE(answers.Seen.empty());
}
