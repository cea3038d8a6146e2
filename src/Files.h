// The comparison window: two text panes side by side, the two lists of
// difference numbers at the left edge, the status bar with the counters and
// the two paths, the main menu and the panes' pop-up menu.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "gui/ComCtrls.h"
#include "gui/Forms.h"
#include "gui/Menus.h"
#include "gui/StdCtrls.h"
#include "text/CharWidths.h"
#include "text/PaneLines.h"

class TFilesForm : public TForm {
public:
    TFilesForm();
    ~TFilesForm() override;

    TStatusBar* StatusBar1;
    TMainMenu* MainMenu1;
    TMenuItem *File1, *OpenMenu, *ExitMenu, *Compare1, *AllCompareMenu, *ClearMenu, *NextDiffMenu, *PrevDiffMenu,
        *Option1, *SameMenu, *Help1, *AboutMenu;
    TPanel* LeftPanel;
    TListBox *Ret1ListBox, *Ret2ListBox;
    TListBox *SrcListBox, *DestListBox;
    TPopupMenu* PopupMenu1;
    TMenuItem *OpenItem, *EditItem, *UpdateItem;
    TMenuItem* SoftMenu;

    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    // Zero-based indexes of the highlighted lines of each pane, ascending.
    std::vector<int32_t> SrcDiffLines;
    std::vector<int32_t> DestDiffLines;
    bool SrcIsCurrent = false;
    std::string SrcFileName;
    std::string DestFileName;

    // The entries of the two panes: numbered lines, held compactly.
    TPaneLines SrcLines;
    TPaneLines DestLines;

    // The panes show their lines through these.
    class TPaneSource : public TListItemSource {
    public:
        explicit TPaneSource(const TPaneLines& lines) : lines_(lines) {}
        int Count() const override { return lines_.Count(); }
        std::string Text(int index) const override { return lines_.Text(index); }

    private:
        const TPaneLines& lines_;
    };
    TPaneSource SrcSource{SrcLines};
    TPaneSource DestSource{DestLines};

    // Where to start looking for the visible part of a long line: marks of
    // the long lines of each pane, made when a line is first drawn (see
    // PaintRow).
    std::unordered_map<int, std::vector<TTextPoint>> SrcMarks, DestMarks;

    // Character widths of the panes' font, measured once each.
    std::unique_ptr<TCharWidths> PaneWidths;
    HDC PaneWidthsDC = nullptr;
    TCharWidths& PaneCharWidths();

    // (client width - width of LeftPanel) / 2, the width of the right pane.
    int HalfWidth() const;
    std::string ShortenedPath(const std::string& path, int width);

    // Every handler of the window, bound once (at the end of construction).
    void BindHandlers();

    void FormResize(TObject* Sender);
    void ExitMenuClick(TObject* Sender);
    void SoftMenuClick(TObject* Sender);
    void AboutMenuClick(TObject* Sender);

    void LoadPane(TListBox* pane, const std::string& fileName);
    void OpenMenuClick(TObject* Sender);
    void SrcListBoxMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void DestListBoxMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void OpenItemClick(TObject* Sender);
    void EditItemClick(TObject* Sender);
    void UpdateItemClick(TObject* Sender);

    void AllCompareMenuClick(TObject* Sender);
    void ClearMenuClick(TObject* Sender);
    void CompareLines();

    void SrcListBoxDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
    void DestListBoxDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
    void Ret1ListBoxClick(TObject* Sender);
    void Ret2ListBoxClick(TObject* Sender);
    void ScrollIntoView(TListBox* pane, int index);
    void WMCtlColorListBox(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void SameMenuClick(TObject* Sender);

    // Moving between differences (FilesNavigate.cpp). The last move's
    // position and the left pane's top row right after it: while that top
    // row stays, the next move counts from the position, else from the top
    // row.
    int32_t MovedTo = -1;
    int MovedTop = -1;
    void NextDiffMenuClick(TObject* Sender);
    void PrevDiffMenuClick(TObject* Sender);
    void MoveToDifference(int32_t position);
    int32_t MoveReference() const;
    // Enables the moves when the run's results hold a difference.
    void EnableDiffMoves();

    // Files dropped onto the window (FilesNavigate.cpp).
    void FormDropFiles(TObject* Sender, const std::vector<std::string>& Files, int X, int Y);

    TPaneLines& LinesOf(TListBox* pane) { return pane == SrcListBox ? SrcLines : DestLines; }

    // The entries of a difference-number list, formed from a run's array
    // when the list asks for them: the first `Common` entries numbered to
    // the width of `CommonCount` lines, the rest to that of `OwnCount`.
    // `Shown` is the number of entries the list's window has been told of.
    class TDiffNumbers : public TListItemSource {
    public:
        explicit TDiffNumbers(const std::vector<int32_t>& lines) : lines_(lines) {}
        int Count() const override { return Shown; }
        std::string Text(int index) const override;
        int Shown = 0;
        int Common = 0;
        int CommonCount = 0;
        int OwnCount = 0;

    private:
        const std::vector<int32_t>& lines_;
    };
    TDiffNumbers Ret1Numbers{SrcDiffLines};
    TDiffNumbers Ret2Numbers{DestDiffLines};

    // The tests reach the private state through this.
    friend struct FilesFormProbe;
};

extern TFilesForm* FilesForm;

// A comparison run lets pending messages be processed once per slice of
// this many milliseconds (30; tests make it shorter).
extern int CompareSliceMs;
