#include "tests/support/DialogFixtures.h"

#include <vector>

#include <sddl.h>

#include "gui/Exception.h"

const wchar_t kDialogHistoryKey[] = L"Software\\Brisvane\\Tavlen";

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
