// The tests' answerer of modal windows on real windows: what it reads of a
// message box, the way out it takes when no answer is left, a form that
// stays open after its answer, and a form shown modally a second time.
#include <gtest/gtest.h>

#include "gui/Application.h"
#include "src/BrowseFileDlg.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/ModalAnswerer.h"

TEST(ModalAnswerer, BoxesWithoutAnAnswerAreClosedWithoutRepeatingTheQuestion)
{
    struct Case {
        UINT style;
        int result;
        const char* icon;
        std::vector<int> buttons;
    } cases[] = {
        {MB_YESNO | MB_ICONQUESTION, IDNO, "question", {IDYES, IDNO}},
        {MB_OKCANCEL | MB_ICONWARNING, IDCANCEL, "warning", {IDOK, IDCANCEL}},
        {MB_RETRYCANCEL | MB_ICONERROR, IDCANCEL, "error", {IDCANCEL, IDRETRY}},
        {MB_OK | MB_ICONINFORMATION, IDOK, "information", {IDOK}},
        {MB_OK, IDOK, "", {IDOK}},
    };
    for (const Case& c : cases) {
        TModalAnswerer answers;
        EXPECT_EQ(Application.MessageBox("質問です", "見出し", c.style), c.result) << c.icon;
        EXPECT_EQ(answers.Unexpected, 1) << c.icon;
        ASSERT_EQ(answers.Seen.size(), 1u) << c.icon;
        const TSeenWindow& box = answers.Seen[0];
        EXPECT_TRUE(box.messageBox);
        EXPECT_EQ(box.caption, "見出し");
        EXPECT_EQ(box.text, "質問です");
        EXPECT_EQ(box.icon, std::string(c.icon));
        EXPECT_EQ(box.buttons, c.buttons) << c.icon;
    }
}

// A form whose answer leaves it open is cancelled after the time limit and
// reported; shown modally again, the same form is answered again.
TEST(ModalAnswerer, AFormLeftOpenIsCancelledAndAFormShownAgainIsAnsweredAgain)
{
    DialogHistoryGuard guard;
    TTempDir dir;
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    TModalAnswerer answers;
    answers.FormTimeLimitMs = 500;
    answers.AnswerForm([](TForm*) {});
    DWORD start = GetTickCount();
    EXPECT_EQ(dlg.ShowModal(), mrCancel);
    EXPECT_GE(GetTickCount() - start, 450u);
    EXPECT_EQ(answers.Unexpected, 1);
    ASSERT_EQ(answers.Mismatches.size(), 1u);
    EXPECT_EQ(answers.Mismatches[0].rfind("form still open after its answer: ", 0), 0u) << answers.Mismatches[0];

    answers.ChooseFile(dir.Path() + "x.txt");
    EXPECT_EQ(dlg.ShowModal(), mrOk);
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Unexpected, 1);
    ASSERT_EQ(answers.Seen.size(), 2u);
    EXPECT_TRUE(answers.Seen[1].fileDialog);
    EXPECT_EQ(sel_folder_dlg.file_path, dir.Path() + "x.txt");
}

// A form the test shows itself is left to the test; what it opens is answered.
TEST(ModalAnswerer, ALeftFormIsNotAnswered)
{
    DialogHistoryGuard guard;
    TTempDir dir;
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    TModalAnswerer answers;
    answers.LeaveForm(dlg).PressButton(IDOK);
    int boxResult = 0;
    RunLater(150, [&] {
        boxResult = Application.MessageBox("中", "箱", MB_OKCANCEL);
        dlg.ModalResult = mrOk;
    });
    EXPECT_EQ(dlg.ShowModal(), mrOk);
    EXPECT_EQ(boxResult, IDOK);
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Unexpected, 0);
    ASSERT_EQ(answers.Seen.size(), 1u);
    EXPECT_TRUE(answers.Seen[0].messageBox);
}
