// File-system wrappers: existence tests of files and folders, the directory
// search, and which entries a folder listing shows.
#pragma once

#include <string>

#include "gui/Win32.h"

// True when a folder of that path exists.
bool DirectoryExists(const std::string& path);
// True when a directory entry of that path exists and is not a folder.
bool FileExists(const std::string& path);
// True when an entry of that path (file or folder) exists, or when the file
// system cannot tell (access denied, for one): such a name counts as taken.
bool EntryMayExist(const std::string& path);

// "." and "..".
bool IsDotName(const wchar_t* name);
// The entries a listing shows: folders and files that are neither hidden nor
// system, nor a volume label; never "." and "..".
bool IsListableEntry(const WIN32_FIND_DATAW& entry);

// The name by which an entry of a directory search can be reached from a
// code page 932 path: its name where the name survives the conversion, else
// its short (8.3) name, which always does. (The conversion maps characters
// it lacks to look-alikes without saying so: café.txt would become cafe.txt,
// another file or none.)
// `shown` is the entry's ShownName.
std::string ReachableName(const WIN32_FIND_DATAW& entry, const std::string& shown);
inline std::string ShownName(const WIN32_FIND_DATAW& entry) { return ToAnsi(entry.cFileName); }
inline std::string ReachableName(const WIN32_FIND_DATAW& entry) { return ReachableName(entry, ShownName(entry)); }

// Runs f for every entry that a directory search of pattern finds.
template <class F>
void ForEachEntry(const std::string& pattern, F f)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(ToWide(pattern).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    struct Closer {
        HANDLE h;
        ~Closer() { FindClose(h); }
    } closer{h};
    do
        f(fd);
    while (FindNextFileW(h, &fd));
}
