// Texts of the file selection dialog that need no windows: the size and time
// columns, the part of a path up to its last separator, the stored file
// history, and the type text and letter of a drive's shell name.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Size column of a folder listing: ceil(size / 1024) in the "#,###" pattern
// with the user's thousands separator, followed by "KB" ("KB" alone for an
// empty file). Empty when the attributes carry the directory bit 0x10. The
// size is the full 64-bit size, so 3 GiB shows as 3,145,728KB.
std::string SizeTextOf(uint64_t size, uint32_t attributes, char thousandsSep);

// Time column of a folder listing from local calendar fields: two-digit
// year, month, day, hour and minute, "06/11/08 13:05". Seconds are not shown.
std::string TimeTextOf(int year, int month, int day, int hour, int minute);

// The text up to and including its last sep, or "" when there is none. A
// byte equal to sep that is the second byte of a double-byte character is
// not a match: "C:\Data\Texts" -> "C:\Data\", "Data" -> "".
std::string UpToLast(const std::string& text, char sep);
// True for the top of a network path, \\server\share\ (its parent would be
// the server, which is no folder), and for shorter network paths.
bool IsNetworkTop(const std::string& folder);

// The stored history text as entries: the text ends at its first NUL; lines
// end at CR LF, a lone CR or a lone LF; a break at the very end adds no empty
// entry, an empty line in the middle is kept.
std::vector<std::string> SplitHistory(const std::string& data);
// Every entry followed by CR LF, in order; an empty history is "".
std::string JoinHistory(const std::vector<std::string>& entries);

// Type text of a drive from its shell name: the name without its last five
// characters (" (C:)"), counted as characters so that a double-byte
// character is never cut in half; "" when the name has five characters or
// fewer. A type text that begins with "3.5" becomes
// "3.5 インチ フロッピー ディスク".
std::string DriveTypeText(const std::string& caption);
// The three shown texts of a drive entry from its shell name: the type text
// and, for a local disk ("ローカル ディスク") only, the total and free size that
// sizes() supplies (it is not called for other drives).
std::vector<std::string> DriveColumnTexts(const std::string& caption,
                                          const std::function<void(std::string& total, std::string& free)>& sizes);
extern const char* const kFloppyTypeText;
// The drive letter in a shell name that ends with "(C:)": its third byte from
// the end; '\0' for a name shorter than three bytes.
char DriveLetterOfCaption(const std::string& caption);
