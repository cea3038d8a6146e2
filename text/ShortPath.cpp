#include "text/ShortPath.h"

#include <vector>

#include "text/Ansi.h"

std::string ShortenPath(const std::string& path, int maxWidth, const TTextWidth& width)
{
    if (width(path) <= maxWidth) return path;

    std::string dir = ExtractFilePath(path);
    std::string name = ExtractFileName(path);
    std::string drive;
    // "X:" at the start, where X is a single-byte character.
    if (dir.size() >= 2 && dir[1] == ':' && !IsLeadByte((unsigned char)dir[0])) {
        drive = dir.substr(0, 2);
        dir.erase(0, 2);
    }
    bool root = !dir.empty() && dir[0] == '\\';
    if (root) dir.erase(0, 1);
    // The folders of dir, each without its backslash. A backslash that is
    // the second byte of a double-byte character does not split a folder.
    std::vector<std::string> folders;
    {
        std::string current;
        for (size_t i = 0; i < dir.size();) {
            unsigned char c = (unsigned char)dir[i];
            if (IsLeadByte(c) && i + 1 < dir.size()) {
                current.append(dir, i, 2);
                i += 2;
            } else if (c == '\\') {
                folders.push_back(current);
                current.clear();
                ++i;
            } else {
                current += (char)c;
                ++i;
            }
        }
        if (!current.empty()) folders.push_back(current);
    }

    // Steps: cut one folder after another, then the drive (and the root
    // backslash with it), then the "...\" itself.
    size_t cut = 0;
    bool keepDrive = true, keepEllipsis = true;
    auto compose = [&]() {
        std::string s;
        if (keepDrive) {
            s += drive;
            if (root) s += '\\';
        }
        if (cut > 0 && keepEllipsis) s += "...\\";
        for (size_t i = cut; i < folders.size(); ++i) s += folders[i] + "\\";
        return s + name;
    };
    std::string result = path;
    for (;;) {
        if (cut < folders.size()) {
            ++cut;
        } else if (keepDrive && (!drive.empty() || root)) {
            keepDrive = false;
        } else if (cut > 0 && keepEllipsis) {
            keepEllipsis = false;
        } else {
            break;
        }
        result = compose();
        if (width(result) <= maxWidth) break;
    }
    return result;
}
