// Answers the message boxes of the test's thread: each box that appears is
// recorded (caption, text, icon, buttons) and answered with the next button
// id of the list. Works from a thread timer, so it runs inside the box's own
// modal loop.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gui/Win32.h"

struct DialogSeenBox {
    std::string Caption;
    std::string Text;
    // "error", "information", "warning", "question" or "" (no icon).
    std::string Icon;
    // Button ids the box holds (IDOK, IDCANCEL, IDRETRY, ...).
    std::vector<int> Buttons;
};

class DialogBoxAnswerer {
public:
    explicit DialogBoxAnswerer(std::vector<int> answers);
    ~DialogBoxAnswerer();
    DialogBoxAnswerer(const DialogBoxAnswerer&) = delete;
    DialogBoxAnswerer& operator=(const DialogBoxAnswerer&) = delete;

    std::vector<DialogSeenBox> Seen;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK Visit(HWND h, LPARAM lp);
    void Answer(HWND box);

    std::vector<int> answers_;
    UINT_PTR timer_ = 0;
};

// Runs f once from a thread timer after ms milliseconds, inside whatever
// message loop runs then (a modal dialog's, a message box's).
void DialogRunLater(unsigned ms, std::function<void()> f);
