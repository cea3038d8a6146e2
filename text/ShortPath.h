// Fitting a full path into a width in pixels: the leading folders are
// replaced one at a time by "...\", keeping the drive and the file name;
// when no folder is left the drive goes, and then the "...\". A path of which
// only the file name is left is returned whole, however wide it is.
#pragma once

#include <functional>
#include <string>

using TTextWidth = std::function<int(const std::string&)>;

std::string ShortenPath(const std::string& path, int maxWidth, const TTextWidth& width);
