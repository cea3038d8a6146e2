// The real Tavlen.exe as a separate process: it starts, shows its window and
// ends with exit code 0 when that window closes.
#include <gtest/gtest.h>

#include "gui/Win32.h"

namespace {

struct Found {
    DWORD pid;
    HWND window;
};

BOOL CALLBACK FindWindowOf(HWND h, LPARAM lp)
{
    auto* f = reinterpret_cast<Found*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == f->pid && IsWindowVisible(h)) {
        f->window = h;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

TEST(Program, StartsShowsItsWindowAndExitsWithZero)
{
    std::wstring exe = ToWide(TAVLEN_EXE);
    // CMake gives a Unix path; Wine maps "/" to the Z: drive.
    std::wstring cmd = L"\"Z:" + exe + L"\"";
    for (auto& c : cmd)
        if (c == L'/') c = L'\\';
    STARTUPINFOW si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    WaitForInputIdle(pi.hProcess, 10000);
    Found f{pi.dwProcessId, nullptr};
    for (int i = 0; i < 200 && !f.window; ++i) {
        EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&f));
        if (!f.window) Sleep(50);
    }
    ASSERT_NE(f.window, nullptr);
    wchar_t caption[100] = {};
    GetWindowTextW(f.window, caption, 100);
    EXPECT_STREQ(caption, L"Tavlen Ver.0.0.2");
    PostMessageW(f.window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}
