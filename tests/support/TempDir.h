// A temporary folder for the files of one test, removed with everything in
// it when the object goes. Always a new folder: a killed run may have left
// one of the same name behind (process ids are reused). Paths are code page
// 932 texts.
#pragma once

#include <string>
#include <vector>

#include "gui/Win32.h"

class TTempDir {
public:
    // With a name, the test's folder is a sub-folder of that name (for
    // folder names that matter to a test, such as double-byte ones).
    explicit TTempDir(const std::string& name = "");
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    // The folder, with a trailing backslash.
    const std::string& Path() const { return path_; }
    // Writes bytes to a file of the folder, then gives it the attributes
    // (0 leaves them); returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const { return File(name, bytes); }
    std::string File(const std::string& name, const std::string& bytes = "", DWORD attributes = 0) const;
    std::string Folder(const std::string& name, DWORD attributes = 0) const;
    // The names of the entries of the folder, or of its sub-folder of that
    // name, without "." and "..", sorted.
    std::vector<std::string> EntryNames(const std::string& sub = "") const;

private:
    std::string path_;
    std::string root_;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
// Removes a file or a folder tree, clearing read-only and other attributes.
void RemoveTree(const std::string& path);
