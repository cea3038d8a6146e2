#include "text/DialogText.h"

#include <cstdio>

#include "text/Ansi.h"
#include "text/Lines.h"
#include "text/Numbers.h"

const char* const kFloppyTypeText = "3.5 インチ フロッピー ディスク";

std::string SizeTextOf(uint64_t size, uint32_t attributes, char thousandsSep)
{
    if (attributes & 0x10) return std::string();
    // ceil(size / 1024) in whole numbers, exact for every 64-bit size; the
    // "#,###" pattern writes no digit for zero.
    uint64_t k = size / 1024 + (size % 1024 != 0);
    return (k == 0 ? std::string() : GroupDigits(std::to_string(k), thousandsSep)) + "KB";
}

std::string TimeTextOf(int year, int month, int day, int hour, int minute)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%02d %02d:%02d", year, month, day, hour, minute);
    std::string text = buf;
    return text.size() > 2 ? text.substr(2) : std::string();
}

std::string UpToLast(const std::string& text, char sep)
{
    size_t p = LastDelimiter(std::string(1, sep), text);
    return p == std::string::npos ? std::string() : text.substr(0, p + 1);
}

std::vector<std::string> SplitHistory(const std::string& data)
{
    size_t end = data.find('\0');
    if (end == std::string::npos) end = data.size();
    std::vector<std::string> entries;
    ForEachLine(data.data(), end, [&](const char* p, size_t n) { entries.emplace_back(p, n); });
    return entries;
}

std::string JoinHistory(const std::vector<std::string>& entries)
{
    std::string text;
    for (const auto& e : entries) {
        text += e;
        text += "\r\n";
    }
    return text;
}

std::string DriveTypeText(const std::string& caption)
{
    // Offsets of the characters' first bytes, scanned from the start.
    std::vector<size_t> starts;
    for (size_t i = 0; i < caption.size();) {
        starts.push_back(i);
        i += (IsLeadByte((unsigned char)caption[i]) && i + 1 < caption.size()) ? 2 : 1;
    }
    std::string type = starts.size() > 5 ? caption.substr(0, starts[starts.size() - 5]) : std::string();
    // '3', '.' and '5' are single-byte characters, so comparing the first
    // three bytes compares the first three characters.
    if (type.compare(0, 3, "3.5") == 0) return kFloppyTypeText;
    return type;
}

char DriveLetterOfCaption(const std::string& caption)
{
    return caption.size() >= 3 ? caption[caption.size() - 3] : '\0';
}

std::vector<std::string> DriveColumnTexts(const std::string& caption,
                                          const std::function<void(std::string& total, std::string& free)>& sizes)
{
    static const char kLocalDisk[] = "ローカル ディスク";
    std::vector<std::string> texts{DriveTypeText(caption), "", ""};
    if (texts[0] == kLocalDisk) sizes(texts[1], texts[2]);
    return texts;
}

bool IsNetworkTop(const std::string& folder)
{
    if (folder.size() < 2 || folder[0] != '\\' || folder[1] != '\\') return false;
    std::string parent = UpToLast(folder.substr(0, folder.size() - 1), '\\');
    int separators = 0;
    for (size_t i = 0; i < parent.size(); ++i) {
        if (IsLeadByte((unsigned char)parent[i])) {
            ++i;
            continue;
        }
        if (parent[i] == '\\') ++separators;
    }
    return separators < 4;
}
