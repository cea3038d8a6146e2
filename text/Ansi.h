// Double-byte aware helpers for code page 932 texts. Positions are byte
// offsets from 0; a text must be scanned from its first byte to know which
// bytes are the second bytes of double-byte characters.
#pragma once

#include <cstddef>
#include <string>

// Lead bytes of code page 932: 0x81-0x9F and 0xE0-0xFC.
inline bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Offset of the first byte of the last character (0 for an empty text).
size_t LastCharPos(const std::string& s);
// Offset of the last byte of s that is one of `delimiters` and is not the
// second byte of a double-byte character; npos when there is none.
size_t LastDelimiter(const std::string& delimiters, const std::string& s);
// The part after the last "\" or ":".
std::string ExtractFileName(const std::string& path);
// Everything up to and including the last "\" or ":".
std::string ExtractFilePath(const std::string& path);
// From the last "." on, when it comes after the last "\" and ":"; else "".
std::string ExtractFileExt(const std::string& path);
// True when the last character is a backslash (not the second byte of a
// double-byte character).
bool HasTrailingBackslash(const std::string& path);
std::string IncludeTrailingBackslash(const std::string& path);
