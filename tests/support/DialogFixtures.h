// Fixtures of the file selection dialog's tests: a temporary folder with real
// files, a guard that saves and restores the stored history in the registry,
// and the raw stored history.
#pragma once

#include <cstdint>
#include <string>

#include "gui/Win32.h"

// A fresh folder under the temporary folder, removed with everything in it.
class DialogTempFolder {
public:
    explicit DialogTempFolder(const std::string& name = "");
    ~DialogTempFolder();
    DialogTempFolder(const DialogTempFolder&) = delete;
    DialogTempFolder& operator=(const DialogTempFolder&) = delete;

    // The folder's path with a trailing backslash.
    const std::string& Path() const { return path_; }
    // Creates a file with the given bytes and attributes; returns its full path.
    std::string File(const std::string& name, const std::string& bytes = "", DWORD attributes = 0);
    std::string Folder(const std::string& name, DWORD attributes = 0);

private:
    std::string path_;
    std::string root_;
};

// Removes a file or folder tree, clearing read-only and other attributes.
void DialogRemoveTree(const std::string& path);

// Saves HKCU\Software\Brisvane\Tavlen "data" (or its absence) and puts it
// back when the test ends.
class DialogHistoryGuard {
public:
    DialogHistoryGuard();
    ~DialogHistoryGuard();

private:
    bool keyExisted_ = false;
    bool valueExisted_ = false;
    DWORD type_ = 0;
    std::string bytes_;
};

struct DialogStoredHistory {
    bool KeyExists = false;
    bool ValueExists = false;
    DWORD Type = 0;
    std::string Text;  // the value's text in code page 932, up to its first NUL
};
DialogStoredHistory DialogReadHistory();
// Stores text (code page 932) as the REG_SZ value, exactly as given.
void DialogWriteHistory(const std::string& text);
void DialogWriteHistoryDword(DWORD value);
// Lets everybody only read the key Tavlen (lock), or do anything (unlock).
void DialogLockHistoryKey(bool lock);
// Deletes the value and the key Tavlen.
void DialogDeleteHistory();

extern const wchar_t kDialogHistoryKey[];
