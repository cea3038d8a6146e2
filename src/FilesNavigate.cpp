// The comparison window: moving to the next or previous difference from the
// Compare menu or its keys, and files dropped onto the window.
#include <algorithm>

#include "forms/FilesTexts.h"
#include "gui/Application.h"
#include "gui/FileSystem.h"
#include "src/Files.h"
#include "text/DiffLines.h"

// ------------------------------------------------- moving between differences

void TFilesForm::EnableDiffMoves()
{
    const bool any = !SrcDiffLines.empty() || !DestDiffLines.empty();
    NextDiffMenu->SetEnabled(any);
    PrevDiffMenu->SetEnabled(any);
    MovedTo = -1;
    MovedTop = -1;
}

int32_t TFilesForm::MoveReference() const
{
    const int top = SrcListBox->TopIndex();
    return MovedTo >= 0 && top == MovedTop ? MovedTo : top;
}

void TFilesForm::NextDiffMenuClick(TObject* Sender)
{
    (void)Sender;
    const int32_t position = NextDiffPosition(SrcDiffLines, DestDiffLines, MoveReference());
    if (position >= 0) MoveToDifference(position);
}

void TFilesForm::PrevDiffMenuClick(TObject* Sender)
{
    (void)Sender;
    const int32_t position = PrevDiffPosition(SrcDiffLines, DestDiffLines, MoveReference());
    if (position >= 0) MoveToDifference(position);
}

// Each pane that holds the difference scrolls to it as a click on its number
// in the difference list does, and the number is selected; a list that does
// not hold the position (a surplus line of the other pane) has no selection.
// With linked scrolling on, the right pane follows the left one.
void TFilesForm::MoveToDifference(int32_t position)
{
    struct Side {
        TListBox *list, *pane;
        const std::vector<int32_t>& lines;
    } sides[] = {{Ret1ListBox, SrcListBox, SrcDiffLines}, {Ret2ListBox, DestListBox, DestDiffLines}};
    bool scrolled = false;
    for (const Side& side : sides) {
        auto it = std::lower_bound(side.lines.begin(), side.lines.end(), position);
        const bool holds = it != side.lines.end() && *it == position;
        side.list->SetItemIndex(holds ? (int)(it - side.lines.begin()) : -1);
        if (!holds || (scrolled && SameMenu->Checked())) continue;
        ScrollIntoView(side.pane, position);
        scrolled = true;
    }
    // The panes paint now, so that linked scrolling has moved the other pane
    // before the left pane's top row is noted.
    UpdateWindow(SrcListBox->Handle);
    UpdateWindow(DestListBox->Handle);
    MovedTo = position;
    MovedTop = SrcListBox->TopIndex();
}

// ------------------------------------------------------------- dropped files

// One file loads into the pane it was dropped on (the difference lists count
// as the left pane's side), as Open for that pane does; two files load into
// the left and the right pane in their order. Folders and more than two files
// are refused with a message and nothing is loaded. While a run goes on the
// panes cannot change, and a drop is ignored as Open is.
void TFilesForm::FormDropFiles(TObject* Sender, const std::vector<std::string>& Files, int X, int Y)
{
    (void)Sender;
    (void)Y;
    if (!OpenMenu->Enabled() || Files.empty()) return;
    if (Files.size() > 2) {
        ShowMessage(FilesTexts::DropTooManyMessage);
        return;
    }
    for (const std::string& f : Files) {
        if (DirectoryExists(f)) {
            ShowMessage(f + FilesTexts::DropFolderMessage);
            return;
        }
    }
    if (Files.size() == 2) {
        LoadPane(SrcListBox, Files[0]);
        LoadPane(DestListBox, Files[1]);
        return;
    }
    LoadPane(X < DestListBox->Left() ? SrcListBox : DestListBox, Files[0]);
}
