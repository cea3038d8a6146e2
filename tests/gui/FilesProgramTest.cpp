// The real Tavlen.exe as a separate process: it starts and shows its window,
// its window's start-up state as another program sees it, and closing the
// window or File > Exit ending it with exit code 0 without a question.
#include <gtest/gtest.h>

#include "gui/Win32.h"

namespace {

struct Found {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK VisibleWindowsOf(HWND h, LPARAM lp)
{
    auto* f = reinterpret_cast<Found*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == f->pid && IsWindowVisible(h)) f->windows.push_back(h);
    return TRUE;
}

std::vector<HWND> WindowsOf(DWORD pid)
{
    Found f{pid, {}};
    EnumWindows(VisibleWindowsOf, reinterpret_cast<LPARAM>(&f));
    return f.windows;
}

struct Program {
    PROCESS_INFORMATION pi{};
    HWND window = nullptr;
    Program()
    {
        std::wstring cmd = L"\"Z:" + ToWide(TAVLEN_EXE) + L"\"";
        for (auto& c : cmd)
            if (c == L'/') c = L'\\';
        STARTUPINFOW si{sizeof(si)};
        if (!CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
        WaitForInputIdle(pi.hProcess, 10000);
        for (int i = 0; i < 200 && !window; ++i) {
            auto w = WindowsOf(pi.dwProcessId);
            if (!w.empty()) window = w[0];
            else Sleep(50);
        }
    }
    ~Program()
    {
        if (pi.hProcess && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 1);
        if (pi.hThread) CloseHandle(pi.hThread);
        if (pi.hProcess) CloseHandle(pi.hProcess);
    }
};

}  // namespace

TEST(FilesProgram, StartsShowsItsWindowAndExitsWithZeroWhenClosed)
{
    Program p;
    ASSERT_NE(p.window, nullptr);
    wchar_t caption[100] = {};
    GetWindowTextW(p.window, caption, 100);
    EXPECT_STREQ(caption, L"Tavlen Ver.0.0.2");
    PostMessageW(p.window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(p.pi.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(p.pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
}

TEST(FilesProgram, ExitMenuEndsTheProgramWithZeroAndNoQuestion)
{
    Program p;
    ASSERT_NE(p.window, nullptr);
    // As the keyboard does it: Alt+F opens the File menu, X chooses Exit.
    PostMessageW(p.window, WM_SYSCOMMAND, SC_KEYMENU, 'f');
    HWND menu = nullptr;
    for (int i = 0; i < 100 && !menu; ++i) {
        for (HWND h : WindowsOf(p.pi.dwProcessId)) {
            wchar_t cls[32] = {};
            GetClassNameW(h, cls, 32);
            if (wcscmp(cls, L"#32768") == 0) menu = h;
        }
        if (!menu) Sleep(50);
    }
    ASSERT_NE(menu, nullptr);
    PostMessageW(menu, WM_KEYDOWN, 'X', 0);
    PostMessageW(menu, WM_CHAR, 'x', 0);
    ASSERT_EQ(WaitForSingleObject(p.pi.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(p.pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
}

TEST(FilesProgram, ItsWindowShowsTheDesignedLayoutToOtherPrograms)
{
    Program p;
    ASSERT_NE(p.window, nullptr);
    RECT rc;
    GetWindowRect(p.window, &rc);
    EXPECT_EQ(rc.left, 201);
    EXPECT_EQ(rc.top, 121);
    GetClientRect(p.window, &rc);
    EXPECT_EQ(rc.right, 642);
    EXPECT_EQ(rc.bottom, 396);
    // One window only: no message box or dialog at start-up.
    EXPECT_EQ(WindowsOf(p.pi.dwProcessId).size(), 1u);
    PostMessageW(p.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(p.pi.hProcess, 10000), WAIT_OBJECT_0);
}
