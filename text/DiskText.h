// Capacity texts of a drive, as the drives view shows them, and the choice
// between the two free-space queries of the system. No Windows here.
#pragma once

#include <cstdint>
#include <string>

// The six size texts of one drive.
struct TDiskArea {
    std::string TotalBytes;  // "80,023,715,840 バイト" (legacy query: " Bytes")
    std::string FreeBytes;
    std::string UsedBytes;   // total minus free
    std::string TotalSize;   // "74.52 GB" or "10 MB": cut, not rounded
    std::string FreeSize;
    std::string UsedSize;
};
inline bool operator==(const TDiskArea& a, const TDiskArea& b)
{
    return a.TotalBytes == b.TotalBytes && a.FreeBytes == b.FreeBytes && a.UsedBytes == b.UsedBytes &&
           a.TotalSize == b.TotalSize && a.FreeSize == b.FreeSize && a.UsedSize == b.UsedSize;
}

// Texts from the extended query's total and free bytes. Byte counts carry
// " バイト". A size is written in GB, cut to two decimals, when that figure is
// above 0 (total, used) or above 1 (free); else in whole MB. decimalSep is
// the user's decimal separator.
TDiskArea DiskAreaFromExtended(uint64_t total, uint64_t free, char decimalSep = '.');

// Texts from the legacy cluster query: byte counts with " Bytes", sizes in
// whole MB (truncated) with " MB". The products are taken in 64 bits, so a
// volume over 2 GiB shows its true figures.
TDiskArea DiskAreaFromLegacy(uint32_t sectorsPerCluster, uint32_t bytesPerSector, uint32_t freeClusters,
                             uint32_t totalClusters);

// The version code of a system from its version record: 10 Win32s; 21, 22
// Windows 95 (first and later releases); 23 Windows 98; 24 Windows Me; 31 NT
// 3.x; 32 NT 4.0; 33 Windows 2000; 34 Windows XP; 0 anything else (NT 5.2 and
// later included). For platform 1 only the low 16 bits of build count.
int OsVersionCodeFor(uint32_t platformId, uint32_t major, uint32_t minor, uint32_t build);

enum class TDiskQuery { Extended, Legacy };

// Which free-space query to use. The extended query is used on every NT
// system of version 5 or later (they all have it, whatever code the table
// gives them) and on any system where it exists (extendedAvailable: the
// system exports it); the legacy query only on old systems that lack it.
TDiskQuery ChooseQuery(uint32_t platformId, uint32_t major, bool extendedAvailable);
