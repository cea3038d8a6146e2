// Fuzz harness of the location box (text/LocationText.h): every item reads
// back to what built it, the folder items' levels and locations agree with
// a reference split at real backslashes (a 0x5C second byte splits
// nothing), at most one item carries the mark, and the parser takes any
// text without failing and reads back any item it is given.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "text/LocationText.h"

namespace {

std::string ItemText(bool marked, int level, const std::string& location)
{
    return (marked ? "T" : "") + std::to_string(level) + ":" + location;
}

// Offsets of the real backslashes of a path.
std::vector<size_t> RefSeparators(const std::string& path)
{
    std::vector<size_t> seps;
    std::vector<size_t> starts = RefCharStarts(path);
    for (size_t k = 0; k < starts.size(); ++k) {
        size_t end = k + 1 < starts.size() ? starts[k + 1] : path.size();
        if (end - starts[k] == 1 && path[starts[k]] == '\\') seps.push_back(starts[k]);
    }
    return seps;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const uint32_t mask = in.Number<uint32_t>();
    const uint8_t shape = in.Byte();
    const std::string raw = in.Rest();

    // The parser on any text: the location is everything after the first
    // colon, and what it reads back builds an item that reads the same.
    {
        LocationItem p = ParseLocationItem(raw);
        size_t colon = raw.find(':');
        FUZZ_CHECK(p.location == (colon == std::string::npos ? "" : raw.substr(colon + 1)));
        FUZZ_CHECK(p.marked == (!raw.empty() && raw[0] == 'T'));
        FUZZ_CHECK(p.level >= 0 && p.level <= 999999999);
        if (colon != std::string::npos) {
            LocationItem q = ParseLocationItem(ItemText(p.marked, p.level, p.location));
            FUZZ_CHECK(q.marked == p.marked && q.level == p.level && q.location == p.location);
        }
        // Any mark, level and location: parse(build(x)) == x.
        int level = (int)((unsigned)mask % 1000000000u);
        LocationItem r = ParseLocationItem(ItemText(shape & 1, level, raw));
        FUZZ_CHECK(r.marked == (bool)(shape & 1) && r.level == level && r.location == raw);
    }

    // A folder: the drives view, or a path on a drive letter made from the
    // input (either case), usually ending with a backslash.
    std::string folder;
    if (shape % 16 == 0) {
        folder = "Drives";
    } else {
        char letter = (char)((shape & 0x20 ? 'a' : 'A') + (shape >> 1) % 26);
        // Folder names cannot hold a colon; the root is "X:\\".
        std::string names = raw;
        for (char& c : names)
            if (c == ':') c = '_';
        folder = std::string(1, letter) + ":\\" + names;
        if (shape & 0x40 && !folder.empty() && folder.back() != '\\') folder += '\\';
    }
    int marked = -2;
    const std::vector<std::string> items = LocationItems(folder, mask, marked);

    // Item 0 is the computer, then the roots of the mask in order, each
    // followed, for the current drive, by the folder's levels.
    FUZZ_CHECK(!items.empty());
    size_t markCount = 0;
    std::vector<LocationItem> parsed;
    for (const std::string& item : items) {
        LocationItem p = ParseLocationItem(item);
        FUZZ_CHECK(ItemText(p.marked, p.level, p.location) == item);  // build(parse(item)) == item
        if (p.marked) ++markCount;
        parsed.push_back(p);
    }
    FUZZ_CHECK(parsed[0].level == 0 && parsed[0].location == "Drives");
    FUZZ_CHECK(markCount == (marked == -1 ? 0u : 1u));
    if (marked != -1) FUZZ_CHECK(marked >= 0 && (size_t)marked < items.size() && parsed[marked].marked);

    const bool drivesView = folder == "Drives";
    const int current = drivesView ? -1 : (folder[0] | 0x20) - 'a';
    std::vector<std::string> expect{"0:Drives"};
    int expectMarked = drivesView ? 0 : -1;
    const std::vector<size_t> seps = drivesView ? std::vector<size_t>() : RefSeparators(folder);
    for (int d = 0; d < 26; ++d) {
        if (!(mask >> d & 1)) continue;
        expect.push_back(std::string("1:") + (char)('A' + d) + ":\\");
        if (d != current) continue;
        const bool root = folder.size() >= 2 && folder[folder.size() - 2] == ':';
        if (!root)
            for (size_t k = 2; k <= seps.size(); ++k) expect.push_back(std::to_string(k) + ":" + folder.substr(0, seps[k - 1] + 1));
        expectMarked = (int)expect.size() - 1;
    }
    FUZZ_CHECK(marked == expectMarked);
    for (size_t i = 0; i < expect.size(); ++i)
        if ((int)i == marked) expect[i] = "T" + expect[i];
    FUZZ_CHECK(items == expect);

    // Each folder level k holds k real backslashes and ends with one; the
    // folder itself is the last level when it ends with a real backslash.
    for (const LocationItem& p : parsed) {
        if (p.level < 2) continue;
        FUZZ_CHECK(RefSeparators(p.location).size() == (size_t)p.level);
        FUZZ_CHECK(!p.location.empty() && RefSeparators(p.location).back() == p.location.size() - 1);
        FUZZ_CHECK(folder.compare(0, p.location.size(), p.location) == 0);
    }
    // (A root's item is written with a capital letter.)
    if (marked > 0 && !seps.empty() && seps.back() == folder.size() - 1) {
        std::string own = folder;
        if (parsed[marked].level == 1) own[0] = (char)(own[0] & ~0x20);
        FUZZ_CHECK(parsed[marked].location == own);
    }
    return 0;
}
