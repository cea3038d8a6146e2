// The registry wrapper: one current key under a root key, texts read and
// written through the W functions and converted with code page 932.
#pragma once

#include <string>

#include "gui/Win32.h"

class TRegistry {
public:
    TRegistry() = default;
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey = HKEY_CURRENT_USER;
    HKEY CurrentKey() const { return current_; }

    // Opens a key, relative to the current key unless it starts with a
    // backslash or no key is open; creates it when canCreate. False when it
    // cannot be opened (or created).
    bool OpenKey(const std::string& key, bool canCreate);
    // Opens an existing key for reading only.
    bool OpenKeyReadOnly(const std::string& key);
    void CloseKey();
    bool KeyExists(const std::string& key);
    bool ValueExists(const std::string& name);
    bool DeleteValue(const std::string& name);

    // A string value of the current key, cut at its first NUL; "" when the
    // value is missing. Raises ERegistryException for a value of another type.
    std::string ReadString(const std::string& name);
    // Raises ERegistryException when the value cannot be written.
    void WriteString(const std::string& name, const std::string& value);

private:
    HKEY BaseFor(std::string& key) const;
    HKEY current_ = nullptr;
};
