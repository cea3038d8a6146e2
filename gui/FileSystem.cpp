// File-system wrappers: existence tests and the entries a listing shows.
#include "gui/FileSystem.h"

bool DirectoryExists(const std::string& path)
{
    DWORD a = GetFileAttributesW(ToWide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path)
{
    if (path.empty()) return false;
    DWORD a = GetFileAttributesW(ToWide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool EntryMayExist(const std::string& path)
{
    if (GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    DWORD e = GetLastError();
    return e != ERROR_FILE_NOT_FOUND && e != ERROR_PATH_NOT_FOUND;
}

bool IsDotName(const wchar_t* name)
{
    return (name[0] == L'.' && name[1] == L'\0') || (name[0] == L'.' && name[1] == L'.' && name[2] == L'\0');
}

bool IsListableEntry(const WIN32_FIND_DATAW& entry)
{
    if (IsDotName(entry.cFileName)) return false;
    const DWORD hidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | 0x08 /* volume label */;
    return !(entry.dwFileAttributes & hidden);
}

std::string ReachableName(const WIN32_FIND_DATAW& entry, const std::string& shown)
{
    // A name of ASCII characters always survives; only others are converted back to see.
    const wchar_t* c = entry.cFileName;
    while (*c && *c < 0x80) ++c;
    if (!*c || ToWide(shown) == entry.cFileName || !entry.cAlternateFileName[0]) return shown;
    return ToAnsi(entry.cAlternateFileName);
}
