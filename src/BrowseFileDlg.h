// The file selection dialog and the record it shares with its caller.
#pragma once

#include <string>

#include "gui/Forms.h"

// The current folder of the dialogs and the file chosen in the last one.
struct TSelFolderDlg {
    std::string folder;     // a folder path, or "Drives" for the drives level
    std::string file_path;  // after an OK close: the chosen file, or ""
};
extern TSelFolderDlg sel_folder_dlg;

// Shown modally for every file to be chosen: OK (1) leaves the chosen file's
// full path, or "", in sel_folder_dlg.file_path; Cancel (2) chooses nothing.
class TBrowseFileDlgForm : public TForm {
public:
    explicit TBrowseFileDlgForm(TForm* owner);
    ~TBrowseFileDlgForm() override;
};
