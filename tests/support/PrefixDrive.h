// A drive letter of the Wine prefix that maps to a Unix folder: the link
// dosdevices/<letter>: of the prefix, made and removed through the Unix
// side's own ln and rm, which Wine starts from their Z: paths (Wine's
// CreateSymbolicLinkW reports success and makes nothing, and
// DefineDosDeviceW fails). The folder is made under /tmp with one file,
// inside.txt. GetLogicalDrives does not learn of such a drive: tests add it
// to the dialog's drive mask themselves.
#pragma once

#include <string>
#include <vector>

// Runs a Unix program (its path from the root, "/bin/ln") with arguments and
// waits for it. Its exit code does not come back reliably: check the effect.
void RunUnix(const std::string& program, const std::vector<std::string>& args);

class TPrefixDrive {
public:
    explicit TPrefixDrive(char letter);
    ~TPrefixDrive();
    TPrefixDrive(const TPrefixDrive&) = delete;
    TPrefixDrive& operator=(const TPrefixDrive&) = delete;

    bool Known() const { return !prefix_.empty(); }  // WINEPREFIX was found
    void Attach();
    void Detach();
    std::string Root() const { return std::string(1, (char)(letter_ & ~0x20)) + ":\\"; }

private:
    std::string Link() const;
    char letter_;
    std::string prefix_, folder_;
};
