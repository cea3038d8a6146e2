#include "text/DiskText.h"

#include <cmath>

#include "text/Numbers.h"

namespace {

std::string Comma(uint64_t v) { return GroupDigits(std::to_string(v), ','); }

// A size in GB cut to two decimals when that is above the threshold, else in
// whole MB.
std::string SizeText(uint64_t v, double threshold, char decimalSep)
{
    long double gib = (long double)v / 1024 / 1024 / 1024;
    double g = (double)(std::floor(gib * 100) * 0.01L);
    if (g > threshold) return FloatToStr(g, decimalSep) + " GB";
    double m = (double)std::floor((long double)v / 1024 / 1024);
    return FloatToStr(m, decimalSep) + " MB";
}

uint64_t Product(uint64_t a, uint64_t b, uint64_t c)
{
    uint64_t ab, abc;
    if (__builtin_mul_overflow(a, b, &ab) || __builtin_mul_overflow(ab, c, &abc)) return UINT64_MAX;
    return abc;
}

}  // namespace

TDiskArea DiskAreaFromExtended(uint64_t total, uint64_t free, char decimalSep)
{
    uint64_t used = total >= free ? total - free : 0;
    TDiskArea a;
    a.TotalBytes = Comma(total) + " バイト";
    a.FreeBytes = Comma(free) + " バイト";
    a.UsedBytes = Comma(used) + " バイト";
    a.TotalSize = SizeText(total, 0, decimalSep);
    a.FreeSize = SizeText(free, 1, decimalSep);
    a.UsedSize = SizeText(used, 0, decimalSep);
    return a;
}

TDiskArea DiskAreaFromLegacy(uint32_t sectorsPerCluster, uint32_t bytesPerSector, uint32_t freeClusters,
                             uint32_t totalClusters)
{
    uint64_t total = Product(totalClusters, sectorsPerCluster, bytesPerSector);
    uint64_t free = Product(freeClusters, sectorsPerCluster, bytesPerSector);
    uint64_t used = total >= free ? total - free : 0;
    TDiskArea a;
    a.TotalBytes = Comma(total) + " Bytes";
    a.FreeBytes = Comma(free) + " Bytes";
    a.UsedBytes = Comma(used) + " Bytes";
    a.TotalSize = Comma(total / 1048576) + " MB";
    a.FreeSize = Comma(free / 1048576) + " MB";
    a.UsedSize = Comma(used / 1048576) + " MB";
    return a;
}

int OsVersionCodeFor(uint32_t platformId, uint32_t major, uint32_t minor, uint32_t build)
{
    switch (platformId) {
    case 0:
        return 10;
    case 1: {
        uint32_t b = build & 0xFFFF;
        if (minor == 0) return b < 1000 ? 21 : b > 1000 ? 22 : 0;
        if (minor == 10) return 23;
        if (minor == 90) return 24;
        return 0;
    }
    case 2:
        if (major == 3) return 31;
        if (major == 4) return 32;
        if (major == 5 && minor == 0) return 33;
        if (major == 5 && minor == 1) return 34;
        return 0;
    default:
        return 0;
    }
}

TDiskQuery ChooseQuery(uint32_t platformId, uint32_t major, bool extendedAvailable)
{
    if (platformId == 2 && major >= 5) return TDiskQuery::Extended;
    return extendedAvailable ? TDiskQuery::Extended : TDiskQuery::Legacy;
}
