// The comparison run, the highlighting of its results, jumping to a
// difference and linked scrolling of the two panes.
#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <tuple>

#include "gui/Application.h"
#include "forms/FilesLayout.h"
#include "src/Files.h"
#include "text/DiffLines.h"
#include "text/DiffSpan.h"

// Linked scrolling's guard: 1 while a pane's top index is being copied to
// the other pane, so that the repaint this causes copies nothing back.
int Synchronizing = 0;

// Messages are processed once per slice of this length during a run, so
// the lists and counters grow visibly and the window repaints, without
// paying for a round of message processing after every difference.
int CompareSliceMs = 30;

namespace {

// True while a comparison run lets messages be processed. The commands that
// would change the panes or the results are disabled meanwhile, and the
// handlers of this file ignore themselves.
bool CompareRunning = false;

// The clock is read once per this many positions.
constexpr int ClockStride = 256;

class TSliceClock {
public:
    TSliceClock()
    {
        QueryPerformanceFrequency(&freq_);
        Restart();
    }
    bool Due() const
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return (now.QuadPart - start_.QuadPart) * 1000 >= CompareSliceMs * freq_.QuadPart;
    }
    void Restart() { QueryPerformanceCounter(&start_); }

private:
    LARGE_INTEGER freq_, start_;
};

TColor SrcHighlightColor()
{
    static const TColor c = StringToColor("$FDD6C6");
    return c;
}

TColor DestHighlightColor()
{
    static const TColor c = StringToColor("$BEF684");
    return c;
}

TColor SrcSpanColor()
{
    static const TColor c = StringToColor(FilesLayout::SrcSpanColor);
    return c;
}

TColor DestSpanColor()
{
    static const TColor c = StringToColor(FilesLayout::DestSpanColor);
    return c;
}

// The number of a difference-number list entry: decimal digits after the
// leading spaces; 0 for anything else.
int EntryNumber(const std::string& text)
{
    size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    return (int)std::strtol(text.c_str() + i, nullptr, 10);
}

// A row draws only the characters that reach the columns being painted: a
// line of megabytes costs no more than the part of it that shows. The
// drawing is the same as that of the whole entry, since each character is
// drawn at the sum of the widths of those before it.
// A line this long gets marks every kMarkSpacing bytes, so that finding its
// visible part reads at most that many bytes before it.
constexpr size_t kMarkedLength = 65536;
constexpr size_t kMarkSpacing = 8192;

// The colours of a pane's highlighted rows: the row, and the part of the
// line that differs from the other pane's line at the same position.
struct TRowColors {
    TColor row, span;
};

// The bytes of this pane's line `index` that differ from the other pane's
// line there: between their common beginning and common end, or the whole
// line when the other pane has no line there.
std::pair<size_t, size_t> DifferingBytes(const TPaneLines& lines, const TPaneLines& other, int index)
{
    const char* line = lines.LineData(index);
    const size_t length = lines.LineLength(index);
    if (index >= other.Count()) return {0, length};
    const TDiffSpan span = DifferingSpan(line, length, other.LineData(index), other.LineLength(index));
    return {span.begin, span.aEnd};
}

void PaintRow(TListBox* pane, const TPaneLines& lines, const TPaneLines& other, TCharWidths& widths,
              std::unordered_map<int, std::vector<TTextPoint>>& marks, const std::vector<int32_t>& diffLines,
              TRowColors colors, int index, const TRect& rect)
{
    TCanvas& canvas = pane->Canvas;
    const bool highlighted = IsDiffLine(diffLines, index);
    const TColor highlight = colors.row;
    if (highlighted) {
        canvas.Brush.Color = highlight;
        canvas.FontColor = clWindowText;
    }
    if (index < 0 || index >= lines.Count()) {
        canvas.FillRect(rect);
        return;
    }
    const int x = rect.Left + 2;
    RECT clip{rect.Left, rect.Top, rect.Right, rect.Bottom};
    if (GetClipBox(canvas.Handle, &clip) == ERROR) clip = RECT{rect.Left, rect.Top, rect.Right, rect.Bottom};
    const int from = std::max<int>(rect.Left, clip.left) - x, to = std::min<int>(rect.Right, clip.right) - x;

    const std::string label = FormatLineNumber(lines.Count(), index + 1) + "| ";
    const int labelWidth = widths.Width(label);
    const char* line = lines.LineData(index);
    const size_t length = lines.LineLength(index);
    TTextPoint start;
    if (length >= kMarkedLength) {
        auto it = marks.find(index);
        if (it == marks.end()) it = marks.emplace(index, widths.Marks(line, length, kMarkSpacing)).first;
        // The last mark that ends no later than the visible columns begin.
        const std::vector<TTextPoint>& m = it->second;
        auto after = std::upper_bound(m.begin(), m.end(), from - labelWidth,
                                      [](int column, const TTextPoint& p) { return column < p.column; });
        if (after != m.begin()) start = *(after - 1);
    }
    const TVisibleSpan span = widths.Visible(line, length, from - labelWidth, to - labelWidth, start);
    if (from < labelWidth) {
        canvas.TextRect(rect, x, rect.Top, label + std::string(line, span.end));
    } else {
        canvas.TextRect(rect, x + labelWidth + span.begin.column, rect.Top,
                        std::string(line + span.begin.byte, span.end - span.begin.byte));
    }
    if (!highlighted) return;

    // The differing part of the line, where it meets the visible part,
    // drawn again over the row in the stronger colour. Only the visible
    // bytes are measured.
    const auto [first, last] = DifferingBytes(lines, other, index);
    const size_t b = std::max(first, span.begin.byte), e = std::min(last, span.end);
    if (b >= e) return;
    const int left = x + labelWidth + span.begin.column + widths.Width(line + span.begin.byte, b - span.begin.byte);
    const int right = left + widths.Width(line + b, e - b);
    TRect part{std::max(left, rect.Left), rect.Top, std::min(right, rect.Right), rect.Bottom};
    if (part.Left >= part.Right) return;
    canvas.Brush.Color = colors.span;
    canvas.TextRect(part, left, rect.Top, std::string(line + b, e - b));
}

// While a run lets messages be processed, the commands that would change
// the panes or the results (Open, the pop-up's Open and Reload, Clear,
// another run) are disabled; they are enabled again when the run ends, also
// by an exception.
class TCompareRun {
public:
    explicit TCompareRun(TFilesForm* form)
    {
        items_ = {form->OpenMenu, form->AllCompareMenu, form->ClearMenu, form->OpenItem, form->UpdateItem};
        for (TMenuItem* m : items_) {
            wasEnabled_.push_back(m->Enabled());
            m->SetEnabled(false);
        }
        CompareRunning = true;
    }
    ~TCompareRun()
    {
        CompareRunning = false;
        for (size_t i = 0; i < items_.size(); ++i) items_[i]->SetEnabled(wasEnabled_[i]);
    }

private:
    std::vector<TMenuItem*> items_;
    std::vector<bool> wasEnabled_;
};

// The panes' painting suspended, left then right, and resumed in the same
// order.
struct TRedrawSuspension {
    TListBox *first, *second;
    TRedrawSuspension(TListBox* a, TListBox* b) : first(a), second(b)
    {
        first->SuspendRedraw();
        second->SuspendRedraw();
    }
    ~TRedrawSuspension()
    {
        first->ResumeRedraw();
        second->ResumeRedraw();
    }
};

}  // namespace

void TFilesForm::AllCompareMenuClick(TObject* Sender)
{
    if (CompareRunning) return;
    TRedrawSuspension suspended(SrcListBox, DestListBox);
    ClearMenuClick(Sender);
    {
        TCompareRun run(this);
        CompareLines();
    }
    EnableDiffMoves();
}

void TFilesForm::ClearMenuClick(TObject* Sender)
{
    (void)Sender;
    if (CompareRunning) return;
    SrcDiffLines.clear();
    DestDiffLines.clear();
    EnableDiffMoves();
    for (TListBox* pane : {SrcListBox, DestListBox}) {
        if (pane->SelCount() > 0) pane->ClearSelection();
        pane->Repaint();
    }
    // The lists show the numbers of the run's arrays, none now.
    Ret1Numbers.Shown = 0;
    Ret2Numbers.Shown = 0;
    Ret1ListBox->SetSource(&Ret1Numbers);
    Ret2ListBox->SetSource(&Ret2Numbers);
}

std::string TFilesForm::TDiffNumbers::Text(int index) const
{
    if (index < 0 || (size_t)index >= lines_.size()) return std::string();
    return FormatLineNumber(index < Common ? CommonCount : OwnCount, lines_[index] + 1);
}

void TFilesForm::CompareLines()
{
    const int srcCount = SrcLines.Count();
    const int destCount = DestLines.Count();
    const int bound = std::min(srcCount, destCount);
    int count = 0;

    // The numbers of the common range take their width from the left
    // pane's line count in both lists; a pane's surplus lines from its own.
    Ret1Numbers.CommonCount = Ret1Numbers.OwnCount = srcCount;
    Ret2Numbers.CommonCount = srcCount;
    Ret2Numbers.OwnCount = destCount;
    Ret1Numbers.Common = Ret2Numbers.Common = INT32_MAX;

    // What the window shows of the results is brought up to date once per
    // slice: the counters, and the lists' entry counts. A counter is
    // written only when its value differs from what this run last wrote,
    // starting from 0, so a side on which a run records nothing keeps its
    // counter's earlier text. The lists only grow during a run, so their
    // windows are told the new count alone, which costs the entries added
    // since the last slice, not all of them.
    int shownTotal0 = 0, shownTotal2 = 0;
    auto publish = [&](int total0, int total2) {
        if (total0 != shownTotal0) StatusBar1->SetPanelText(0, std::to_string(total0));
        if (total2 != shownTotal2) StatusBar1->SetPanelText(2, std::to_string(total2));
        shownTotal0 = total0;
        shownTotal2 = total2;
        for (auto [list, numbers, lines] : {std::tuple<TListBox*, TDiffNumbers*, std::vector<int32_t>*>{
                                                Ret1ListBox, &Ret1Numbers, &SrcDiffLines},
                                            {Ret2ListBox, &Ret2Numbers, &DestDiffLines}}) {
            if (numbers->Shown == (int)lines->size()) continue;
            numbers->Shown = (int)lines->size();
            list->SetCount(numbers->Shown);
        }
    };
    TSliceClock clock;
    // Returns false when the program is ending and the run must stop.
    auto slice = [&](int total0, int total2) {
        publish(total0, total2);
        Application.ProcessMessages();
        clock.Restart();
        return !Application.Terminated;
    };
    auto due = [&](int i) { return i % ClockStride == ClockStride - 1 && clock.Due(); };

    for (int i = 0; i < bound; ++i) {
        if (!TPaneLines::EntriesEqual(SrcLines, DestLines, i)) {
            ++count;
            SrcDiffLines.push_back(i);
            DestDiffLines.push_back(i);
        }
        if (due(i) && !slice(count, count)) return;
    }
    Ret1Numbers.Common = Ret2Numbers.Common = count;

    // The surplus lines of the longer pane, recorded in its own array and
    // list, and the total in that side's counter.
    int total0 = count, total2 = count;
    if (destCount > srcCount) {
        total2 = count + destCount - srcCount;
        for (int j = srcCount; j < destCount; ++j) {
            DestDiffLines.push_back(j);
            if (due(j) && !slice(total0, total2)) return;
        }
    } else if (srcCount > destCount) {
        total0 = count + srcCount - destCount;
        for (int j = destCount; j < srcCount; ++j) {
            SrcDiffLines.push_back(j);
            if (due(j) && !slice(total0, total2)) return;
        }
    }
    // The complete results shown, and one last round of messages before
    // the panes repaint.
    if (total0 != 0 || total2 != 0) slice(total0, total2);
}

void TFilesForm::SrcListBoxDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)
{
    (void)Control;
    (void)State;
    PaintRow(SrcListBox, SrcLines, DestLines, PaneCharWidths(), SrcMarks, SrcDiffLines,
             TRowColors{SrcHighlightColor(), SrcSpanColor()}, Index, Rect);
}

void TFilesForm::DestListBoxDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)
{
    (void)Control;
    (void)State;
    PaintRow(DestListBox, DestLines, SrcLines, PaneCharWidths(), DestMarks, DestDiffLines,
             TRowColors{DestHighlightColor(), DestSpanColor()}, Index, Rect);
}

void TFilesForm::Ret1ListBoxClick(TObject* Sender)
{
    (void)Sender;
    if (CompareRunning) return;  // the list is still growing and the panes do not paint
    int k = Ret1ListBox->ItemIndex();
    if (k < 0 || !Ret1ListBox->Selected(k)) return;
    ScrollIntoView(SrcListBox, EntryNumber(Ret1ListBox->ItemText(k)) - 1);
}

void TFilesForm::Ret2ListBoxClick(TObject* Sender)
{
    (void)Sender;
    if (CompareRunning) return;
    int k = Ret2ListBox->ItemIndex();
    if (k < 0 || !Ret2ListBox->Selected(k)) return;
    ScrollIntoView(DestListBox, EntryNumber(Ret2ListBox->ItemText(k)) - 1);
}

void TFilesForm::ScrollIntoView(TListBox* pane, int index)
{
    const int visible = pane->Height() / pane->ItemHeight();
    const int preTop = JumpPreTop(pane->TopIndex(), visible, pane->Count(), index);
    if (preTop < 0) return;
    pane->SuspendRedraw();
    pane->SetTopIndex(preTop);
    pane->ResumeRedraw();
    pane->SetTopIndex(index);
}

void TFilesForm::WMCtlColorListBox(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    (void)msg;
    (void)wp;
    result = 0;
    if (!SameMenu->Checked() || Synchronizing != 0) return;
    Synchronizing = 1;
    HWND from = (HWND)lp;
    TListBox* other = nullptr;
    if (from == SrcListBox->Handle) {
        other = DestListBox;
        DestListBox->SetTopIndex(SrcListBox->TopIndex());
    } else if (from == DestListBox->Handle) {
        other = SrcListBox;
        SrcListBox->SetTopIndex(DestListBox->TopIndex());
    }
    // The other pane paints what the new top index uncovered now, while the
    // guard is up, so that this repaint copies nothing back: a shorter pane
    // that could not follow all the way would otherwise pull the longer one
    // back to its own last page.
    if (other) UpdateWindow(other->Handle);
    Synchronizing = 0;
}

void TFilesForm::SameMenuClick(TObject* Sender)
{
    (void)Sender;
    SameMenu->SetChecked(!SameMenu->Checked());
    if (SameMenu->Checked()) DestListBox->SetTopIndex(SrcListBox->TopIndex());
}

bool TFilesForm::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (msg == WM_CTLCOLORLISTBOX) {
        WMCtlColorListBox(msg, wp, lp, result);
        return true;
    }
    return TForm::WndProc(msg, wp, lp, result);
}
