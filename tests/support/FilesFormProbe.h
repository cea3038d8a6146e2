// The tests' view of the comparison window's private state.
#pragma once

#include "src/Files.h"

struct FilesFormProbe {
    static std::vector<int32_t>& SrcDiffLines(TFilesForm& f) { return f.SrcDiffLines; }
    static std::vector<int32_t>& DestDiffLines(TFilesForm& f) { return f.DestDiffLines; }
    static bool& SrcIsCurrent(TFilesForm& f) { return f.SrcIsCurrent; }
    static const std::string& SrcFileName(TFilesForm& f) { return f.SrcFileName; }
    static const std::string& DestFileName(TFilesForm& f) { return f.DestFileName; }
    static const TPaneLines& SrcLines(TFilesForm& f) { return f.SrcLines; }
    static const TPaneLines& DestLines(TFilesForm& f) { return f.DestLines; }
    // Loads directly; an error is thrown, not shown.
    static void LoadPane(TFilesForm& f, TListBox* pane, const std::string& path) { f.LoadPane(pane, path); }
    static TCharWidths* PaneWidths(TFilesForm& f) { return &f.PaneCharWidths(); }
    static void CompareLines(TFilesForm& f) { f.CompareLines(); }
    static void ScrollIntoView(TFilesForm& f, TListBox* pane, int index) { f.ScrollIntoView(pane, index); }
};
