// The file selection dialog and the record it shares with its caller.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gui/Forms.h"
#include "gui/Win32.h"

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
class ShellInfoCache;

// The current folder of the dialogs and the file chosen in the last one.
struct TSelFolderDlg {
    std::string folder;     // a folder path, or "Drives" for the drives level
    std::string file_path;  // after an OK close: the chosen file, or ""
};
extern TSelFolderDlg sel_folder_dlg;

// What the shell tells about a path: display name, type name and the index
// of its small icon in the system image list.
struct TShellFileInfo {
    std::string DisplayName;
    std::string TypeName;
    int IconIndex = 0;
};
// Queries the shell for path. When the query fails the record shows the
// path's file name, an empty type and icon 0, never an earlier entry's values.
bool GetShellFileInfo(const std::string& path, TShellFileInfo& info);
// Size column text: ceil(size / 1024) with the user's thousands separator,
// followed by "KB"; empty for a folder.
std::string SizeText(uint64_t size, DWORD attributes);
// Time column text of a file time in UTC, in local time: "06/11/08 13:05".
std::string FileTimeText(const FILETIME& time);
// The three shown texts of a drive entry from its shell name: the type text
// and, for a local disk without a label only, the total and free size that
// sizes() supplies (it is not called for other drives).
std::vector<std::string> DriveColumnTexts(const std::string& caption,
                                          const std::function<void(std::string& total, std::string& free)>& sizes);
// The entries a listing shows: folders and files that are neither hidden nor
// system, nor a volume label; never "." and "..".
bool IsListableEntry(const WIN32_FIND_DATAW& entry);

// Shown modally for every file to be chosen: OK (1) leaves the chosen file's
// full path, or "", in sel_folder_dlg.file_path; Cancel (2) chooses nothing.
class TBrowseFileDlgForm : public TForm {
public:
    explicit TBrowseFileDlgForm(TForm* owner);
    ~TBrowseFileDlgForm() override;

    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

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
    HBRUSH viewListBrush_ = nullptr;
    // Each item's caption and its sort key in the user's locale, case ignored.
    std::unordered_map<const TListItem*, std::pair<std::string, std::string>> captionKeys_;
    const std::string& CaptionKey(const TListItem* item);

    // The logical drive mask the drives view lists; tests may replace it.
    std::function<DWORD()> LogicalDriveMask = [] { return GetLogicalDrives(); };

    void BuildLayout();

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

    // Listing.
    void ListFolder();
    void CreateSysImageList(TListView* view);
    void SetFolderColumns(TListView* view);
    void SnapFolderNames(const std::string& folderText);
    std::string FindUnlistedName(const TStringList& names);
    void AppendNewEntry(const std::string& folderText);
    std::string KindOfPath(const std::string& path);
    void AddEntryItem(const std::string& folderText, const WIN32_FIND_DATAW& entry, bool captionFromName,
                      ShellInfoCache* shell = nullptr);

    // Drives view and location box.
    void ShowDrives();
    void SetDriveColumns(TListView* view);
    void BuildLocationBox();

    // History.
    void PutTentativeEntry(const std::string& path);
    void WaitForDoubleClick();
};
