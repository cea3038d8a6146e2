#include "tests/support/TempDir.h"

#include <stdexcept>

#include "gui/Win32.h"

namespace {

void RemoveTree(const std::wstring& dir)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = dir + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}

}  // namespace

TTempDir::TTempDir()
{
    static int serial = 0;
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    for (;;) {
        std::wstring dir = std::wstring(base) + L"TavlenTest" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                           std::to_wstring(++serial);
        if (CreateDirectoryW(dir.c_str(), nullptr)) {
            path_ = ToAnsi(dir) + "\\";
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a temporary folder");
    }
}

TTempDir::~TTempDir()
{
    std::wstring w = ToWide(path_);
    w.pop_back();
    RemoveTree(w);
}

std::string TTempDir::Write(const std::string& name, const std::string& bytes) const
{
    std::string path = path_ + name;
    WriteFileBytes(path, bytes);
    return path;
}

std::string TTempDir::Folder(const std::string& name) const
{
    std::string path = path_ + name;
    CreateDirectoryW(ToWide(path).c_str(), nullptr);
    return path;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE h = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    BOOL ok = bytes.empty() || WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(h);
    if (!ok || written != bytes.size()) throw std::runtime_error("cannot write " + path);
}
