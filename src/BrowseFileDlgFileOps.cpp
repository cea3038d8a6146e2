// The file selection dialog's file commands: the context menu of the list,
// its one-path item clipboard (cut, copy, paste), delete to the recycle bin,
// rename and new folder, and the shell file operation they go through.
#include "src/BrowseFileDlg.h"

#include "forms/BrowseFileDlgLayout.h"
#include "forms/RenameLayout.h"
#include "gui/Application.h"
#include "gui/ListView.h"
#include "gui/Menus.h"
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
//
// The clipboard is one path (SourcePath) and whether it was cut (CutMode).
// Nothing is ever overwritten: a paste whose name is taken in the folder
// (the item's own folder included) goes under the first free copy name,
// chosen here, since not every shell honours FOF_RENAMEONCOLLISION. The
// commands leave drive roots and the drives level alone.

namespace {

bool SameFolder(const std::string& a, const std::string& b) { return IsSameOrBelow(a, b) && IsSameOrBelow(b, a); }

}  // namespace

void TBrowseFileDlgForm::PopupMenu1Popup(TObject*)
{
    for (TMenuItem* item : PopupMenu1->Items()) item->SetVisible(false);
    if (sel_folder_dlg.folder == kDrives) return;
    TListItem* item = ListView1->Selected();
    if (item) {
        const std::string path = ItemPath(item);
        sel_folder_dlg.file_path = path;
        FilenameEdit->SetText(ExtractFileName(path));
        Application.ProcessMessages();
        item = ListView1->Selected();
    }
    if (item) {
        const std::string now = ItemPath(item);
        if (KindOfPath(now) == "file") PutTentativeEntry(now);
        for (TMenuItem* i : PopupMenu1->Items()) i->SetVisible(true);
        PasteItem->SetVisible(false);
    } else {
        PasteItem->SetVisible(!SourcePath.empty());
    }
}

void TBrowseFileDlgForm::CutItemClick(TObject*)
{
    SourcePath = sel_folder_dlg.file_path;
    CutMode = true;
}

void TBrowseFileDlgForm::CopyItemClick(TObject*)
{
    SourcePath = sel_folder_dlg.file_path;
    CutMode = false;
}

void TBrowseFileDlgForm::PasteItemClick(TObject*)
{
    TargetPath = sel_folder_dlg.folder;
    if (TargetPath == kDrives || SourcePath.empty()) return;
    const std::string source = SourcePath;
    const bool move = CutMode;
    if (move) SourcePath.clear();

    std::string destination = TargetPath;  // a source that has gone: the shell reports it
    if (EntryMayExist(source)) {
        const bool folder = DirectoryExists(source);
        if (folder && IsSameOrBelow(source, TargetPath)) {
            Application.MessageBox(L::PasteIntoItselfBefore + source + L::PasteIntoItselfAfter,
                                   move ? L::MoveIntoItselfCaption : L::CopyIntoItselfCaption, MB_OK | MB_ICONHAND);
            return;
        }
        // Moving an item into the folder that holds it changes nothing.
        if (move && SameFolder(ExtractFilePath(source), TargetPath)) return;
        std::string folderText = TargetPath;
        if (!HasTrailingBackslash(folderText)) folderText += "\\";
        const std::string name =
            FreeCopyName(ExtractFileName(source), folder, [&](const std::string& n) { return EntryMayExist(folderText + n); });
        if (name.empty()) return;
        destination = folderText + name;
    }
    if (ShellFileOperation(source, destination, move ? "move" : "copy")) AppendNewEntry(TargetPath);
}

void TBrowseFileDlgForm::DelItemClick(TObject*)
{
    TListItem* item = ListView1->Selected();
    if (!item || sel_folder_dlg.folder == kDrives || ItemTag(item) == "drive") return;
    const int index = item->Index();
    SourcePath = ItemPath(item);
    if (!ShellFileOperation(SourcePath, kTrashBox, "del")) return;
    // The shell's windows ran a message loop: remove the item only if it is
    // still the one at that position.
    if (index < ListView1->Count() && ItemPath(ListView1->Item(index)) == SourcePath) ListView1->Delete(index);
}

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
