// The file selection dialog's navigation: a click makes a file the tentative
// entry, a double click or Enter opens a folder or drive or chooses a file,
// the up button climbs, and the view buttons switch between list and details.
#include "src/BrowseFileDlg.h"

#include "forms/BrowseFileDlgLayout.h"
#include "gui/Application.h"
#include "gui/Buttons.h"
#include "gui/ListView.h"
#include "gui/SimpleCtrls.h"
#include "gui/StdCtrls.h"
#include "text/Ansi.h"

namespace L = BrowseFileDlgLayout;

void TBrowseFileDlgForm::WaitForDoubleClick()
{
    // Messages are handled until the double-click time has passed, sleeping
    // while there are none, so a double click runs in the middle of this.
    DWORD deadline = GetTickCount() + GetDoubleClickTime();
    for (;;) {
        Application.ProcessMessages();
        DWORD now = GetTickCount();
        if ((int32_t)(deadline - now) <= 0) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, deadline - now, QS_ALLINPUT);
    }
}

void TBrowseFileDlgForm::ListView1Click(TObject*)
{
    TListItem* item = ListView1->Selected();
    if (!item) return;
    if (ExtractFileExt(item->Caption).empty()) WaitForDoubleClick();
    sel_folder_dlg.file_path = "";
    item = ListView1->Selected();
    if (!item) return;
    const std::string path = ItemPath(item);
    sel_folder_dlg.file_path = path;
    FilenameEdit->SetText(ExtractFileName(path));
    Application.ProcessMessages();
    item = ListView1->Selected();
    if (!item) return;
    const std::string now = ItemPath(item);
    if (KindOfPath(now) == "file") PutTentativeEntry(now);
}

void TBrowseFileDlgForm::ListView1DblClick(TObject*)
{
    TListItem* item = ListView1->Selected();
    if (!item) return;
    const std::string tag = ItemTag(item);
    const std::string path = ItemPath(item);
    const std::string caption = item->Caption;
    if (tag == "dir") {
        if (DirectoryExists(path)) {
            sel_folder_dlg.folder = path;
            ListFolder();
        } else {
            Application.MessageBox(L::FolderMissingBefore + path + L::FolderMissingAfter, L::FolderMissingCaption,
                                   MB_OK | MB_ICONHAND);
        }
    } else if (tag == "drive") {
        if (!DirectoryExists(path)) {
            std::string drive = (caption.size() >= 3 ? caption.substr(caption.size() - 3, 2) : caption) + "\\";
            for (;;) {
                int answer = Application.MessageBox(drive + L::DeviceNotReadyAfter, caption, MB_RETRYCANCEL | MB_ICONHAND);
                if (answer != IDRETRY) return;
                if (DirectoryExists(path)) break;
            }
        }
        sel_folder_dlg.folder = path;
        ListFolder();
        SetFolderColumns(ListView1);
    } else if (tag == "file") {
        if (FileExists(path)) {
            sel_folder_dlg.file_path = path;
            ModalResult = mrOk;
        } else {
            Application.MessageBox(path + L::InvalidFileAfter, path, MB_OK | MB_ICONHAND);
        }
    }
}

void TBrowseFileDlgForm::ListView1KeyUp(TObject* Sender, unsigned short& Key, unsigned)
{
    if (Key == VK_RETURN) ListView1DblClick(Sender);
}

void TBrowseFileDlgForm::UpSpeedBtnClick(TObject*)
{
    std::string& folder = sel_folder_dlg.folder;
    bool root = folder.size() >= 2 && folder[folder.size() - 2] == ':';
    std::string parent;
    if (!root && !IsNetworkTop(folder) && folder.size() >= 2) parent = UpToLast(folder.substr(0, folder.size() - 1), '\\');
    if (parent.empty()) {
        folder = kDrives;
        ListFolder();
        SetDriveColumns(ListView1);
    } else {
        ListView1->SetSortType(stData);
        folder = parent;
        ListFolder();
    }
    FilenameEdit->SetFocus();
}

void TBrowseFileDlgForm::ViewSpeedBtnClick(TObject*)
{
    if (ViewListBox->Visible()) ViewListBox->SetVisible(false);
    if (ViewListBox->ItemIndex() == 0) {
        ViewListBox->SetItemIndex(1);
        ListView1->SetViewStyle(vsReport);
    } else {
        ViewListBox->SetItemIndex(0);
        ListView1->SetViewStyle(vsList);
    }
}

void TBrowseFileDlgForm::ArrowSpeedBtnClick(TObject*)
{
    if (ViewListBox->Visible()) {
        ViewListBox->SetVisible(false);
    } else {
        ViewListBox->BringToFront();
        ViewListBox->SetVisible(true);
    }
}

void TBrowseFileDlgForm::ViewListBoxClick(TObject*)
{
    ViewListBox->SetVisible(false);
    ListView1->SetViewStyle(ViewListBox->ItemIndex() == 0 ? vsList : vsReport);
}
