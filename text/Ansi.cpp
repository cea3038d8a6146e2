#include "text/Ansi.h"

size_t LastCharPos(const std::string& s)
{
    size_t last = 0;
    for (size_t i = 0; i < s.size();) {
        last = i;
        i += (IsLeadByte((unsigned char)s[i]) && i + 1 < s.size()) ? 2 : 1;
    }
    return last;
}

size_t LastDelimiter(const std::string& delimiters, const std::string& s)
{
    size_t found = std::string::npos;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = (unsigned char)s[i];
        if (IsLeadByte(c) && i + 1 < s.size()) {
            i += 2;
            continue;
        }
        if (delimiters.find((char)c) != std::string::npos) found = i;
        ++i;
    }
    return found;
}

std::string ExtractFileName(const std::string& path)
{
    size_t p = LastDelimiter("\\:", path);
    return p == std::string::npos ? path : path.substr(p + 1);
}

std::string ExtractFilePath(const std::string& path)
{
    size_t p = LastDelimiter("\\:", path);
    return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string ExtractFileExt(const std::string& path)
{
    size_t p = LastDelimiter(".\\:", path);
    if (p != std::string::npos && path[p] == '.') return path.substr(p);
    return std::string();
}

bool HasTrailingBackslash(const std::string& path)
{
    if (path.empty()) return false;
    size_t last = LastCharPos(path);
    return last == path.size() - 1 && path[last] == '\\';
}

std::string IncludeTrailingBackslash(const std::string& path)
{
    return HasTrailingBackslash(path) ? path : path + "\\";
}
