// Items of the file selection dialog's location box. Each item is one text
// "[T]<level>:<location>": an optional mark "T" on the current location,
// the level in decimal (0 the computer, 1 a drive root, 2 a folder directly
// under a root, ...), a colon, and the location: "Drives" at level 0, else a
// full folder path ending with a backslash.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The items for the current folder `folder` ("Drives" for the drives view,
// else a folder path ending with a backslash) and the logical drive mask
// (bit i is drive 'A' + i; bits above 25 are ignored). In order: "0:Drives";
// then for every drive in the mask its root "1:X:\"; right after the
// current drive's root (the folder's first letter, either case), one item
// per folder level from level 2 down to the folder itself, each path up to
// and including a separator. A separator is a backslash byte that is not the
// second byte of a double-byte character, so "C:\表\" is a single level.
// The current location's item gets the mark and `marked` is its index:
// the folder's own item, the drive root when the folder is a root, item 0
// in the drives view. A folder on no drive of the mask (a share, a drive
// that is gone) gets no mark and `marked` is -1.
std::vector<std::string> LocationItems(const std::string& folder, uint32_t driveMask, int& marked);

struct LocationItem {
    bool marked;
    int level;
    std::string location;
};

// One item read back: the mark is a leading "T"; the level is the decimal
// number between the mark and the first colon; the location is everything
// after the first colon ("T3:C:\a\" -> marked, 3, "C:\a\"). A malformed
// item reads as level 0 (no colon, or anything but 1 to 9 digits before it)
// and location "" when there is no colon; it never fails.
LocationItem ParseLocationItem(const std::string& item);
