#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/Bench.h"
#include "gui/Application.h"
#include "gui/Classes.h"
#include "gui/Win32.h"

#include <psapi.h>

namespace {

struct Entry {
    const char* name;
    int rank;
    std::function<void()> run;
};

std::vector<Entry>& Entries()
{
    static std::vector<Entry> list;
    return list;
}

std::string& TempFolder()
{
    static std::string folder;
    return folder;
}

std::vector<std::string>& MadeFiles()
{
    static std::vector<std::string> files;
    return files;
}

const std::string& Folder()
{
    std::string& f = TempFolder();
    if (f.empty()) {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        std::wstring dir = std::wstring(base) + L"TavlenBench" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(dir.c_str(), nullptr);
        f = ToAnsi(dir) + "\\";
    }
    return f;
}

}  // namespace

BenchRegistration::BenchRegistration(const char* name, int rank, std::function<void()> run)
{
    Entries().push_back({name, rank, std::move(run)});
}

void Report(const std::string& name, double value, const std::string& unit)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, value == (long long)value && value < 1e15 ? "%.0f" : "%.3f", value);
    std::printf("%s: %s %s\n", name.c_str(), buf, unit.c_str());
    std::fflush(stdout);
}

double Seconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::string MakeBigFile(const std::string& name, const std::function<bool(int)>& differs)
{
    std::string path = Folder() + name;
    HANDLE h = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    // Written in chunks, so that making the file does not raise the
    // process's peak memory, which the load figures are read against.
    std::string chunk;
    chunk.reserve(1100000);
    auto flush = [&]() {
        DWORD written = 0;
        WriteFile(h, chunk.data(), (DWORD)chunk.size(), &written, nullptr);
        chunk.clear();
    };
    unsigned seed = 12345;
    auto next = [&]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    static const char* words[] = {"alpha", "beta", "gamma", "delta", "\x93\xFA\x96\x7B\x8C\xEA", "0123456789",
                                  "\x83\x65\x83\x4C\x83\x58\x83\x67", "value=42;", "return x;", "\x95\x5C\x8E\xA6"};
    for (int i = 0; i < kBigFileLines; ++i) {
        size_t start = chunk.size();
        // 40 to 84 bytes of text: 62 bytes and CR LF on average.
        size_t target = 40 + next() % 45;
        while (chunk.size() - start < target) {
            chunk += words[next() % 10];
            chunk += ' ';
        }
        if (differs && differs(i)) chunk += "#changed";
        chunk += "\r\n";
        if (chunk.size() >= 1000000) flush();
    }
    flush();
    CloseHandle(h);
    MadeFiles().push_back(path);
    return path;
}

const std::string& BigFile()
{
    static std::string path = MakeBigFile("big.txt", nullptr);
    return path;
}

size_t WorkingSet()
{
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    GetProcessMemoryInfo(GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof(pmc));
    return pmc.WorkingSetSize;
}

size_t PeakWorkingSet()
{
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    GetProcessMemoryInfo(GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof(pmc));
    return pmc.PeakWorkingSetSize;
}

size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX pmc{};
    GetProcessMemoryInfo(GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof(pmc));
    return pmc.PrivateUsage;
}

void ResetPeakWorkingSet()
{
    // Trimming the working set lets the next peak be read as a delta.
    SetProcessWorkingSetSize(GetCurrentProcess(), (SIZE_T)-1, (SIZE_T)-1);
}

int main(int argc, char** argv)
{
    Application.Initialize();
    Application.Title = "Tavlen";
    auto& list = Entries();
    std::stable_sort(list.begin(), list.end(), [](const Entry& a, const Entry& b) { return a.rank < b.rank; });
    // Arguments, when given, choose the measurements by name.
    for (const auto& e : list) {
        bool chosen = argc < 2;
        for (int i = 1; i < argc; ++i)
            if (std::string(argv[i]) == e.name) chosen = true;
        if (chosen) e.run();
    }
    for (const auto& f : MadeFiles()) DeleteFileW(ToWide(f).c_str());
    if (!TempFolder().empty()) RemoveDirectoryW(ToWide(TempFolder()).c_str());
    return 0;
}
