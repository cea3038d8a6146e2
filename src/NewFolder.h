// The new-folder dialog: asks for a name and creates the folder in the
// current folder of the file selection dialog.
#pragma once

#include <string>

#include "gui/Forms.h"

class TLabel;
class TEdit;
class TButton;

// Reads sel_folder_dlg.folder (a folder path with its trailing backslash).
// Shown modally: OK (1) once a folder has been created, Cancel (2) when none
// was. A name that cannot be created is refused with a message and the
// dialog stays open.
class TNewFolderForm : public TForm {
public:
    explicit TNewFolderForm(TForm* owner);

private:
    friend struct NewFolderFormProbe;

    TLabel *Label1, *FolderLabel, *Label2;
    TEdit* FolderEdit;
    TButton *OKBtn, *CancelBtn;

    void BuildLayout();
    void BindHandlers();
    void ShowCurrentFolder();

    void OKBtnClick(TObject* Sender);
};
