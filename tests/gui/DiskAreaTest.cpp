// Drive information read from the real drives of the Wine prefix.
#include <gtest/gtest.h>

#include "gui/Win32.h"
#include "src/DiskArea.h"

namespace {

char DecimalSeparator()
{
    wchar_t sep[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8);
    return sep[0] && sep[0] < 0x80 && !sep[1] ? (char)sep[0] : '.';
}

bool FreeSpace(const wchar_t* root, uint64_t& total, uint64_t& free)
{
    ULARGE_INTEGER a{}, t{}, f{};
    if (!GetDiskFreeSpaceExW(root, &a, &t, &f)) return false;
    total = t.QuadPart;
    free = f.QuadPart;
    return true;
}

bool AllEmpty(const TDiskArea& a)
{
    return a.TotalBytes.empty() && a.FreeBytes.empty() && a.UsedBytes.empty() && a.TotalSize.empty() &&
           a.FreeSize.empty() && a.UsedSize.empty();
}

}  // namespace

// C: of the prefix lies on a disk that other programs write to, so its free
// space can change between two queries: compare once two system queries
// around ours agree.
TEST(DiskArea, DriveCShowsTheSystemsFiguresInTheExtendedTexts)
{
    const OSVERSIONINFOW version = [] {
        OSVERSIONINFOW v{};
        v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        GetVersionExW(&v);
#pragma GCC diagnostic pop
        return v;
    }();
    std::printf("system version %lu.%lu build %lu platform %lu, code %d\n", version.dwMajorVersion,
                version.dwMinorVersion, version.dwBuildNumber, version.dwPlatformId, GetOSVersionCode());
    ASSERT_EQ(version.dwPlatformId, 2u);
    ASSERT_GE(version.dwMajorVersion, 6u);
    // A current system is not in the version table...
    EXPECT_EQ(GetOSVersionCode(), 0);

    bool compared = false;
    for (int attempt = 0; attempt < 20 && !compared; ++attempt) {
        uint64_t total1, free1, total2, free2;
        ASSERT_TRUE(FreeSpace(L"C:\\", total1, free1));
        TDiskArea area = GetDiskArea("C:\\");
        ASSERT_TRUE(FreeSpace(L"C:\\", total2, free2));
        if (total1 != total2 || free1 != free2) continue;
        compared = true;
        // ...and still gets the extended query's texts (" バイト", GB/MB).
        TDiskArea expected = DiskAreaFromExtended(total1, free1, DecimalSeparator());
        EXPECT_EQ(area.TotalBytes, expected.TotalBytes);
        EXPECT_EQ(area.FreeBytes, expected.FreeBytes);
        EXPECT_EQ(area.UsedBytes, expected.UsedBytes);
        EXPECT_EQ(area.TotalSize, expected.TotalSize);
        EXPECT_EQ(area.FreeSize, expected.FreeSize);
        EXPECT_EQ(area.UsedSize, expected.UsedSize);
        EXPECT_FALSE(area.TotalSize.empty());
        EXPECT_TRUE(LastDiskArea == area);
        std::printf("C:\\ %s / %s free (%s)\n", area.TotalSize.c_str(), area.FreeSize.c_str(), area.FreeBytes.c_str());
    }
    EXPECT_TRUE(compared) << "the free space of C: kept changing";
}

TEST(DiskArea, AFailedQueryGivesEmptyTexts)
{
    DWORD mask = GetLogicalDrives();
    char missing = 0;
    for (char letter = 'Y'; letter > 'C' && !missing; --letter)
        if (!(mask & (1u << (letter - 'A')))) missing = letter;
    ASSERT_NE(missing, 0);
    const std::string roots[] = {std::string(1, missing) + ":\\", "C:\\no such folder\\", ""};
    for (const auto& root : roots) {
        SCOPED_TRACE(root);
        ASSERT_FALSE(AllEmpty(GetDiskArea("C:\\")));
        TDiskArea area = GetDiskArea(root);
        EXPECT_TRUE(AllEmpty(area));
        EXPECT_TRUE(AllEmpty(LastDiskArea));
    }
}
