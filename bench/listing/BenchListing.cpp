// Listing a folder of 10,000 files in the file selection dialog, beside the
// bare directory search of the same folder as its floor. Prints lines of the
// form "name: value unit".
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "gui/Application.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Processor time of this process (user and kernel), in seconds: the
// machine may be shared, so wall-clock figures are printed beside it.
double CpuSeconds()
{
    FILETIME c, e, k, u;
    GetProcessTimes(GetCurrentProcess(), &c, &e, &k, &u);
    auto s = [](FILETIME t) { return ((uint64_t)t.dwHighDateTime << 32 | t.dwLowDateTime) / 1e7; };
    return s(k) + s(u);
}

}  // namespace

int main()
{
    Application.Initialize();
    Application.Title = "Tavlen";
    const int files = 10000;
    TTempDir dir;
    for (int i = 0; i < files; ++i) {
        char name[32];
        snprintf(name, sizeof name, "file%05d.txt", i);
        dir.File(name, "x");
    }
    printf("files: %d files\n", files);

    auto t = std::chrono::steady_clock::now();
    int found = 0;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(ToWide(dir.Path() + "*.*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do ++found;
        while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    printf("bare directory search: %.3f s\n", Seconds(t));
    printf("entries found: %d entries\n", found);

    // The shell's start-up, paid once per process by its first query.
    t = std::chrono::steady_clock::now();
    TShellFileInfo info;
    GetShellFileInfo(dir.Path() + "file00000.txt", info);
    printf("first shell query of the process: %.3f s\n", Seconds(t));

    TTempDir empty;
    sel_folder_dlg.folder = empty.Path();
    t = std::chrono::steady_clock::now();
    {
        TBrowseFileDlgForm first(nullptr);
    }
    printf("dialog creation in an empty folder: %.3f s\n", Seconds(t));

    sel_folder_dlg.folder = dir.Path();
    t = std::chrono::steady_clock::now();
    TBrowseFileDlgForm dlg(nullptr);
    printf("dialog creation with listing: %.3f s\n", Seconds(t));
    BrowseFileDlgProbe p{dlg};
    printf("items listed: %d items\n", p.List()->Count());

    t = std::chrono::steady_clock::now();
    double cpu = CpuSeconds();
    p.ListFolder();
    printf("listing: %.3f s\n", Seconds(t));
    printf("listing processor time: %.3f s\n", CpuSeconds() - cpu);
    printf("listing target: 1.5 s\n");

    t = std::chrono::steady_clock::now();
    cpu = CpuSeconds();
    p.List()->AlphaSort();
    printf("sorting the listed items: %.3f s\n", Seconds(t));
    printf("sorting processor time: %.3f s\n", CpuSeconds() - cpu);

    t = std::chrono::steady_clock::now();
    p.ViewClick();
    UpdateWindow(p.List()->Handle);
    printf("switch to details: %.3f s\n", Seconds(t));
    return 0;
}
