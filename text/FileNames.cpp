// Names of the file selection dialog's file commands.
#include "text/FileNames.h"

#include "text/Ansi.h"

namespace {

const char kCopyMark[] = " - コピー";
const char kNewFolder[] = "新しいフォルダ";

// The extension of a file name: from its last real dot, unless that dot is
// the first byte; "" when there is none.
size_t ExtensionPos(const std::string& name, bool isFolder)
{
    if (isFolder) return name.size();
    size_t dot = LastDelimiter(".", name);
    return dot == std::string::npos || dot == 0 ? name.size() : dot;
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c; }

bool IsDeviceName(const std::string& base)
{
    static const char* const devices[] = {"CON", "PRN", "AUX", "NUL"};
    std::string upper;
    for (char c : base) upper += UpperAscii(c);
    for (const char* d : devices)
        if (upper == d) return true;
    return upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
           upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

std::string CopyName(const std::string& name, bool isFolder, int n)
{
    if (n <= 0) return name;
    size_t ext = ExtensionPos(name, isFolder);
    std::string copy = name.substr(0, ext) + kCopyMark;
    if (n >= 2) copy += " (" + std::to_string(n) + ")";
    return copy + name.substr(ext);
}

std::string FreeCopyName(const std::string& name, bool isFolder, const TNameTaken& taken)
{
    for (int n = 0; n < kMaxNameTries; ++n) {
        std::string candidate = CopyName(name, isFolder, n);
        if (!taken(candidate)) return candidate;
    }
    return std::string();
}

std::string NewFolderName(int n)
{
    if (n <= 1) return kNewFolder;
    return std::string(kNewFolder) + " (" + std::to_string(n) + ")";
}

std::string FirstFreeNewFolderName(const TNameTaken& exists)
{
    // Tries 1 (the plain name), then 2, 3, ...
    for (int n = 1; n <= kMaxNameTries; ++n) {
        std::string candidate = NewFolderName(n);
        if (!exists(candidate)) return candidate;
    }
    return std::string();
}

bool IsAcceptableFileName(const std::string& name)
{
    if (name.empty()) return false;
    for (size_t i = 0; i < name.size();) {
        unsigned char c = (unsigned char)name[i];
        if (IsLeadByte(c)) {
            if (i + 1 >= name.size()) return false;  // a lead byte cut off
            i += 2;
            continue;
        }
        if (c < 0x20 || std::string("\\/:*?\"<>|").find((char)c) != std::string::npos) return false;
        ++i;
    }
    // The last byte is a character of its own here: a cut-off lead byte was
    // refused above, and "." and " " are never second bytes.
    char last = name.back();
    if (last == '.' || last == ' ') return false;  // also "." and ".."
    return !IsDeviceName(name.substr(0, name.find('.')));
}

bool IsSameOrBelow(const std::string& folder, const std::string& path)
{
    if (folder.empty() || path.empty()) return false;
    const std::string f = IncludeTrailingBackslash(folder);
    const std::string p = IncludeTrailingBackslash(path);
    if (p.size() < f.size()) return false;
    // While the bytes agree, both texts split into the same characters, so
    // f's scan tells which bytes of p are second bytes too. f ends in a real
    // backslash, so a match ends at a folder boundary of p.
    for (size_t i = 0; i < f.size();) {
        if (IsLeadByte((unsigned char)f[i]) && i + 1 < f.size()) {
            if (f[i] != p[i] || f[i + 1] != p[i + 1]) return false;
            i += 2;
            continue;
        }
        if (UpperAscii(f[i]) != UpperAscii(p[i])) return false;
        ++i;
    }
    return true;
}
