// The application object: title, message loop, pending-message processing,
// the standard exception message and message boxes.
#pragma once

#include <exception>
#include <string>

#include "gui/Win32.h"

class TForm;

class TApplication {
public:
    std::string Title;
    TForm* MainForm = nullptr;
    bool Terminated = false;

    void Initialize();
    // Shows the main form and processes messages until it has closed.
    void Run();
    void ProcessMessages();
    // Waits for and handles one message.
    void HandleMessage();
    void Terminate();

    // The standard exception message: error icon, one OK button, the title
    // as caption, and a "." appended when the text's last character sorts
    // after ".".
    void ShowException(const std::exception& e);
    void HandleException();  // call from a catch block; Guarded does
    // A message box owned by the active window; returns the button pressed.
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);

    // Lets tests see modal loops.
    int ModalLevel = 0;

private:
    bool ProcessOne(MSG& msg);
};

extern TApplication Application;

// The layer's one error boundary: every event dispatch runs its handler
// through this. Runs f; an exception it raises goes no further and is shown
// with the standard exception message. True when f completed.
template <class F>
bool Guarded(F&& f)
{
    try {
        f();
        return true;
    } catch (...) {
        Application.HandleException();
        return false;
    }
}

// The text the standard exception message shows for a message.
std::string ExceptionText(const std::string& message);
// The plain message dialog: application title as caption, no icon, one OK
// button, centred on the screen.
void ShowMessage(const std::string& text);
