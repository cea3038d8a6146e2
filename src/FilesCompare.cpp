// The comparison run, the highlighting of its results, jumping to a
// difference and linked scrolling of the two panes.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "gui/Application.h"
#include "src/Files.h"
#include "text/DiffLines.h"

// Linked scrolling's guard: 1 while a pane's top index is being copied to
// the other pane, so that the repaint this causes copies nothing back.
int Synchronizing = 0;

namespace {

// True while a comparison run lets messages be processed. The commands that
// would change the panes or the results are disabled meanwhile, and the
// handlers of this file ignore themselves.
bool CompareRunning = false;

// Messages are processed once per slice of this length during a run, so
// the lists and counters grow visibly and the window repaints, without
// paying for a round of message processing after every difference.
constexpr LONGLONG SliceMs = 30;
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
        return (now.QuadPart - start_.QuadPart) * 1000 >= SliceMs * freq_.QuadPart;
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

// The number of a difference-number list entry: decimal digits after the
// leading spaces; 0 for anything else.
int EntryNumber(const std::string& text)
{
    size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    return (int)std::strtol(text.c_str() + i, nullptr, 10);
}

void PaintRow(TListBox* pane, const TPaneLines& lines, const std::vector<int32_t>& diffLines, TColor highlight,
              int index, const TRect& rect)
{
    TCanvas& canvas = pane->Canvas;
    if (IsDiffLine(diffLines, index)) {
        canvas.Brush.Color = highlight;
        canvas.FontColor = clWindowText;
    }
    canvas.FillRect(rect);
    if (index >= 0 && index < lines.Count()) canvas.TextRect(rect, rect.Left + 2, rect.Top, lines.Text(index));
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
    TCompareRun run(this);
    CompareLines();
}

void TFilesForm::ClearMenuClick(TObject* Sender)
{
    (void)Sender;
    if (CompareRunning) return;
    SrcDiffLines.clear();
    DestDiffLines.clear();
    for (TListBox* pane : {SrcListBox, DestListBox}) {
        if (pane->SelCount() > 0) pane->ClearSelection();
        pane->Repaint();
    }
    Ret1ListBox->Clear();
    Ret2ListBox->Clear();
}

void TFilesForm::CompareLines()
{
    const int srcCount = SrcLines.Count();
    const int destCount = DestLines.Count();
    const int bound = std::min(srcCount, destCount);
    int count = 0;

    // What the window shows of the results is brought up to date once per
    // slice: the counters, and the lists' item counts.
    // A counter is written only when its value differs from what this run
    // last wrote, starting from 0, so a run that records nothing on a side
    // leaves that counter's earlier text.
    int shownTotal0 = 0, shownTotal2 = 0;
    int shownRet1 = 0, shownRet2 = 0;  // the lists are empty at the start
    auto publish = [&](int total0, int total2) {
        if (total0 != shownTotal0) StatusBar1->SetPanelText(0, std::to_string(total0));
        if (total2 != shownTotal2) StatusBar1->SetPanelText(2, std::to_string(total2));
        shownTotal0 = total0;
        shownTotal2 = total2;
        // The entries are added to the lists' items as they are found; the
        // windows learn the new counts here, once per slice. The count only
        // grows, so the window is told the new count alone (what Add does
        // per entry), which costs the entries added since the last slice,
        // not all of them.
        for (auto [list, shown] : {std::pair<TListBox*, int*>{Ret1ListBox, &shownRet1}, {Ret2ListBox, &shownRet2}}) {
            if (list->Items.Count() == *shown) continue;
            SendMessageW(list->Handle, LB_SETCOUNT, list->Items.Count(), 0);
            *shown = list->Items.Count();
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

    for (int i = 0; i < bound; ++i) {
        if (!TPaneLines::EntriesEqual(SrcLines, DestLines, i)) {
            ++count;
            SrcDiffLines.push_back(i);
            DestDiffLines.push_back(i);
            std::string number = FormatLineNumber(srcCount, i + 1);
            Ret1ListBox->Items.Add(number);
            Ret2ListBox->Items.Add(number);
        }
        if (i % ClockStride == ClockStride - 1 && clock.Due() && !slice(count, count)) return;
    }

    // The surplus entries of the longer pane, each recorded in its own
    // array and list, numbered with that pane's own line count, and the
    // total in that side's counter.
    if (destCount > srcCount) {
        const int total = count + destCount - srcCount;
        for (int j = srcCount; j < destCount; ++j) {
            DestDiffLines.push_back(j);
            Ret2ListBox->Items.Add(FormatLineNumber(destCount, j + 1));
            if (j % ClockStride == ClockStride - 1 && clock.Due() && !slice(count, total)) return;
        }
        publish(count, total);
    } else if (srcCount > destCount) {
        const int total = count + srcCount - destCount;
        for (int j = destCount; j < srcCount; ++j) {
            SrcDiffLines.push_back(j);
            Ret1ListBox->Items.Add(FormatLineNumber(srcCount, j + 1));
            if (j % ClockStride == ClockStride - 1 && clock.Due() && !slice(total, count)) return;
        }
        publish(total, count);
    } else {
        publish(count, count);
    }
}

void TFilesForm::SrcListBoxDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)
{
    (void)Control;
    (void)State;
    PaintRow(SrcListBox, SrcLines, SrcDiffLines, SrcHighlightColor(), Index, Rect);
}

void TFilesForm::DestListBoxDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)
{
    (void)Control;
    (void)State;
    PaintRow(DestListBox, DestLines, DestDiffLines, DestHighlightColor(), Index, Rect);
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
