// The comparison run on two generated files of 1,000,000 lines, against a
// floor: reading both files, splitting them into lines and comparing the
// lines' bytes, in this process, with nothing else.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/Bench.h"
#include "gui/Application.h"
#include "gui/Classes.h"
#include "src/Files.h"
#include "tests/support/FilesFormProbe.h"
#include "text/Lines.h"

namespace {

struct Span {
    const char* p;
    size_t n;
};

double FloorSeconds(const std::string& a, const std::string& b)
{
    double t0 = Seconds();
    std::string ta = ReadWholeFile(a), tb = ReadWholeFile(b);
    std::vector<Span> la, lb;
    la.reserve(kBigFileLines);
    lb.reserve(kBigFileLines);
    ForEachLine(ta.data(), ta.size(), [&](const char* p, size_t n) { la.push_back({p, n}); });
    ForEachLine(tb.data(), tb.size(), [&](const char* p, size_t n) { lb.push_back({p, n}); });
    size_t bound = std::min(la.size(), lb.size()), differ = 0;
    for (size_t i = 0; i < bound; ++i)
        if (la[i].n != lb[i].n || std::memcmp(la[i].p, lb[i].p, la[i].n) != 0) ++differ;
    double t = Seconds() - t0;
    if (differ == 0 && a != b) Report("compare_floor_found_nothing", 1, "");
    return t;
}

// While recording: the times at which the run took messages from the
// queue (a 5 ms timer keeps one waiting), and how many of them were paints.
std::vector<double>* pumpTimes = nullptr;
int paintsSeen = 0;

LRESULT CALLBACK GetMessageHook(int code, WPARAM wp, LPARAM lp)
{
    if (code == HC_ACTION && wp == PM_REMOVE && pumpTimes) {
        const MSG* m = reinterpret_cast<const MSG*>(lp);
        pumpTimes->push_back(Seconds());
        if (m->message == WM_PAINT) ++paintsSeen;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        Application.ProcessMessages();
        Sleep(2);
    }
}

}  // namespace

// 1% of the lines differ: both files loaded, compared, and both panes
// painted for the first time.
TAVLEN_BENCH(CompareOnePercent, 30)
{
    const std::string& left = BigFile();
    std::string right = MakeBigFile("right1.txt", [](int i) { return i % 100 == 37; });
    double floor = FloorSeconds(left, right);
    Report("compare_floor_1pct", floor * 1000, "ms");

    TFilesForm form;
    form.Show();
    Settle();
    double t0 = Seconds();
    FilesFormProbe{form}.LoadPane(form.SrcListBox, left);
    FilesFormProbe{form}.LoadPane(form.DestListBox, right);
    double tLoaded = Seconds();
    form.AllCompareMenu->Click();  // ends with the full repaint of both panes
    UpdateWindow(form.SrcListBox->Handle);
    UpdateWindow(form.DestListBox->Handle);
    double t = Seconds() - t0;
    Report("compare_1pct_load_both", (tLoaded - t0) * 1000, "ms");
    Report("compare_1pct_run_and_paint", (t0 + t - tLoaded) * 1000, "ms");
    Report("compare_1pct_load_compare_paint", t * 1000, "ms");
    Report("compare_1pct_ratio_to_floor", t / floor, "x");
    Report("compare_1pct_differences", (double)form.Ret1ListBox->Count(), "lines");
}

// Every line differs: the run itself, and how long the window went without
// a repaint during it.
TAVLEN_BENCH(CompareEveryLine, 31)
{
    const std::string& left = BigFile();
    std::string right = MakeBigFile("rightall.txt", [](int) { return true; });
    double floor = FloorSeconds(left, right);
    Report("compare_floor_all", floor * 1000, "ms");

    TFilesForm form;
    form.Show();
    FilesFormProbe{form}.LoadPane(form.SrcListBox, left);
    FilesFormProbe{form}.LoadPane(form.DestListBox, right);
    Settle();

    std::vector<double> times;
    times.reserve(100000);
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());
    UINT_PTR timer = SetTimer(nullptr, 0, 5, nullptr);
    paintsSeen = 0;
    pumpTimes = &times;
    double t0 = Seconds();
    form.AllCompareMenu->Click();
    double t1 = Seconds();
    pumpTimes = nullptr;
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);

    // The gaps between rounds of message processing, from the start of
    // the run to its end (painting both panes included).
    std::vector<double> gaps;
    double prev = t0;
    for (double t : times) {
        if (t - prev > 0.002) gaps.push_back(t - prev);
        prev = t;
    }
    gaps.push_back(t1 - prev);
    double longest = *std::max_element(gaps.begin(), gaps.end());
    // BENCH_GAPS=1 lists every gap, to see where a long one falls.
    if (getenv("BENCH_GAPS"))
        for (double g : gaps) std::printf("gap %.1f ms\n", g * 1000);
    Report("compare_all_run", (t1 - t0) * 1000, "ms");
    Report("compare_all_ratio_to_floor", (t1 - t0) / floor, "x");
    Report("compare_all_rounds_of_message_processing", (double)gaps.size() - 1, "");
    Report("compare_all_repaints_during_run", (double)paintsSeen, "");
    Report("compare_all_longest_gap_between_message_processing", longest * 1000, "ms");
    Report("compare_all_differences", (double)form.Ret2ListBox->Count(), "lines");

    // One full repaint of a pane whose 1,000,000 rows are all highlighted,
    // at several scroll positions.
    const int positions[] = {0, 250000, 500000, 999000};
    const int rounds = 40;
    double best = 1e9, total = 0;
    for (int r = 0; r < rounds; ++r) {
        form.SrcListBox->SetTopIndex(positions[r % 4]);
        Settle();
        double a = Seconds();
        RedrawWindow(form.SrcListBox->Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        double d = Seconds() - a;
        best = std::min(best, d);
        total += d;
    }
    Report("highlighted_pane_repaint_mean", total / rounds * 1000, "ms");
    Report("highlighted_pane_repaint_best", best * 1000, "ms");
}
