#include "src/BrowseFileDlg.h"

TSelFolderDlg sel_folder_dlg;

TBrowseFileDlgForm::TBrowseFileDlgForm(TForm* owner) : TForm(owner, bsDialog)
{
    SetCaption("ファイルの選択");
    SetBounds(0, 0, 505, 265);
    Position = poScreenCenter;
    sel_folder_dlg.file_path = "";
}

TBrowseFileDlgForm::~TBrowseFileDlgForm() = default;
