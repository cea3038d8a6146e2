// The application object of gui/Application.h.
#include "gui/Application.h"

#include "gui/Exception.h"
#include "gui/Forms.h"
#include "gui/Menus.h"
#include "text/Ansi.h"

TApplication Application;

void TApplication::Initialize()
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                              ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    Terminated = false;
}

void TApplication::Run()
{
    if (MainForm) MainForm->Show();
    while (!Terminated) HandleMessage();
}

void TApplication::Terminate()
{
    if (!Terminated) PostQuitMessage(0);
    Terminated = true;
}

namespace {

TShiftState CurrentShift()
{
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

TForm* RootForm(HWND h)
{
    if (!h) return nullptr;
    HWND root = GetAncestor(h, GA_ROOT);
    return dynamic_cast<TForm*>(TControl::FromHandle(root));
}

}  // namespace

bool TApplication::ProcessOne(MSG& msg)
{
    if (msg.message == WM_QUIT) {
        Terminated = true;
        return true;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        TForm* form = RootForm(msg.hwnd);
        if (form && IsWindowEnabled(form->Handle)) {
            // Menu shortcuts of the form that holds the focus.
            if (form->Menu()) {
                TShiftState shift = CurrentShift();
                if (TMenuItem* item = form->Menu()->FindShortCut((WORD)msg.wParam, shift)) {
                    item->Click();
                    return true;
                }
            }
            if (msg.wParam == VK_TAB && !(CurrentShift() & (ssCtrl | ssAlt)) && !form->TabOrder.empty()) {
                form->SelectNext(!(CurrentShift() & ssShift));
                return true;
            }
            if ((msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) && msg.message == WM_KEYDOWN &&
                !(CurrentShift() & (ssCtrl | ssAlt)) && form->DialogKey(msg.wParam))
                return true;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::HandleMessage()
{
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ProcessOne(msg);
        return;
    }
    if (Terminated) return;
    WaitMessage();
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ProcessOne(msg);
        if (msg.message == WM_QUIT) break;
    }
}

std::string ExceptionText(const std::string& message)
{
    std::string text = message;
    if (!text.empty()) {
        size_t last = LastCharPos(text);
        if ((unsigned char)text[last] > (unsigned char)'.') text += ".";
    }
    return text;
}

void TApplication::ShowException(const std::exception& e)
{
    MessageBox(ExceptionText(e.what()), Title, MB_OK | MB_ICONERROR);
}

void TApplication::HandleException()
{
    try {
        throw;
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception("unknown error"));
    }
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    HWND owner = GetActiveWindow();
    if (!owner && MainForm) owner = MainForm->Handle;
    return MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), flags);
}

void ShowMessage(const std::string& text)
{
    HWND owner = GetActiveWindow();
    if (!owner && Application.MainForm) owner = Application.MainForm->Handle;
    MessageBoxW(owner, ToWide(text).c_str(), ToWide(Application.Title).c_str(), MB_OK | MB_TASKMODAL);
}
