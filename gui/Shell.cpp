// Shell wrappers: file information, the system's small icons, the cache of
// one listing's answers, and the shell's file operations.
#include "gui/Shell.h"

#include <vector>

#include "text/Ansi.h"

bool GetShellFileInfo(const std::string& path, TShellFileInfo& info, bool openIcon)
{
    SHFILEINFOW sfi{};
    UINT flags = SHGFI_DISPLAYNAME | SHGFI_TYPENAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    if (openIcon) flags |= SHGFI_OPENICON;
    DWORD_PTR ok = SHGetFileInfoW(ToWide(path).c_str(), 0, &sfi, sizeof(sfi), flags);
    if (!ok) {
        std::string name = ExtractFileName(path);
        info.DisplayName = name.empty() ? path : name;
        info.TypeName.clear();
        info.IconIndex = 0;
        return false;
    }
    info.DisplayName = ToAnsi(sfi.szDisplayName);
    info.TypeName = ToAnsi(sfi.szTypeName);
    info.IconIndex = sfi.iIcon;
    return true;
}

HIMAGELIST SystemSmallImageList()
{
    SHFILEINFOW sfi{};
    return (HIMAGELIST)SHGetFileInfoW(L"", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
}

void ShellInfoCache::Get(const std::string& full, const std::string& name, bool folder, TShellFileInfo& info)
{
    // The extension exactly as written: the shell's type name may show its case.
    std::string ext = ExtractFileExt(name);
    if (folder || ext.size() < 2 || OwnIcon(ext)) {
        GetShellFileInfo(full, info);
        return;
    }
    auto it = byExt_.find(ext);
    if (it == byExt_.end()) {
        if (!GetShellFileInfo(full, info)) return;  // failures are not kept
        Known k;
        k.type = info.TypeName;
        k.icon = info.IconIndex;
        std::string bare = name.substr(0, name.size() - ext.size());
        if (info.DisplayName == name)
            k.shows = Shows::Extension;
        else if (info.DisplayName == bare)
            k.shows = Shows::Bare;
        else
            k.shows = Shows::Unknown;
        byExt_.emplace(ext, k);
        return;
    }
    const Known& k = it->second;
    if (k.shows == Shows::Unknown) {
        GetShellFileInfo(full, info);
        return;
    }
    info.DisplayName = k.shows == Shows::Extension ? name : name.substr(0, name.size() - ext.size());
    info.TypeName = k.type;
    info.IconIndex = k.icon;
}

bool ShellInfoCache::OwnIcon(std::string ext)
{
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
    static const char* const own[] = {".exe", ".ico", ".lnk", ".cur", ".ani", ".url", ".scr", ".pif", ".dll", ".cpl"};
    for (const char* o : own)
        if (ext == o) return true;
    return false;
}

namespace {

// A list of one path for the shell: the path, its NUL, and a second NUL.
std::vector<wchar_t> PathList(const std::string& path)
{
    std::wstring w = ToWide(path);
    std::vector<wchar_t> list(w.begin(), w.end());
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

}  // namespace

bool ShellFileOperation(HWND owner, UINT func, const std::string& from, const std::string* to, FILEOP_FLAGS flags,
                        const std::string& progressTitle)
{
    std::vector<wchar_t> fromList = PathList(from);
    std::vector<wchar_t> toList;
    if (to) toList = PathList(*to);
    std::wstring title = ToWide(progressTitle);
    SHFILEOPSTRUCTW op{};
    op.hwnd = owner;
    op.wFunc = func;
    op.pFrom = fromList.data();
    op.pTo = to ? toList.data() : nullptr;
    op.fFlags = flags;
    op.fAnyOperationsAborted = FALSE;
    op.hNameMappings = nullptr;
    op.lpszProgressTitle = title.c_str();
    int result = SHFileOperationW(&op);
    return result == 0 && !op.fAnyOperationsAborted;
}
