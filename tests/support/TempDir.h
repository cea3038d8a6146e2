// A temporary folder for the files of one test, removed with everything in
// it when the object goes. Paths are code page 932 texts.
#pragma once

#include <string>

class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    // The folder, with a trailing backslash.
    const std::string& Path() const { return path_; }
    // Writes bytes to a file of the folder; returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Folder(const std::string& name) const;

private:
    std::string path_;
};

void WriteFileBytes(const std::string& path, const std::string& bytes);
