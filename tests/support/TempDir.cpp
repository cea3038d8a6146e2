#include "tests/support/TempDir.h"

#include <algorithm>
#include <stdexcept>

#include "gui/FileSystem.h"

TTempDir::TTempDir(const std::string& name)
{
    static int serial = 0;
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    std::string root = ToAnsi(base);
    if (root.empty() || root.back() != '\\') root += "\\";
    for (;;) {
        std::string dir = root + "TavlenTest" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial);
        if (CreateDirectoryW(ToWide(dir).c_str(), nullptr)) {
            root_ = dir + "\\";
            break;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = root_;
    if (!name.empty()) {
        path_ = root_ + name + "\\";
        if (!CreateDirectoryW(ToWide(path_).c_str(), nullptr)) throw std::runtime_error("cannot create " + path_);
    }
}

TTempDir::~TTempDir() { RemoveTree(root_.substr(0, root_.size() - 1)); }

std::string TTempDir::File(const std::string& name, const std::string& bytes, DWORD attributes) const
{
    std::string path = path_ + name;
    WriteFileBytes(path, bytes);
    if (attributes) SetFileAttributesW(ToWide(path).c_str(), attributes);
    return path;
}

std::vector<std::string> TTempDir::EntryNames(const std::string& sub) const
{
    std::vector<std::string> v;
    ForEachEntry(path_ + (sub.empty() ? "" : sub + "\\") + "*", [&](const WIN32_FIND_DATAW& fd) {
        if (!IsDotName(fd.cFileName)) v.push_back(ToAnsi(fd.cFileName));
    });
    std::sort(v.begin(), v.end());
    return v;
}

std::string TTempDir::Folder(const std::string& name, DWORD attributes) const
{
    std::string path = path_ + name;
    if (!CreateDirectoryW(ToWide(path).c_str(), nullptr)) throw std::runtime_error("cannot create " + path);
    if (attributes) SetFileAttributesW(ToWide(path).c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY);
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

void RemoveTree(const std::string& path)
{
    std::wstring w = ToWide(path);
    DWORD a = GetFileAttributesW(w.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(w.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(w.c_str());
        return;
    }
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((w + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring n = fd.cFileName;
            if (n == L"." || n == L"..") continue;
            RemoveTree(path + "\\" + ToAnsi(n));
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(w.c_str());
}
