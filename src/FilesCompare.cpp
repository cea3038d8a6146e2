// The comparison run, the highlighting of its results, jumping to a
// difference and linked scrolling of the two panes.
#include "src/Files.h"

int Synchronizing = 0;

void TFilesForm::AllCompareMenuClick(TObject* Sender) { (void)Sender; }
void TFilesForm::ClearMenuClick(TObject* Sender) { (void)Sender; }
void TFilesForm::CompareLines() {}
void TFilesForm::SrcListBoxDrawItem(TWinControl*, int, TRect, TOwnerDrawState) {}
void TFilesForm::DestListBoxDrawItem(TWinControl*, int, TRect, TOwnerDrawState) {}
void TFilesForm::Ret1ListBoxClick(TObject*) {}
void TFilesForm::Ret2ListBoxClick(TObject*) {}
void TFilesForm::ScrollIntoView(TListBox*, int) {}
void TFilesForm::WMCtlColorListBox(UINT, WPARAM, LPARAM, LRESULT& result) { result = 0; }
void TFilesForm::SameMenuClick(TObject*) {}

bool TFilesForm::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (msg == WM_CTLCOLORLISTBOX) {
        result = 0;
        WMCtlColorListBox(msg, wp, lp, result);
        return true;
    }
    return TForm::WndProc(msg, wp, lp, result);
}
