#include "src/DiskArea.h"

#include "gui/Win32.h"

TDiskArea LastDiskArea;

namespace {

using GetDiskFreeSpaceExProc = BOOL(WINAPI*)(LPCWSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

OSVERSIONINFOW VersionRecord()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return info;
}

char UserDecimalSeparator()
{
    wchar_t sep[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8) > 0 && sep[0] && sep[0] < 0x80 && !sep[1])
        return (char)sep[0];
    return '.';
}

// No "insert a disk" box from the system for an empty drive: the query just
// fails.
class QuietDriveErrors {
public:
    QuietDriveErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietDriveErrors() { SetErrorMode(old_); }

private:
    UINT old_;
};

TDiskArea ReadDiskArea(const std::string& root)
{
    const std::wstring path = ToWide(root);
    const OSVERSIONINFOW version = VersionRecord();
    auto extended = reinterpret_cast<GetDiskFreeSpaceExProc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetDiskFreeSpaceExW")));
    QuietDriveErrors quiet;
    const TDiskQuery query = ChooseQuery(version.dwPlatformId, version.dwMajorVersion, extended != nullptr);
    if (query == TDiskQuery::Extended && extended) {
        ULARGE_INTEGER available{}, total{}, free{};
        if (!extended(path.c_str(), &available, &total, &free)) return TDiskArea();
        return DiskAreaFromExtended(total.QuadPart, free.QuadPart, UserDecimalSeparator());
    }
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!GetDiskFreeSpaceW(path.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        return TDiskArea();
    return DiskAreaFromLegacy(sectorsPerCluster, bytesPerSector, freeClusters, totalClusters);
}

}  // namespace

TDiskArea GetDiskArea(const std::string& root)
{
    LastDiskArea = ReadDiskArea(root);
    return LastDiskArea;
}

int GetOSVersionCode()
{
    const OSVERSIONINFOW v = VersionRecord();
    return OsVersionCodeFor(v.dwPlatformId, v.dwMajorVersion, v.dwMinorVersion, v.dwBuildNumber);
}
