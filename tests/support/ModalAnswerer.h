// Answers the modal windows that a command opens on the test's own thread:
// message boxes (answered by their button id) and the program's own forms
// shown modally (answered by a function that sets their result). A timer of
// the thread looks for them while the modal loop runs, so a test sets up
// its answers, then runs the command:
//
//     TModalAnswerer answers;
//     answers.ChooseFile(path).PressButton(IDOK);
//     form->OpenMenu->Click();
//     EXPECT_TRUE(answers.AllUsed());
//
// A modal window (or pop-up menu) that comes when no answer is left is
// closed (Cancel) and counted in Unexpected, so that a wrong program fails the test instead of
// hanging it.
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
    std::string text;          // a message box's message
    bool iconShown = false;    // a message box shows an icon
    HICON icon = nullptr;      // and this one
    RECT rect{};               // where it was on the screen
    TForm* form = nullptr;     // the form: valid only while it was shown
    bool fileDialog = false;   // the form was a TBrowseFileDlgForm
};

class TModalAnswerer {
public:
    TModalAnswerer();
    ~TModalAnswerer();
    TModalAnswerer(const TModalAnswerer&) = delete;
    TModalAnswerer& operator=(const TModalAnswerer&) = delete;

    // The next modal window must be a message box; press this button.
    TModalAnswerer& PressButton(int buttonId);
    // The next modal window must be one of the program's forms.
    TModalAnswerer& AnswerForm(std::function<void(TForm*)> answer);
    // The next one is the file selection dialog: choose path (OK), or
    // press Cancel.
    TModalAnswerer& ChooseFile(const std::string& path);
    TModalAnswerer& CancelDialog();
    // The next one is a pop-up menu: choose the item with this access key
    // (an upper-case letter), as the keyboard would.
    TModalAnswerer& PickMenuItem(char accessKey);

    bool AllUsed() const { return answers_.empty(); }
    std::vector<TSeenWindow> Seen;
    int Unexpected = 0;
    // Set when a window of the other kind came than the answer expected.
    std::vector<std::string> Mismatches;

private:
    struct Answer {
        bool messageBox;
        int button;  // for a menu: its access key
        bool menu;
        std::function<void(TForm*)> form;
    };
    std::deque<Answer> answers_;
    std::vector<HWND> answered_;
    UINT_PTR timer_ = 0;
    void Tick();
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
};

// The message box icon that MB_ICONERROR shows.
HICON ErrorIcon();
