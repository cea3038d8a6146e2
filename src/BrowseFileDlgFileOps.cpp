// The file selection dialog's file commands: the context menu of the list,
// its one-path item clipboard (cut, copy, paste), delete to the recycle bin,
// rename and new folder, and the shell file operation they go through.
#include "src/BrowseFileDlg.h"

#include "forms/BrowseFileDlgLayout.h"
#include "forms/RenameLayout.h"
#include "gui/ListView.h"
#include "gui/Shell.h"
#include "gui/SimpleCtrls.h"
#include "src/NewFolder.h"
#include "src/Rename.h"
#include "text/Ansi.h"
#include "text/FileNames.h"

namespace L = BrowseFileDlgLayout;
namespace R = RenameLayout;

namespace {

struct ShellOperationKind {
    const char* keyword;
    UINT function;
    const char* progressTitle;
};

const ShellOperationKind kShellOperations[] = {
    {"copy", FO_COPY, L::CopyProgressTitle},
    {"move", FO_MOVE, L::MoveProgressTitle},
    {"del", FO_DELETE, L::DeleteProgressTitle},
    {"rename", FO_RENAME, L::RenameProgressTitle},
};

const char kTrashBox[] = "trashbox";

}  // namespace

bool TBrowseFileDlgForm::ShellFileOperation(const std::string& source, const std::string& destination,
                                            const std::string& operation)
{
    const ShellOperationKind* kind = nullptr;
    for (const ShellOperationKind& k : kShellOperations)
        if (operation == k.keyword) kind = &k;
    if (!kind) return false;
    const bool toTrash = destination == kTrashBox;
    return ::ShellFileOperation(Handle, kind->function, source, toTrash ? nullptr : &destination,
                                FOF_ALLOWUNDO | FOF_RENAMEONCOLLISION, kind->progressTitle);
}

// ------------------------------------------------ context menu and clipboard

void TBrowseFileDlgForm::PopupMenu1Popup(TObject*) {}
void TBrowseFileDlgForm::CutItemClick(TObject*) {}
void TBrowseFileDlgForm::CopyItemClick(TObject*) {}
void TBrowseFileDlgForm::PasteItemClick(TObject*) {}
void TBrowseFileDlgForm::DelItemClick(TObject*) {}

// ------------------------------------------------------- rename, new folder
//
// Each asks for a name in a small dialog of its own (Rename.cpp,
// NewFolder.cpp) and updates the listing in place.

// Renames the item last clicked (sel_folder_dlg.file_path) through the
// shell. A name under which a file or a folder already exists is refused
// with a message naming the old name, and the dialog asks again with the old
// name; a name the file system would refuse is refused with a message of its
// own, and the dialog asks again with that name. Cancel ends the command.
void TBrowseFileDlgForm::RenameItemClick(TObject*)
{
    auto dialog = std::make_unique<TRenameForm>(this);
    SourcePath = sel_folder_dlg.file_path;
    const std::string oldName = ExtractFileName(SourcePath);
    if (oldName.empty()) return;
    TListItem* selected = ListView1->Selected();
    const int position = selected ? selected->Index() : -1;
    FilenameEdit->SetFocus();
    FilenameEdit->SetText(oldName);
    dialog->SetName(FilenameEdit->Text());
    if (dialog->ShowModal() != mrOk) return;
    const std::string folder = ExtractFilePath(SourcePath);
    std::string name = dialog->Name();
    TargetPath = folder + name;
    if (TargetPath == SourcePath) return;
    for (;;) {
        std::string message, caption;
        if (!IsAcceptableFileName(name)) {
            message = R::NameRefusedBefore + name + R::NameRefusedAfter;
            caption = R::NameRefusedCaption;
        } else if (FileExists(TargetPath) || DirectoryExists(TargetPath)) {
            dialog->SetName(FilenameEdit->Text());
            message = R::NameTakenBefore + dialog->Name() + R::NameTakenAfter;
            caption = R::NameTakenCaption;
        } else {
            break;
        }
        MessageBoxW(nullptr, ToWide(message).c_str(), ToWide(caption).c_str(), MB_OK | MB_ICONERROR);
        if (dialog->ShowModal() != mrOk) return;
        name = dialog->Name();
        TargetPath = folder + name;
    }
    dialog.reset();
    if (!ShellFileOperation(SourcePath, TargetPath, "rename")) return;
    // The item noted before, or wherever the item of the old path is now.
    TListItem* item = position >= 0 && position < ListView1->Count() ? ListView1->Item(position) : nullptr;
    for (int i = 0; i < ListView1->Count() && (!item || ItemPath(item) != SourcePath); ++i) item = ListView1->Item(i);
    if (!item || ItemPath(item) != SourcePath) return;
    item->Caption = name;
    item->SubItems[4] = TargetPath;
    ListView1->ItemChanged(item);
}

// Creates a folder in the current folder through the new-folder dialog and
// appends it to the listing. There is no folder to create one in at the
// drives level, where the button is disabled.
void TBrowseFileDlgForm::SpeedButton1Click(TObject*)
{
    if (sel_folder_dlg.folder == kDrives) return;
    auto dialog = std::make_unique<TNewFolderForm>(this);
    if (dialog->ShowModal() == mrOk) AppendNewEntry(sel_folder_dlg.folder);
}
