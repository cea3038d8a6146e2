// Answers the modal windows that come up on the test's own thread while a
// command runs: message boxes (answered with one of their buttons), the
// program's own forms shown modally (answered by a function that acts on
// the form) and pop-up menus (answered with an item's access key). A timer
// of the thread looks for them, so the answers run inside whatever modal
// loop runs then. A test sets up its answers, then runs the command:
//
//     TModalAnswerer answers;
//     answers.ChooseFile(path).PressButton(IDOK);
//     form->OpenMenu->Click();
//     EXPECT_TRUE(answers.AllUsed());
//
// The answers are used in the order given, and every window that comes is
// recorded in Seen. A window that comes when no answer is left, or when the
// next answer is for another kind of window, is counted in Unexpected (a
// wrong kind also in Mismatches) and closed the way that asks nothing again:
// a box with its Cancel, else its No, else its OK button; a form with
// Cancel; a menu dismissed. A form still shown FormTimeLimitMs after its
// answer ran is cancelled and counted the same way. So a wrong program
// fails the test instead of hanging it.
//
// A test that shows a form modally itself names it with LeaveForm; the
// answerer then answers only what that form opens.
//
// Each window is marked as answered on the window itself, so a later window
// that gets the handle of a closed one is answered too; a window loses its
// mark when it is hidden, so a form shown modally once more is answered again.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "gui/Forms.h"
#include "gui/Win32.h"

struct TSeenWindow {
    bool messageBox = false;  // else one of the program's forms, or a menu
    bool menu = false;
    std::string caption;
    std::string text;  // a message box's message
    // The icon a message box shows: "error", "information", "warning",
    // "question", "other", or "" for none.
    std::string icon;
    // The ids of the buttons a message box shows, in the order IDOK,
    // IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDTRYAGAIN, IDCONTINUE.
    std::vector<int> buttons;
    // A menu's items as it shows them: their texts, "-" for a separator.
    std::vector<std::string> items;
    RECT rect{};             // where it was on the screen
    HWND owner = nullptr;    // its owner window, if any
    TForm* form = nullptr;   // the form: valid only while it was shown
    bool fileDialog = false;  // the form was a TBrowseFileDlgForm
};

class TModalAnswerer {
public:
    TModalAnswerer();
    ~TModalAnswerer();
    TModalAnswerer(const TModalAnswerer&) = delete;
    TModalAnswerer& operator=(const TModalAnswerer&) = delete;

    // The next modal window must be a message box; press this button.
    TModalAnswerer& PressButton(int buttonId);
    // The same, after running `first` while the box is shown (to change the
    // world the box is about, as a user would before pressing Retry).
    TModalAnswerer& PressButton(int buttonId, std::function<void()> first);
    // The next modal window must be one of the program's forms.
    TModalAnswerer& AnswerForm(std::function<void(TForm*)> answer);
    // The next one is the file selection dialog: choose path (OK), or
    // press Cancel.
    TModalAnswerer& ChooseFile(const std::string& path);
    TModalAnswerer& CancelDialog();
    // The next one is a pop-up menu: choose the item with this access key
    // (an upper-case letter), as the keyboard would.
    TModalAnswerer& PickMenuItem(char accessKey);
    // The next one is a pop-up menu: close it choosing nothing.
    TModalAnswerer& DismissMenu();
    // The test shows this form modally itself: never answer or record it.
    TModalAnswerer& LeaveForm(const TForm& form);

    bool AllUsed() const { return answers_.empty(); }
    std::vector<TSeenWindow> Seen;
    int Unexpected = 0;
    // Set when a window of the other kind came than the answer expected,
    // or a form stayed open after its answer.
    std::vector<std::string> Mismatches;
    unsigned FormTimeLimitMs = 10000;

private:
    enum class Kind { Box, Form, Menu };
    struct Answer {
        Kind kind;
        int button;  // a box's button; a menu item's access key
        std::function<void(TForm*)> form;
    };
    struct AnsweredForm {
        HWND window;
        DWORD at;
    };
    std::deque<Answer> answers_;
    std::vector<const TForm*> left_;
    std::vector<HWND> marked_;
    std::vector<AnsweredForm> forms_;
    UINT_PTR timer_ = 0;
    HHOOK hideHook_ = nullptr;
    TModalAnswerer* previous_ = nullptr;

    void Tick();
    void Handle(HWND window, TForm* form);
    void Mark(HWND window);
    void DropStaleMarks();
    void CancelOverdueForms();
    static BOOL CALLBACK Collect(HWND h, LPARAM lp);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    static LRESULT CALLBACK HideHook(int code, WPARAM wp, LPARAM lp);
};

// Runs f once from a thread timer after ms milliseconds, inside whatever
// message loop runs then (a modal dialog's, a message box's).
void RunLater(unsigned ms, std::function<void()> f);
