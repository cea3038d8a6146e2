// Moving between differences in the real comparison window: Compare's Next
// and Previous items through a run's differences and past its ends, with
// linked scrolling off and on, their enabled state, and their keys pressed
// for real.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/Application.h"
#include "src/Files.h"
#include "tests/support/FilesFormFixture.h"

namespace {

void PumpAWhile()
{
    for (int i = 0; i < 4; ++i) {
        Application.ProcessMessages();
        Sleep(5);
    }
    Application.ProcessMessages();
}

INPUT KeyInput(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

// Presses and releases a key, with Alt held around it when asked.
void PressKey(WORD vk, bool alt)
{
    std::vector<INPUT> input;
    if (alt) input.push_back(KeyInput(VK_MENU, false));
    input.push_back(KeyInput(vk, false));
    input.push_back(KeyInput(vk, true));
    if (alt) input.push_back(KeyInput(VK_MENU, true));
    SendInput((UINT)input.size(), input.data(), sizeof(INPUT));
    PumpAWhile();
}

bool InMenuMode()
{
    GUITHREADINFO info{sizeof(info)};
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    return (info.flags & GUI_INMENUMODE) != 0;
}

bool Shows(TListBox* pane, int row)
{
    const int visible = pane->Height() / pane->ItemHeight();
    return pane->TopIndex() <= row && row < pane->TopIndex() + visible;
}

// 200 lines on the left, 203 on the right: differences at lines 5, 60, 120
// and 190 (zero-based) and the right pane's three surplus lines.
const std::vector<int> kDiffs = {5, 60, 120, 190, 200, 201, 202};

std::string Lines(int n, bool right)
{
    std::string s;
    for (int i = 0; i < n; ++i) {
        bool changed = right && (i == 5 || i == 60 || i == 120 || i == 190);
        s += "line " + std::to_string(i) + (changed ? " changed" : "") + "\r\n";
    }
    return s;
}

}  // namespace

class FilesDiffMoves : public FilesFormTest {
protected:
    void SetUp() override
    {
        FilesFormTest::SetUp();
        SetForegroundWindow(form->Handle);
        Load(form->SrcListBox, "left.txt", Lines(200, false));
        Load(form->DestListBox, "right.txt", Lines(203, true));
        PumpAWhile();
    }
    void Run()
    {
        form->AllCompareMenu->Click();
        PumpAWhile();
    }
    // The item's state as the real menu shows it.
    bool Grayed(TMenuItem* item)
    {
        return (GetMenuState(form->Compare1->SubMenu(), item->CommandId(), MF_BYCOMMAND) & MF_GRAYED) != 0;
    }
    // Checks that the move ended on kDiffs[k].
    void ExpectAt(size_t k, bool linked, int srcTopBefore)
    {
        const int pos = kDiffs[k];
        const bool inSrc = pos < 200;
        SCOPED_TRACE("at difference " + std::to_string(pos));
        EXPECT_EQ(form->Ret1ListBox->ItemIndex(), inSrc ? (int)k : -1);
        EXPECT_EQ(form->Ret2ListBox->ItemIndex(), (int)k);
        EXPECT_TRUE(Shows(form->DestListBox, pos));
        if (inSrc) EXPECT_TRUE(Shows(form->SrcListBox, pos));
        if (linked)
            EXPECT_EQ(form->SrcListBox->TopIndex(), std::min(form->DestListBox->TopIndex(),
                                                             200 - form->SrcListBox->Height() / form->SrcListBox->ItemHeight()));
        else if (!inSrc)
            EXPECT_EQ(form->SrcListBox->TopIndex(), srcTopBefore);  // the left pane stays
    }
};

// Before a run the items are disabled; a run with differences enables them,
// Clear disables them again, and a run without differences leaves them
// disabled. The menu keeps its items in order with their shortcuts.
TEST_F(FilesDiffMoves, EnabledOnlyWithResults)
{
    EXPECT_TRUE(Grayed(form->NextDiffMenu));
    EXPECT_TRUE(Grayed(form->PrevDiffMenu));
    Run();
    EXPECT_FALSE(Grayed(form->NextDiffMenu));
    EXPECT_FALSE(Grayed(form->PrevDiffMenu));
    form->ClearMenu->Click();
    EXPECT_TRUE(Grayed(form->NextDiffMenu));
    EXPECT_TRUE(Grayed(form->PrevDiffMenu));
    Load(form->DestListBox, "same.txt", Lines(200, false));
    Run();
    EXPECT_TRUE(Grayed(form->NextDiffMenu));

    HMENU m = form->Compare1->SubMenu();
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(m); ++i) {
        wchar_t buf[128] = {};
        GetMenuStringW(m, i, buf, 128, MF_BYPOSITION);
        texts.push_back((GetMenuState(m, i, MF_BYPOSITION) & MF_SEPARATOR) ? "-" : ToAnsi(buf));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"すべての文字列(&A)", "結果をクリア(&C)", "-", "次の相違(&N)\tAlt+Down",
                                               "前の相違(&P)\tAlt+Up"}));
}

// Next goes through every difference in order, the right pane's surplus
// lines included, and does nothing at the last one; Previous comes back the
// same way and does nothing at the first. Linked scrolling off and on.
TEST_F(FilesDiffMoves, NextAndPreviousThroughARun)
{
    for (bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "linked" : "not linked");
        if (form->SameMenu->Checked() != linked) form->SameMenu->Click();
        Run();
        form->SrcListBox->SetTopIndex(0);
        form->DestListBox->SetTopIndex(0);
        PumpAWhile();
        const std::string status0 = StatusText(form->StatusBar1, 0), status2 = StatusText(form->StatusBar1, 2);
        for (size_t k = 0; k < kDiffs.size(); ++k) {
            const int before = form->SrcListBox->TopIndex();
            form->NextDiffMenu->Click();
            PumpAWhile();
            ExpectAt(k, linked, before);
        }
        // At the last difference nothing moves and nothing changes.
        const int srcTop = form->SrcListBox->TopIndex(), destTop = form->DestListBox->TopIndex();
        form->NextDiffMenu->Click();
        PumpAWhile();
        EXPECT_EQ(form->SrcListBox->TopIndex(), srcTop);
        EXPECT_EQ(form->DestListBox->TopIndex(), destTop);
        EXPECT_EQ(form->Ret2ListBox->ItemIndex(), (int)kDiffs.size() - 1);
        EXPECT_EQ(StatusText(form->StatusBar1, 0), status0);
        EXPECT_EQ(StatusText(form->StatusBar1, 2), status2);

        for (size_t k = kDiffs.size() - 1; k-- > 0;) {
            const int before = form->SrcListBox->TopIndex();
            form->PrevDiffMenu->Click();
            PumpAWhile();
            ExpectAt(k, linked, before);
        }
        form->PrevDiffMenu->Click();
        PumpAWhile();
        EXPECT_EQ(form->Ret1ListBox->ItemIndex(), 0);
        EXPECT_TRUE(Shows(form->SrcListBox, kDiffs[0]));
    }
}

// Moves count from the left pane's top row when the user scrolled since the
// last move: next from row 100 goes to 120, previous from there to 60.
TEST_F(FilesDiffMoves, MovesCountFromTheLeftPanesTopRow)
{
    Run();
    form->NextDiffMenu->Click();
    form->SrcListBox->SetTopIndex(100);
    PumpAWhile();
    form->NextDiffMenu->Click();
    PumpAWhile();
    EXPECT_EQ(form->Ret1ListBox->ItemIndex(), 2);
    form->SrcListBox->SetTopIndex(100);
    PumpAWhile();
    form->PrevDiffMenu->Click();
    PumpAWhile();
    EXPECT_EQ(form->Ret1ListBox->ItemIndex(), 1);
    EXPECT_EQ(form->SrcListBox->TopIndex(), 60);
}

// Real key presses: F8 and Alt+Down move on, F7 and Alt+Up move back, with
// the focus in the left pane; the release of Alt does not leave the window
// in its menu bar.
TEST_F(FilesDiffMoves, KeysMoveBetweenDifferences)
{
    Run();
    SetFocus(form->SrcListBox->Handle);
    form->SrcListBox->SetTopIndex(0);
    PumpAWhile();
    PressKey(VK_F8, false);
    EXPECT_EQ(form->Ret1ListBox->ItemIndex(), 0);
    PressKey(VK_DOWN, true);
    EXPECT_FALSE(InMenuMode());
    EXPECT_EQ(form->Ret1ListBox->ItemIndex(), 1);
    PressKey(VK_DOWN, true);
    EXPECT_EQ(form->Ret1ListBox->ItemIndex(), 2);
    EXPECT_EQ(form->SrcListBox->TopIndex(), 120);
    PressKey(VK_F7, false);
    EXPECT_EQ(form->Ret1ListBox->ItemIndex(), 1);
    PressKey(VK_UP, true);
    EXPECT_FALSE(InMenuMode());
    EXPECT_EQ(form->Ret1ListBox->ItemIndex(), 0);
    EXPECT_TRUE(Shows(form->SrcListBox, 5));
    // Without results the keys do nothing.
    form->ClearMenu->Click();
    form->SrcListBox->SetTopIndex(50);
    PumpAWhile();
    PressKey(VK_F8, false);
    EXPECT_EQ(form->SrcListBox->TopIndex(), 50);
}
