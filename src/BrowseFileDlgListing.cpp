// The file selection dialog's listing: a folder's entries with the shell's
// names, icons and types, the columns, the sort order, the drives view, and
// the helpers that append a new entry after a file command.
#include "src/BrowseFileDlg.h"

#include "forms/BrowseFileDlgLayout.h"
#include "gui/Buttons.h"
#include "gui/ImageList.h"
#include "gui/ListView.h"
#include "src/DiskArea.h"
#include "text/Ansi.h"

namespace L = BrowseFileDlgLayout;

namespace {

// Ends a batch update of a list view however the batch is left.
struct UpdateScope {
    TListView* view;
    explicit UpdateScope(TListView* v) : view(v) { view->BeginUpdate(); }
    ~UpdateScope() { view->EndUpdate(); }
};

const std::string& SubItem(const TListItem* item, int i)
{
    static const std::string empty;
    return i < item->SubItems.Count() ? item->SubItems[i] : empty;
}

}  // namespace

const std::string& TBrowseFileDlgForm::ItemTag(const TListItem* item) { return SubItem(item, 3); }

const std::string& TBrowseFileDlgForm::ItemPath(const TListItem* item) { return SubItem(item, 4); }

void TBrowseFileDlgForm::CreateSysImageList(TListView* view)
{
    SysImageList = new TImageList;
    if (HIMAGELIST h = SystemSmallImageList()) {
        SysImageList->ShareImages = true;
        SysImageList->SetHandle(h);
    }
    view->SetSmallImages(SysImageList);
}

void TBrowseFileDlgForm::ListFolder()
{
    std::string& folder = sel_folder_dlg.folder;
    if (folder == kDrives) {
        ShowDrives();
        BuildLocationBox();
        return;
    }
    UpSpeedBtn->SetEnabled(true);
    SpeedButton1->SetEnabled(true);
    if (!HasTrailingBackslash(folder)) folder += "\\";
    const std::string current = folder;
    {
        UpdateScope batch(ListView1);
        ListView1->Clear();
        captionKeys_.clear();
        ShellInfoCache shell;
        ForEachEntry(current + "*.*", [&](const WIN32_FIND_DATAW& fd) {
            if (IsListableEntry(fd)) AddEntryItem(current, fd, false, &shell);
        });
    }
    BuildLocationBox();
}

void TBrowseFileDlgForm::AddEntryItem(const std::string& folderText, const WIN32_FIND_DATAW& fd, bool captionFromName,
                                      ShellInfoCache* shell)
{
    // A name that code page 932 cannot hold is shown converted and reached
    // through its short name.
    std::string name = ShownName(fd);
    std::string full = folderText + ReachableName(fd, name);
    TShellFileInfo info;
    if (shell)
        shell->Get(full, name, fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, info);
    else
        GetShellFileInfo(full, info);
    TListItem* item = ListView1->Add();
    item->Caption = captionFromName ? name : info.DisplayName;
    item->ImageIndex = info.IconIndex;
    uint64_t size = ((uint64_t)fd.nFileSizeHigh << 32) | fd.nFileSizeLow;
    item->SubItems.Add(SizeText(size, fd.dwFileAttributes));
    item->SubItems.Add(info.TypeName);
    item->SubItems.Add(FileTimeText(fd.ftLastWriteTime));
    item->SubItems.Add((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "dir" : "file");
    item->SubItems.Add(full);
}

namespace {

template <size_t N>
void SetColumns(TListView* view, const L::Column (&columns)[N])
{
    UpdateScope batch(view);
    for (size_t i = 0; i < N; ++i)
        view->SetColumn((int)i, columns[i].Caption, columns[i].RightJustify ? taRightJustify : taLeftJustify);
}

}  // namespace

void TBrowseFileDlgForm::SetFolderColumns(TListView* view) { SetColumns(view, L::FolderColumns); }

void TBrowseFileDlgForm::SnapFolderNames(const std::string& folderText)
{
    FolderNames->Clear();
    ForEachEntry(folderText + "*.*", [&](const WIN32_FIND_DATAW& fd) {
        if (IsListableEntry(fd)) FolderNames->Add(ReachableName(fd));
    });
}

std::string TBrowseFileDlgForm::FindUnlistedName(const TStringList& names)
{
    for (const std::string& name : names.Strings) {
        bool listed = false;
        for (int i = 0; i < ListView1->Count() && !listed; ++i)
            listed = ExtractFileName(ItemPath(ListView1->Item(i))) == name;
        if (!listed) return name;
    }
    return std::string();  // every name is listed (no file name is empty)
}

void TBrowseFileDlgForm::AppendNewEntry(const std::string&)
{
    const std::string folder = sel_folder_dlg.folder;
    if (folder == kDrives) return;
    SnapFolderNames(UpToLast(folder, '\\'));
    std::string fresh = FindUnlistedName(*FolderNames);
    if (fresh.empty()) return;
    ForEachEntry(folder + "*.*", [&](const WIN32_FIND_DATAW& fd) {
        if (!IsListableEntry(fd) || ReachableName(fd) != fresh) return;
        AddEntryItem(folder, fd, true);
        ListView1->ItemChanged(ListView1->Item(ListView1->Count() - 1));
    });
}

std::string TBrowseFileDlgForm::KindOfPath(const std::string& path)
{
    std::string kind = "unknown";
    ForEachEntry(path, [&](const WIN32_FIND_DATAW& fd) {
        if (IsDotName(fd.cFileName)) return;
        if (!IsListableEntry(fd))
            kind = "unknown";
        else
            kind = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "folder" : "file";
    });
    return kind;
}

const std::string& TBrowseFileDlgForm::CaptionKey(const TListItem* item)
{
    // Sorting compares each caption many times. Its sort key orders exactly
    // as the locale's case-insensitive comparison does, and is kept while
    // the caption stays the same.
    auto& entry = captionKeys_[item];
    if (entry.first != item->Caption || entry.second.empty()) {
        entry.first = item->Caption;
        entry.second = SortKeyOf(item->Caption);
    }
    return entry.second;
}

void TBrowseFileDlgForm::ListView1Compare(TObject*, TListItem* Item1, TListItem* Item2, int, int& Compare)
{
    const std::string& tag1 = ItemTag(Item1);
    const std::string& tag2 = ItemTag(Item2);
    int r;
    if (tag1 == "drive")
        r = CompareText(std::string(1, DriveLetterOfCaption(Item1->Caption)),
                        std::string(1, DriveLetterOfCaption(Item2->Caption)));
    else  // equal bytes compare equal in any locale
        r = tag1 == tag2 ? 0 : CompareText(tag1, tag2);
    if (r != 0) {
        Compare = r;
        return;
    }
    // Sort keys are compared as unsigned bytes.
    const std::string& a = CaptionKey(Item1);
    const std::string& b = CaptionKey(Item2);
    int c = a.compare(b);
    Compare = c < 0 ? -1 : c > 0 ? 1 : 0;
}

void TBrowseFileDlgForm::ShowDrives()
{
    UpSpeedBtn->SetEnabled(false);
    SpeedButton1->SetEnabled(false);  // no folder to create one in
    {
        UpdateScope batch(ListView1);
        ListView1->Clear();
        captionKeys_.clear();
        SetDriveColumns(ListView1);
        HCURSOR old = SetCursor(LoadCursorW(nullptr, (LPCWSTR)IDC_WAIT));
        DWORD mask = LogicalDriveMask();
        for (int i = 0; i < 26; ++i) {
            if (!(mask & (1u << i))) continue;
            TListItem* item = ListView1->Add();
            std::string root = std::string(1, (char)('A' + i)) + ":\\";
            TShellFileInfo info;
            DriveShellInfo(root, info);
            item->Caption = info.DisplayName;
            item->ImageIndex = info.IconIndex;
            for (const std::string& text : DriveColumnTexts(item->Caption, [&](std::string& total, std::string& free) {
                     TDiskArea area = GetDiskArea(root);
                     total = area.TotalSize;
                     free = area.FreeSize;
                 }))
                item->SubItems.Add(text);
            item->SubItems.Add("drive");
            item->SubItems.Add(root);
        }
        SetCursor(old ? old : LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW));
    }
    BuildLocationBox();
    SetDriveColumns(ListView1);
}

void TBrowseFileDlgForm::SetDriveColumns(TListView* view) { SetColumns(view, L::DriveColumns); }
