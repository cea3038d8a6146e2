// Shell wrappers: what the shell tells about a path (display name, type name,
// small icon), the system's small-icon list, a cache of those answers for one
// listing, and the shell's file operations.
#pragma once

#include <map>
#include <string>

#include "gui/Win32.h"

// What the shell tells about a path: display name, type name and the index
// of its small icon in the system image list.
struct TShellFileInfo {
    std::string DisplayName;
    std::string TypeName;
    int IconIndex = 0;
};
// Queries the shell for path; with openIcon the icon is the open-state one.
// When the query fails the record shows the path's file name, an empty type
// and icon 0, never an earlier entry's values.
bool GetShellFileInfo(const std::string& path, TShellFileInfo& info, bool openIcon = false);

// The system's list of small icons (shared: never destroy it), or null.
HIMAGELIST SystemSmallImageList();

// The shell's answers for the files of one listing. A shell query on a real
// path is slow (under Wine several milliseconds), while a file's type name,
// icon and the showing of its extension depend on its extension only, except
// for the kinds that carry their own icon. So each extension is asked once,
// on its first file, and the other files of that extension take the same
// answer, with the display name formed the way the shell formed it for the
// first one (with or without the extension). Extensions that differ in case
// are asked apart, since the shell's type name may show the case. Folders,
// files without an extension and files with their own icons are asked one by
// one.
class ShellInfoCache {
public:
    void Get(const std::string& full, const std::string& name, bool folder, TShellFileInfo& info);

private:
    static bool OwnIcon(std::string ext);
    enum class Shows { Extension, Bare, Unknown };
    struct Known {
        std::string type;
        int icon = 0;
        Shows shows = Shows::Unknown;
    };
    std::map<std::string, Known> byExt_;
};

// One shell file operation (FO_COPY, FO_MOVE, FO_DELETE, FO_RENAME) on one
// path, with the shell's own windows owned by owner. `to` is null for none.
// Paths of any length are passed whole. True when the shell returned 0 and
// reported that nothing was aborted.
bool ShellFileOperation(HWND owner, UINT func, const std::string& from, const std::string* to, FILEOP_FLAGS flags,
                        const std::string& progressTitle);
