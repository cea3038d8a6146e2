#include "tests/support/DialogFixtures.h"

#include <vector>

#include <sddl.h>

#include "gui/Exception.h"

const wchar_t kDialogHistoryKey[] = L"Software\\Brisvane\\Tavlen";

namespace {

std::string TempRoot()
{
    wchar_t buf[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, buf);
    std::string root = ToAnsi(buf);
    if (root.empty() || root.back() != '\\') root += "\\";
    return root;
}

}  // namespace

DialogTempFolder::DialogTempFolder(const std::string& name)
{
    // Always a new folder: a killed run may have left one of the same name
    // behind (process ids are reused).
    static int serial = 0;
    std::string base;
    for (;;) {
        base = TempRoot() + "tavlen-dlg-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial) +
               "\\";
        if (CreateDirectoryW(ToWide(base).c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw Exception("cannot create " + base);
    }
    path_ = base;
    if (!name.empty()) {
        path_ = base + name + "\\";
        CreateDirectoryW(ToWide(path_).c_str(), nullptr);
    }
    root_ = base;
}

DialogTempFolder::~DialogTempFolder() { DialogRemoveTree(root_.substr(0, root_.size() - 1)); }

std::string DialogTempFolder::File(const std::string& name, const std::string& bytes, DWORD attributes)
{
    std::string full = path_ + name;
    HANDLE h = CreateFileW(ToWide(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) throw Exception("cannot create " + full);
    DWORD written = 0;
    if (!bytes.empty()) WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(h);
    if (attributes) SetFileAttributesW(ToWide(full).c_str(), attributes);
    return full;
}

std::string DialogTempFolder::Folder(const std::string& name, DWORD attributes)
{
    std::string full = path_ + name;
    if (!CreateDirectoryW(ToWide(full).c_str(), nullptr)) throw Exception("cannot create " + full);
    if (attributes) SetFileAttributesW(ToWide(full).c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY);
    return full;
}

void DialogRemoveTree(const std::string& path)
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
            DialogRemoveTree(path + "\\" + ToAnsi(n));
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(w.c_str());
}

DialogHistoryGuard::DialogHistoryGuard()
{
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kDialogHistoryKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return;
    keyExisted_ = true;
    DWORD size = 0;
    if (RegQueryValueExW(k, L"data", nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
        valueExisted_ = true;
        bytes_.resize(size);
        RegQueryValueExW(k, L"data", nullptr, &type_, reinterpret_cast<BYTE*>(&bytes_[0]), &size);
        bytes_.resize(size);
    }
    RegCloseKey(k);
}

DialogHistoryGuard::~DialogHistoryGuard()
{
    if (!keyExisted_) {
        RegDeleteKeyW(HKEY_CURRENT_USER, kDialogHistoryKey);
        return;
    }
    HKEY k;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDialogHistoryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (valueExisted_)
        RegSetValueExW(k, L"data", 0, type_, reinterpret_cast<const BYTE*>(bytes_.data()), (DWORD)bytes_.size());
    else
        RegDeleteValueW(k, L"data");
    RegCloseKey(k);
}

DialogStoredHistory DialogReadHistory()
{
    DialogStoredHistory h;
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kDialogHistoryKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return h;
    h.KeyExists = true;
    DWORD size = 0;
    if (RegQueryValueExW(k, L"data", nullptr, &h.Type, nullptr, &size) == ERROR_SUCCESS) {
        h.ValueExists = true;
        std::vector<wchar_t> buf(size / 2 + 1, L'\0');
        RegQueryValueExW(k, L"data", nullptr, &h.Type, reinterpret_cast<BYTE*>(buf.data()), &size);
        if (h.Type == REG_SZ) h.Text = ToAnsi(buf.data());
    }
    RegCloseKey(k);
    return h;
}

namespace {

HKEY CreateHistoryKey()
{
    HKEY k = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kDialogHistoryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
    return k;
}

}  // namespace

void DialogWriteHistory(const std::string& text)
{
    HKEY k = CreateHistoryKey();
    std::wstring w = ToWide(text);
    RegSetValueExW(k, L"data", 0, REG_SZ, reinterpret_cast<const BYTE*>(w.c_str()), (DWORD)((w.size() + 1) * 2));
    RegCloseKey(k);
}

void DialogWriteHistoryDword(DWORD value)
{
    HKEY k = CreateHistoryKey();
    RegSetValueExW(k, L"data", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(k);
}

void DialogLockHistoryKey(bool lock)
{
    HKEY k;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kDialogHistoryKey, 0, WRITE_DAC, &k) != ERROR_SUCCESS) return;
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (ConvertStringSecurityDescriptorToSecurityDescriptorW(lock ? L"D:P(A;;KR;;;WD)" : L"D:P(A;;KA;;;WD)",
                                                             SDDL_REVISION_1, &sd, nullptr)) {
        RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, sd);
        LocalFree(sd);
    }
    RegCloseKey(k);
}

void DialogDeleteHistory() { RegDeleteKeyW(HKEY_CURRENT_USER, kDialogHistoryKey); }
