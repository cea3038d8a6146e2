// Drive capacity texts from the two queries' figures, the version table and
// the choice of query.
#include <gtest/gtest.h>

#include <string>

#include "text/DiskText.h"

namespace {

const uint64_t MiB = 1ull << 20, GiB = 1ull << 30;

std::string Show(const TDiskArea& a)
{
    return a.TotalBytes + " | " + a.FreeBytes + " | " + a.UsedBytes + " | " + a.TotalSize + " | " + a.FreeSize +
           " | " + a.UsedSize;
}

}  // namespace

TEST(DiskAreaTexts, ExtendedQueryTable)
{
    struct {
        uint64_t total, free;
        TDiskArea texts;
    } cases[] = {
        {80023715840ull, 12345678912ull,
         {"80,023,715,840 バイト", "12,345,678,912 バイト", "67,678,036,928 バイト", "74.52 GB", "11.49 GB", "63.03 GB"}},
        // 10 MiB is 0.0097 GB, cut to 0: megabytes; 11 MiB is 0.01 GB.
        {10 * MiB, 10 * MiB, {"10,485,760 バイト", "10,485,760 バイト", "0 バイト", "10 MB", "10 MB", "0 MB"}},
        {11 * MiB, 0, {"11,534,336 バイト", "0 バイト", "11,534,336 バイト", "0.01 GB", "0 MB", "0.01 GB"}},
        // Free space switches to GB only above 1.00 GB; total at 1 GB.
        {GiB, GiB, {"1,073,741,824 バイト", "1,073,741,824 バイト", "0 バイト", "1 GB", "1024 MB", "0 MB"}},
        {2 * GiB, GiB + 11 * MiB,
         {"2,147,483,648 バイト", "1,085,276,160 バイト", "1,062,207,488 バイト", "2 GB", "1.01 GB", "0.98 GB"}},
        // 600 MiB free shows in MB, 600 MiB used in GB.
        {1200 * MiB, 600 * MiB,
         {"1,258,291,200 バイト", "629,145,600 バイト", "629,145,600 バイト", "1.17 GB", "600 MB", "0.58 GB"}},
        // Nothing free: used equals total.
        {500 * GiB, 0, {"536,870,912,000 バイト", "0 バイト", "536,870,912,000 バイト", "500 GB", "0 MB", "500 GB"}},
        {0, 0, {"0 バイト", "0 バイト", "0 バイト", "0 MB", "0 MB", "0 MB"}},
        // Cut, never rounded up: one byte short of 2 GiB.
        {2 * GiB - 1, 0, {"2,147,483,647 バイト", "0 バイト", "2,147,483,647 バイト", "1.99 GB", "0 MB", "1.99 GB"}},
        // Beyond 32 and 53 bits.
        {16ull << 40, 5ull << 40,
         {"17,592,186,044,416 バイト", "5,497,558,138,880 バイト", "12,094,627,905,536 バイト", "16384 GB", "5120 GB",
          "11264 GB"}},
        {UINT64_MAX, 0,
         {"18,446,744,073,709,551,615 バイト", "0 バイト", "18,446,744,073,709,551,615 バイト", "17179869183.99 GB", "0 MB",
          "17179869183.99 GB"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Show(DiskAreaFromExtended(c.total, c.free)), Show(c.texts)) << c.total << " " << c.free;
}

TEST(DiskAreaTexts, ExtendedQueryUsesTheDecimalSeparator)
{
    TDiskArea a = DiskAreaFromExtended(80023715840ull, 12345678912ull, ',');
    EXPECT_EQ(a.TotalSize, "74,52 GB");
    EXPECT_EQ(a.FreeSize, "11,49 GB");
    EXPECT_EQ(a.TotalBytes, "80,023,715,840 バイト");
}

TEST(DiskAreaTexts, LegacyQueryTable)
{
    struct {
        uint32_t sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
        TDiskArea texts;
    } cases[] = {
        // A 1.44 MB floppy: 2847 clusters of one 512-byte sector.
        {1, 512, 2847, 2847,
         {"1,457,664 Bytes", "1,457,664 Bytes", "0 Bytes", "1 MB", "1 MB", "0 MB"}},
        {1, 512, 1000, 2847, {"1,457,664 Bytes", "512,000 Bytes", "945,664 Bytes", "1 MB", "0 MB", "0 MB"}},
        // Exactly 2 GiB and a 6 GiB volume: no 32-bit wrap.
        {64, 512, 0, 65536,
         {"2,147,483,648 Bytes", "0 Bytes", "2,147,483,648 Bytes", "2,048 MB", "0 MB", "2,048 MB"}},
        {8, 512, 524288, 1572864,
         {"6,442,450,944 Bytes", "2,147,483,648 Bytes", "4,294,967,296 Bytes", "6,144 MB", "2,048 MB", "4,096 MB"}},
        {0, 0, 0, 0, {"0 Bytes", "0 Bytes", "0 Bytes", "0 MB", "0 MB", "0 MB"}},
        // The largest figures the query can give.
        {UINT32_MAX, UINT32_MAX, 0, UINT32_MAX,
         {"18,446,744,073,709,551,615 Bytes", "0 Bytes", "18,446,744,073,709,551,615 Bytes",
          "17,592,186,044,415 MB", "0 MB", "17,592,186,044,415 MB"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Show(DiskAreaFromLegacy(c.sectorsPerCluster, c.bytesPerSector, c.freeClusters, c.totalClusters)),
                  Show(c.texts))
            << c.totalClusters;
}

TEST(SystemVersion, CodeTableAndQueryChoice)
{
    using Q = TDiskQuery;
    struct {
        uint32_t platform, major, minor, build;
        bool extendedExists;
        int code;
        Q query;
    } cases[] = {
        {0, 3, 10, 0, false, 10, Q::Legacy},            // Win32s
        {1, 4, 0, 950, false, 21, Q::Legacy},           // Windows 95
        {1, 4, 0, 0x04000000 | 950, false, 21, Q::Legacy},  // only the low 16 bits of the build
        {1, 4, 0, 1000, false, 0, Q::Legacy},
        {1, 4, 0, 1111, true, 22, Q::Extended},         // Windows 95 OSR2
        {1, 4, 10, 1998, true, 23, Q::Extended},        // Windows 98
        {1, 4, 90, 3000, true, 24, Q::Extended},        // Windows Me
        {1, 4, 50, 0, false, 0, Q::Legacy},
        {2, 3, 51, 1057, false, 31, Q::Legacy},         // NT 3.51
        {2, 4, 0, 1381, true, 32, Q::Extended},         // NT 4.0
        {2, 5, 0, 2195, true, 33, Q::Extended},         // 2000
        {2, 5, 1, 2600, true, 34, Q::Extended},         // XP
        {2, 5, 2, 3790, true, 0, Q::Extended},          // Server 2003 and later: not in the table,
        {2, 6, 0, 6000, true, 0, Q::Extended},          // but they have the extended query
        {2, 6, 2, 9200, false, 0, Q::Extended},
        {2, 10, 0, 19045, true, 0, Q::Extended},
        {3, 5, 0, 0, true, 0, Q::Extended},             // unknown platform, the query exists
        {3, 5, 0, 0, false, 0, Q::Legacy},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OsVersionCodeFor(c.platform, c.major, c.minor, c.build), c.code)
            << c.platform << " " << c.major << "." << c.minor << " " << c.build;
        EXPECT_EQ(ChooseQuery(c.platform, c.major, c.extendedExists), c.query)
            << c.platform << " " << c.major << "." << c.minor << " " << c.build;
    }
}
