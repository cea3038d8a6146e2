// The keyboard focus comes back to the control that had it when a message
// box or a modal form closes, and when the window is activated again after
// another window had the focus; Enter and Space press a focused button.
#include <gtest/gtest.h>

#include "gui/Application.h"
#include "text/Ansi.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/ModalAnswerer.h"

namespace {

void Pump()
{
    for (int i = 0; i < 5; ++i) Application.ProcessMessages();
}

struct ShownDialog {
    TTempDir dir;
    std::string gone;
    TBrowseFileDlgForm dlg{nullptr};
    BrowseFileDlgProbe p{dlg};
    ShownDialog()
    {
        gone = dir.Folder("Gone");
        dir.File("here.txt", "x");
        sel_folder_dlg.folder = dir.Path();
        p.ListFolder();
        dlg.Show();
        Pump();
    }
    ~ShownDialog() { dlg.Hide(); }
};

}  // namespace

// After "フォルダ … は存在しません。" the list keeps the keyboard.
TEST(Focus, ReturnsToTheControlAfterAMessageBox)
{
    ShownDialog s;
    const int index = s.p.IndexOfName("Gone");
    ASSERT_GE(index, 0);
    ASSERT_TRUE(RemoveDirectoryW(ToWide(s.gone).c_str()));
    s.p.List()->SetFocus();
    ASSERT_TRUE(s.p.List()->Focused());
    TModalAnswerer answers;
    answers.PressButton(IDOK);
    s.p.DblClick(index);
    Pump();
    ASSERT_TRUE(answers.AllUsed());
    ASSERT_EQ(answers.Seen.size(), 1u);
    EXPECT_EQ(answers.Seen[0].caption, "エラー");
    EXPECT_TRUE(s.p.List()->Focused()) << "focus on " << GetFocus();
}

TEST(Focus, ReturnsToTheControlAfterAModalForm)
{
    ShownDialog s;
    s.p.FilenameEdit()->SetFocus();
    s.p.History()->SetFocus();
    HWND had = GetFocus();
    ASSERT_TRUE(had == s.p.History()->Handle || IsChild(s.p.History()->Handle, had));
    TForm modal(&s.dlg, bsDialog);
    TModalAnswerer answers;
    answers.AnswerForm([](TForm* f) { f->ModalResult = mrCancel; });
    EXPECT_EQ(modal.ShowModal(), mrCancel);
    Pump();
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(GetFocus(), had);
}

TEST(Focus, ReturnsToTheControlWhenTheWindowIsActivatedAgain)
{
    ShownDialog s;
    s.p.List()->SetFocus();
    TForm other(nullptr, bsDialog);
    other.Show();
    Pump();
    ASSERT_EQ(GetActiveWindow(), other.Handle);
    ASSERT_FALSE(s.p.List()->Focused());
    SetActiveWindow(s.dlg.Handle);
    Pump();
    EXPECT_TRUE(s.p.List()->Focused()) << "focus on " << GetFocus();
    other.Hide();
}

// Real key presses on a focused push button of the dialog: Enter presses it
// as Space does (the dialog has no default button that could take Enter).
TEST(Focus, EnterAndSpacePressAFocusedButton)
{
    for (WORD key : {(WORD)VK_RETURN, (WORD)VK_SPACE}) {
        ShownDialog s;
        SetForegroundWindow(s.dlg.Handle);
        s.p.Cancel()->SetFocus();
        ASSERT_TRUE(s.p.Cancel()->Focused());
        s.dlg.ModalResult = mrNone;
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = key;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
        for (int i = 0; i < 50 && s.dlg.ModalResult == mrNone; ++i) {
            Pump();
            Sleep(10);
        }
        EXPECT_EQ(s.dlg.ModalResult, mrCancel) << (key == VK_RETURN ? "Enter" : "Space");
    }
}
