// Items of the file selection dialog's location box, built and read back.
#include "text/LocationText.h"

#include "text/Ansi.h"

namespace {

const char kDrives[] = "Drives";

// Offsets of the separators of a path: backslash bytes that are not the
// second byte of a double-byte character.
std::vector<size_t> SeparatorsOf(const std::string& path)
{
    std::vector<size_t> seps;
    for (size_t i = 0; i < path.size();) {
        unsigned char c = (unsigned char)path[i];
        if (IsLeadByte(c) && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (c == '\\') seps.push_back(i);
        ++i;
    }
    return seps;
}

// Drive number 0-25 of a path's first letter, either case; -1 for anything
// else.
int DriveOf(const std::string& path)
{
    if (path.empty()) return -1;
    char c = path[0];
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a';
    return -1;
}

}  // namespace

std::vector<std::string> LocationItems(const std::string& folder, uint32_t driveMask, int& marked)
{
    marked = -1;
    const bool drivesView = folder == kDrives;
    const int current = drivesView ? -1 : DriveOf(folder);

    std::vector<std::string> items;
    items.push_back(std::string("0:") + kDrives);
    if (drivesView) marked = 0;
    for (int i = 0; i < 26; ++i) {
        if (!(driveMask & (1u << i))) continue;
        items.push_back(std::string("1:") + (char)('A' + i) + ":\\");
        if (i != current) continue;
        const bool root = folder.size() >= 2 && folder[folder.size() - 2] == ':';
        if (!root) {
            std::vector<size_t> seps = SeparatorsOf(folder);
            for (size_t k = 2; k <= seps.size(); ++k)
                items.push_back(std::to_string(k) + ":" + folder.substr(0, seps[k - 1] + 1));
        }
        marked = (int)items.size() - 1;
    }
    if (marked != -1) items[marked] = "T" + items[marked];
    return items;
}

LocationItem ParseLocationItem(const std::string& item)
{
    LocationItem parsed{false, 0, std::string()};
    size_t start = 0;
    if (!item.empty() && item[0] == 'T') {
        parsed.marked = true;
        start = 1;
    }
    size_t colon = item.find(':');
    if (colon == std::string::npos) return parsed;
    parsed.location = item.substr(colon + 1);

    // Nine digits at most, so the number always fits in an int.
    if (colon <= start || colon - start > 9) return parsed;
    int level = 0;
    for (size_t i = start; i < colon; ++i) {
        if (item[i] < '0' || item[i] > '9') return parsed;
        level = level * 10 + (item[i] - '0');
    }
    parsed.level = level;
    return parsed;
}
