// Loading a 1,000,000-line file into a text pane, against the floor of
// reading the file and splitting it into lines in the same process, and the
// memory the loaded pane holds.
#include <algorithm>
#include <vector>

#include "bench/Bench.h"
#include "gui/Application.h"
#include "gui/Classes.h"
#include "src/Files.h"
#include "tests/support/FilesFormProbe.h"
#include "text/Lines.h"

namespace {

size_t FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA a{};
    GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &a);
    return ((size_t)a.nFileSizeHigh << 32) | a.nFileSizeLow;
}

// Read the whole file and find its lines: what any load has to do.
double FloorSeconds(const std::string& path, size_t& lines)
{
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        double t0 = Seconds();
        std::string data = ReadWholeFile(path);
        std::vector<size_t> starts;
        starts.reserve(data.size() / 32);
        ForEachLine(data.data(), data.size(), [&](const char* p, size_t) { starts.push_back(p - data.data()); });
        best = std::min(best, Seconds() - t0);
        lines = starts.size();
    }
    return best;
}

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        Application.ProcessMessages();
        Sleep(2);
    }
}

}  // namespace

// Memory first, while the process has not yet held a big file: the peak
// and the retained memory of one load, against the file's size.
TAVLEN_BENCH(LoadPaneMemory, 10)
{
    const std::string& path = BigFile();
    double size = (double)FileSize(path);
    TFilesForm form;
    form.Show();
    Settle();
    size_t ws0 = WorkingSet();
    FilesFormProbe{form}.LoadPane(form.SrcListBox, path);
    Settle();
    size_t peak = PeakWorkingSet(), ws1 = WorkingSet();
    Report("file_size", size / 1048576.0, "MB");
    Report("file_lines", (double)form.SrcListBox->Count(), "lines");
    Report("load_pane_peak_memory", (double)(peak - ws0) / 1048576.0, "MB");
    Report("load_pane_peak_memory_to_file_size", (double)(peak - ws0) / size, "x");
    // (Wine reports no private bytes, so the working set stands for both.)
    Report("load_pane_retained_memory", (double)(ws1 - ws0) / 1048576.0, "MB");
    Report("load_pane_retained_memory_to_file_size", (double)(ws1 - ws0) / size, "x");
    Report("pane_lines_storage_to_file_size", (double)FilesFormProbe{form}.SrcLines().MemoryUsed() / size, "x");
}

TAVLEN_BENCH(LoadPaneTime, 11)
{
    const std::string& path = BigFile();
    size_t lines = 0;
    double floor = FloorSeconds(path, lines);
    Report("load_floor_read_and_split", floor * 1000, "ms");

    TFilesForm form;
    form.Show();
    Settle();
    double best = 1e9, measureBest = 1e9;
    for (int round = 0; round < 3; ++round) {
        double t0 = Seconds();
        FilesFormProbe{form}.LoadPane(form.SrcListBox, path);
        double t = Seconds() - t0;
        best = std::min(best, t);
        // The widest-entry measurement on its own, as LoadPane does it.
        double m0 = Seconds();
        int widest = WidestEntry(FilesFormProbe{form}.SrcLines(), *FilesFormProbe{form}.PaneWidths());
        measureBest = std::min(measureBest, Seconds() - m0);
        if (widest != form.SrcListBox->HorizontalExtent()) Report("load_pane_extent_mismatch", widest, "px");
    }
    Report("load_pane", best * 1000, "ms");
    Report("load_pane_extent_measurement", measureBest * 1000, "ms");
    Report("load_pane_ratio_to_floor", best / floor, "x");
    Report("load_pane_extent", form.SrcListBox->HorizontalExtent(), "px");
    // Painting the first page after the load.
    double p0 = Seconds();
    form.SrcListBox->Repaint();
    Report("load_pane_first_paint", (Seconds() - p0) * 1000, "ms");
}
