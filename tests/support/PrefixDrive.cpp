#include "tests/support/PrefixDrive.h"

#include <gtest/gtest.h>

#include "gui/Win32.h"
#include "text/Ansi.h"

namespace {

// The Windows path of a Unix path: through Z:, which Wine maps to the root.
std::wstring ThroughZ(const std::string& unix)
{
    std::wstring w = L"Z:" + ToWide(unix);
    for (auto& c : w)
        if (c == L'/') c = L'\\';
    return w;
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (h != INVALID_HANDLE_VALUE) {
        WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
        CloseHandle(h);
    }
}

}  // namespace

void RunUnix(const std::string& program, const std::vector<std::string>& args)
{
    std::wstring line = ToWide(program);
    for (const std::string& a : args) line += L" " + ToWide(a);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(ThroughZ(program).c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
        return;
    }
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

TPrefixDrive::TPrefixDrive(char letter) : letter_((char)(letter | 0x20))
{
    wchar_t prefix[1024] = {};
    if (GetEnvironmentVariableW(L"WINEPREFIX", prefix, 1024) >= 1024) prefix[0] = 0;
    prefix_ = ToAnsi(prefix);
    folder_ = "/tmp/tavlen-drive-" + std::to_string(GetCurrentProcessId()) + "-" + letter_;
    CreateDirectoryW(ThroughZ(folder_).c_str(), nullptr);
    WriteBytes(ThroughZ(folder_ + "/inside.txt"), "");
}

TPrefixDrive::~TPrefixDrive()
{
    Detach();
    DeleteFileW(ThroughZ(folder_ + "/inside.txt").c_str());
    RemoveDirectoryW(ThroughZ(folder_).c_str());
}

std::string TPrefixDrive::Link() const { return prefix_ + "/dosdevices/" + letter_ + ":"; }

void TPrefixDrive::Attach() { RunUnix("/bin/ln", {"-s", folder_, Link()}); }

void TPrefixDrive::Detach() { RunUnix("/bin/rm", {"-f", Link()}); }
