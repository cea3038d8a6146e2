#include "gui/Registry.h"

#include <vector>

#include "gui/Exception.h"

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::CloseKey()
{
    if (current_) RegCloseKey(current_);
    current_ = nullptr;
}

HKEY TRegistry::BaseFor(std::string& key) const
{
    bool absolute = !key.empty() && key[0] == '\\';
    if (absolute) key.erase(0, 1);
    while (!key.empty() && key.back() == '\\') key.pop_back();
    return (absolute || !current_) ? RootKey : current_;
}

bool TRegistry::OpenKey(const std::string& keyName, bool canCreate)
{
    std::string key = keyName;
    HKEY base = BaseFor(key);
    HKEY opened = nullptr;
    std::wstring w = ToWide(key);
    LONG rc;
    if (canCreate)
        rc = RegCreateKeyExW(base, w.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &opened,
                             nullptr);
    else
        rc = RegOpenKeyExW(base, w.c_str(), 0, KEY_ALL_ACCESS, &opened);
    if (rc != ERROR_SUCCESS) return false;
    CloseKey();
    current_ = opened;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& keyName)
{
    std::string key = keyName;
    HKEY base = BaseFor(key);
    HKEY opened = nullptr;
    if (RegOpenKeyExW(base, ToWide(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    CloseKey();
    current_ = opened;
    return true;
}

bool TRegistry::KeyExists(const std::string& keyName)
{
    std::string key = keyName;
    HKEY base = BaseFor(key);
    HKEY opened = nullptr;
    if (RegOpenKeyExW(base, ToWide(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

bool TRegistry::ValueExists(const std::string& name)
{
    if (!current_) return false;
    return RegQueryValueExW(current_, ToWide(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const std::string& name)
{
    if (!current_) return false;
    return RegDeleteValueW(current_, ToWide(name).c_str()) == ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name)
{
    if (!current_) return std::string();
    std::wstring w = ToWide(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(current_, w.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::string();
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw ERegistryException("Invalid data type for '" + name + "'");
    std::vector<wchar_t> buf(size / sizeof(wchar_t) + 2, L'\0');
    DWORD got = (DWORD)(buf.size() * sizeof(wchar_t));
    if (RegQueryValueExW(current_, w.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &got) !=
        ERROR_SUCCESS)
        throw ERegistryException("Invalid data type for '" + name + "'");
    size_t n = 0;
    size_t limit = got / sizeof(wchar_t);
    while (n < limit && buf[n] != L'\0') ++n;
    return ToAnsi(buf.data(), (int)n);
}

void TRegistry::WriteString(const std::string& name, const std::string& value)
{
    std::wstring data = ToWide(value);
    LONG rc = ERROR_INVALID_HANDLE;
    if (current_)
        rc = RegSetValueExW(current_, ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                            (DWORD)((data.size() + 1) * sizeof(wchar_t)));
    if (rc != ERROR_SUCCESS) throw ERegistryException("Failed to set data for '" + name + "'");
}
