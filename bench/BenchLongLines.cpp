// Very long lines: a pane whose every row is a line of 1 MB, mixed ASCII and
// double-byte text. Its load and width measurement (checked against the
// system's measurement of every whole entry), and a full repaint of the
// pane at the left edge, in the middle and at the right end of the lines.
#include <algorithm>

#include "bench/Bench.h"
#include "gui/Application.h"
#include "gui/Classes.h"
#include "src/Files.h"
#include "tests/support/FilesFormProbe.h"

namespace {

constexpr int kLongLines = 40;
constexpr size_t kLongLineBytes = 1 << 20;

std::string MakeLongLinesFile()
{
    static const char* parts[] = {"alpha ", "\x93\xFA\x96\x7B\x8C\xEA", "0123456789", "\x95\x5C\x8E\xA6 ",
                                  "value=42; ", "\x83\x65\x83\x4C\x83\x58\x83\x67"};
    std::string text;
    text.reserve((kLongLineBytes + 16) * kLongLines);
    for (int i = 0; i < kLongLines; ++i) {
        size_t start = text.size();
        for (int k = i; text.size() - start < kLongLineBytes; ++k) text += parts[k % 6];
        text += "\r\n";
    }
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    std::wstring path = std::wstring(base) + L"TavlenBenchLong" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, text.data(), (DWORD)text.size(), &written, nullptr);
    CloseHandle(h);
    return ToAnsi(path);
}

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        Application.ProcessMessages();
        Sleep(2);
    }
}

// The best of several full repaints of the pane, in milliseconds.
double RepaintMs(TListBox* pane)
{
    double best = 1e9;
    for (int round = 0; round < 7; ++round) {
        double t0 = Seconds();
        RedrawWindow(pane->Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        best = std::min(best, Seconds() - t0);
    }
    return best * 1000;
}

}  // namespace

TAVLEN_BENCH(LongLines, 30)
{
    const std::string path = MakeLongLinesFile();
    TFilesForm form;
    form.Show();
    Settle();
    FilesFormProbe probe{form};
    TListBox* pane = form.SrcListBox;

    double t0 = Seconds();
    probe.LoadPane(pane, path);
    Report("long_lines_load_pane", (Seconds() - t0) * 1000, "ms");
    double m0 = Seconds();
    int widest = WidestEntry(probe.SrcLines(), *probe.PaneWidths());
    Report("long_lines_extent_measurement", (Seconds() - m0) * 1000, "ms");
    Report("long_lines_extent", pane->HorizontalExtent(), "px");

    // The system's own measurement of every whole entry, in the pane's font.
    HDC dc = GetDC(pane->Handle);
    HGDIOBJ old = SelectObject(dc, pane->Font->Handle());
    int systemWidest = 0;
    for (int i = 0; i < pane->Count(); ++i) {
        std::wstring w = ToDrawnText(pane->ItemText(i));
        SIZE sz{};
        GetTextExtentPoint32W(dc, w.c_str(), (int)w.size(), &sz);
        systemWidest = std::max(systemWidest, (int)sz.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(pane->Handle, dc);
    Report("long_lines_extent_system_measurement", systemWidest, "px");
    Report("long_lines_extent_exact", widest == systemWidest && widest == pane->HorizontalExtent() ? 1 : 0, "");

    RECT rc;
    GetClientRect(pane->Handle, &rc);
    Report("long_lines_rows_shown", (rc.bottom - rc.top + pane->ItemHeight() - 1) / pane->ItemHeight(), "rows");
    const int last = pane->HorizontalExtent() - (rc.right - rc.left);
    struct At {
        const char* name;
        int position;
    } places[] = {{"long_lines_repaint_left", 0}, {"long_lines_repaint_middle", last / 2}, {"long_lines_repaint_right_end", last}};
    for (const At& at : places) {
        pane->SetHorizontalPosition(at.position);
        Settle();
        Report(at.name, RepaintMs(pane), "ms");
    }
    DeleteFileW(ToWide(path).c_str());
}
