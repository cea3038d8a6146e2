// Fixtures of the file selection dialog's tests: a guard that saves and
// restores the stored history in the registry, and the raw stored history.
// (Temporary folders with real files: tests/support/TempDir.h.)
#pragma once

#include <cstdint>
#include <string>

#include "gui/Win32.h"
#include "tests/support/TempDir.h"

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
