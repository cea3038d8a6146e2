// The tests' view of the comparison window's private state:
// FilesFormProbe{form}.SrcLines(), like BrowseFileDlgProbe{dlg} for the dialog.
#pragma once

#include "src/Files.h"

struct FilesFormProbe {
    TFilesForm& f;

    std::vector<int32_t>& SrcDiffLines() const { return f.SrcDiffLines; }
    std::vector<int32_t>& DestDiffLines() const { return f.DestDiffLines; }
    bool& SrcIsCurrent() const { return f.SrcIsCurrent; }
    const std::string& SrcFileName() const { return f.SrcFileName; }
    const std::string& DestFileName() const { return f.DestFileName; }
    const TPaneLines& SrcLines() const { return f.SrcLines; }
    const TPaneLines& DestLines() const { return f.DestLines; }
    // Loads directly; an error is thrown, not shown.
    void LoadPane(TListBox* pane, const std::string& path) const { f.LoadPane(pane, path); }
    TCharWidths* PaneWidths() const { return &f.PaneCharWidths(); }
    void CompareLines() const { f.CompareLines(); }
    void ScrollIntoView(TListBox* pane, int index) const { f.ScrollIntoView(pane, index); }
};
