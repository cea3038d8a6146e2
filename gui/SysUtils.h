// Texts that follow the user's locale: comparison and sort keys with case
// ignored, the size column with the user's thousands separator, and file
// times in local time.
#pragma once

#include <cstdint>
#include <string>

#include "gui/Win32.h"

// The user's locale order, case ignored: negative, 0 or positive.
int CompareText(const std::string& a, const std::string& b);
// A key whose byte order (unsigned) is the order of CompareText.
std::string SortKeyOf(const std::string& text);
// Size column text: ceil(size / 1024) with the user's thousands separator,
// followed by "KB"; empty for a folder.
std::string SizeText(uint64_t size, DWORD attributes);
// Time column text of a file time in UTC, in local time: "06/11/08 13:05".
std::string FileTimeText(const FILETIME& time);
