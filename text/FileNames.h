// Names of the file selection dialog's file commands: the name of a copy,
// the name of a new folder, whether a typed name can be a file name, and
// whether a path lies in a folder (pasting a folder into itself is refused).
#pragma once

#include <functional>
#include <string>

using TNameTaken = std::function<bool(const std::string&)>;

// The n-th name for a copy of `name`: the name itself for n <= 0,
// "<stem> - コピー<ext>" for n == 1 and "<stem> - コピー (n)<ext>" from 2 on.
// A folder has no extension (dots in its name belong to the stem). A file's
// extension starts at its last dot (a real dot, never a byte inside a
// double-byte character) unless that dot is the first byte: ".profile" has
// none, "a.tar.gz" has ".gz".
std::string CopyName(const std::string& name, bool isFolder, int n);

// The first of CopyName(name, isFolder, 0), (..., 1), (..., 2), ... that is
// not taken. Gives up after kMaxNameTries names and then returns "".
std::string FreeCopyName(const std::string& name, bool isFolder, const TNameTaken& taken);
constexpr int kMaxNameTries = 100000;

// "新しいフォルダ" for n <= 1, else "新しいフォルダ (n)".
std::string NewFolderName(int n);
// "新しいフォルダ" when it does not exist, else the first of
// NewFolderName(2), (3), ... that does not ("(1)" is never used). Gives up
// after kMaxNameTries names and then returns "".
std::string FirstFreeNewFolderName(const TNameTaken& exists);

// False for a name the file system would refuse or misread: an empty name;
// one with a \ / : * ? " < > | or a control byte below 0x20 (as a character
// of its own: the second byte of a double-byte character, such as the 0x5C
// of 表, is no character); one ending in "." or " " ("." and ".." too); one
// ending in a lead byte with no second byte; the device names CON, PRN, AUX,
// NUL, COM1-COM9 and LPT1-LPT9 in any case, alone or before a dot ("con.txt",
// "Nul.a.b"). True otherwise.
bool IsAcceptableFileName(const std::string& name);

// True when the full path `path` is the full folder path `folder` or lies
// inside it. Trailing backslashes do not matter; ASCII letters are compared
// without case, except second bytes of double-byte characters, which must be
// equal. "C:\a\" and "C:\ab\" are different folders. False when either is
// empty.
bool IsSameOrBelow(const std::string& folder, const std::string& path);
