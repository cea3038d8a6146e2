// The file selection dialog and the record it shares with its caller.
//
// The dialog is one class split by concern:
//   BrowseFileDlg.cpp            construction, layout, handler binding, create and destroy
//   BrowseFileDlgHistory.cpp     show, close query, the Open button, the tentative entry
//   BrowseFileDlgListing.cpp     listing, columns, sort keys, drives view, new-entry helpers
//   BrowseFileDlgNavigation.cpp  click, double click, Enter, the double-click wait, up, view buttons
//   BrowseFileDlgLocation.cpp    the location box
//   BrowseFileDlgFileOps.cpp     the context menu, its item clipboard and the shell file operations
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gui/FileSystem.h"
#include "gui/Forms.h"
#include "gui/Shell.h"
#include "gui/SysUtils.h"
#include "gui/Win32.h"
#include "text/DialogText.h"

class TLabel;
class TEdit;
class TListBox;
class TSplitter;
class TComboBox;
class TFilterComboBox;
class TButton;
class TSpeedButton;
class TListView;
class TListItem;
class TImageList;
class TStringList;
class TPopupMenu;
class TMenuItem;

// The current folder of the dialogs and the file chosen in the last one.
struct TSelFolderDlg {
    std::string folder;     // a folder path, or "Drives" for the drives level
    std::string file_path;  // after an OK close: the chosen file, or ""
};
extern TSelFolderDlg sel_folder_dlg;
// The current folder at the drives level.
constexpr const char kDrives[] = "Drives";

// Shown modally for every file to be chosen: OK (1) leaves the chosen file's
// full path, or "", in sel_folder_dlg.file_path; Cancel (2) chooses nothing.
class TBrowseFileDlgForm : public TForm {
public:
    explicit TBrowseFileDlgForm(TForm* owner);
    ~TBrowseFileDlgForm() override;

private:
    friend struct BrowseFileDlgProbe;

    // Controls of the layout.
    TPanel* Panel2;
    TLabel* Label1;
    TComboBox* ComboBox1;
    TSpeedButton *UpSpeedBtn, *SpeedButton1, *ViewSpeedBtn, *ArrowSpeedBtn;
    TListView* ListView1;
    TListBox* ViewListBox;
    TLabel* Label2;
    TComboBox* FileComboBox;
    TButton *OpenButton, *CancelButton;
    TEdit* FilenameEdit;
    TSplitter* Splitter1;
    TLabel* Label3;
    TFilterComboBox* FilterComboBox1;
    std::unique_ptr<TPopupMenu> PopupMenu1;
    TMenuItem *CutItem, *CopyItem, *PasteItem, *N1, *DelItem, *RenameItem;

    // Private fields.
    TImageList* SysImageList = nullptr;
    std::string SourcePath;
    std::string TargetPath;
    bool CutMode = false;
    TStringList* FolderNames = nullptr;
    std::unique_ptr<TImageList> ComputerImageList;
    bool TentativeEntry = false;
    TStringList* HistoryBuffer = nullptr;
    // Each item's caption and its sort key in the user's locale, case ignored.
    std::unordered_map<const TListItem*, std::pair<std::string, std::string>> captionKeys_;
    const std::string& CaptionKey(const TListItem* item);

    // The logical drive mask the drives view lists; tests may replace it.
    std::function<DWORD()> LogicalDriveMask = [] { return GetLogicalDrives(); };
    // What the shell tells about a drive root in the drives view; tests may
    // replace it (a system's drive names decide which sizes are shown).
    std::function<void(const std::string& root, TShellFileInfo& info)> DriveShellInfo =
        [](const std::string& root, TShellFileInfo& info) { GetShellFileInfo(root, info); };

    void BuildLayout();
    void BindHandlers();

    // Handlers.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormDestroy(TObject* Sender);
    void OpenButtonClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ListView1DblClick(TObject* Sender);
    void ListView1KeyUp(TObject* Sender, unsigned short& Key, unsigned Shift);
    void ListView1Compare(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare);
    void UpSpeedBtnClick(TObject* Sender);
    void ViewSpeedBtnClick(TObject* Sender);
    void ArrowSpeedBtnClick(TObject* Sender);
    void ViewListBoxClick(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void ComboBox1DrawItem(TWinControl* Control, int Index, TRect Rect, unsigned State);
    void SpeedButton1Click(TObject* Sender);
    void PopupMenu1Popup(TObject* Sender);
    void CutItemClick(TObject* Sender);
    void CopyItemClick(TObject* Sender);
    void PasteItemClick(TObject* Sender);
    void DelItemClick(TObject* Sender);
    void RenameItemClick(TObject* Sender);

    // Listing. Every item carries its kind tag ("dir", "file", "drive") and
    // its full path as sub-items 3 and 4.
    static const std::string& ItemTag(const TListItem* item);
    static const std::string& ItemPath(const TListItem* item);
    void ListFolder();
    void CreateSysImageList(TListView* view);
    void SetFolderColumns(TListView* view);
    void SnapFolderNames(const std::string& folderText);
    // The first of names that no item's path ends in, or "" when all are listed.
    std::string FindUnlistedName(const TStringList& names);
    void AppendNewEntry(const std::string& folderText);
    std::string KindOfPath(const std::string& path);
    void AddEntryItem(const std::string& folderText, const WIN32_FIND_DATAW& entry, bool captionFromName,
                      ShellInfoCache* shell = nullptr);

    // Drives view and location box.
    void ShowDrives();
    void SetDriveColumns(TListView* view);
    void BuildLocationBox();
    void LoadComputerIcon();

    // File commands.
    bool ShellFileOperation(const std::string& source, const std::string& destination, const std::string& operation);

    // History.
    void PutTentativeEntry(const std::string& path);
    void WaitForDoubleClick();
};
