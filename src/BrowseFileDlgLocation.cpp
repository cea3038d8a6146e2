// The file selection dialog's location box: the computer, every drive and
// the folders from the current drive's root down to the current folder, each
// drawn with its shell icon and name; choosing an entry lists it.
#include "src/BrowseFileDlg.h"

#include "forms/BrowseFileDlgLayout.h"
#include "gui/Application.h"
#include "gui/ComboBox.h"
#include "gui/ImageList.h"
#include "gui/ListView.h"
#include "gui/SimpleCtrls.h"
#include "gui/StdCtrls.h"
#include "text/LocationText.h"

namespace L = BrowseFileDlgLayout;

namespace {

const char kComputerItem[] = "0:Drives";

}  // namespace

void TBrowseFileDlgForm::BuildLocationBox()
{
    int marked = -1;
    TStringList items;
    for (std::string& item : LocationItems(sel_folder_dlg.folder, LogicalDriveMask(), marked)) items.Add(item);
    ComboBox1->SetItems(items);
    ComboBox1->SetItemIndex(-1);
    ComboBox1->SetItemIndex(marked);
}

void TBrowseFileDlgForm::ComboBox1DrawItem(TWinControl*, int Index, TRect Rect, unsigned State)
{
    TCanvas& canvas = ComboBox1->Canvas;
    canvas.FillRect(Rect);
    if (Index < 0) return;
    std::string text = ComboBox1->Item(Index);
    const LocationItem item = ParseLocationItem(text);
    if (item.marked) text.erase(0, 1);
    if (SysImageList) SysImageList->DrawingStyle = dsTransparent;
    if (State & odsSelected) canvas.FontColor = clWhite;

    // The closed box shows its entry flush left; the dropped list shows the tree.
    const bool inList = ComboBox1->DroppedDown() && !(State & odsComboBoxEdit);
    const int indent = inList ? 8 * item.level : 0;
    if (text == kComputerItem) {
        LoadComputerIcon();
        ListView1->SetSortType(stNone);
        ComputerImageList->DrawingStyle = dsTransparent;
        ComputerImageList->Draw(canvas, Rect.Left + indent + 2, Rect.Top, 0);
        canvas.TextOut(Rect.Left + indent + 22, Rect.Top + 2, L::ComputerCaption);
    } else {
        TShellFileInfo info;
        GetShellFileInfo(item.location, info, item.marked);
        ListView1->SetSortType(stData);
        if (SysImageList) SysImageList->Draw(canvas, Rect.Left + indent + 2, Rect.Top, info.IconIndex);
        canvas.TextOut(Rect.Left + indent + 22, Rect.Top + 2, info.DisplayName);
    }
}

void TBrowseFileDlgForm::LoadComputerIcon()
{
    wchar_t system[128] = {};
    UINT n = GetSystemDirectoryW(system, 128);
    std::wstring file = (n > 0 && n < 128 ? std::wstring(system, n) : std::wstring()) + L"\\SHELL32.DLL";
    HICON small = nullptr;
    ExtractIconExW(file.c_str(), 15, nullptr, &small, 1);
    auto list = std::make_unique<TImageList>();
    list->CreateSize(16, 16);
    list->AddIcon(small);
    ComputerImageList = std::move(list);  // the previous list is released
    if (small) DestroyIcon(small);
}

void TBrowseFileDlgForm::ComboBox1Change(TObject*)
{
    if (ComboBox1->DroppedDown()) return;
    int index = ComboBox1->ItemIndex();
    if (index < 0) return;
    const std::string target = ParseLocationItem(ComboBox1->Item(index)).location;
    if (target != kDrives && !DirectoryExists(target)) {
        for (;;) {
            int answer = Application.MessageBox(target + L::DeviceNotReadyAfter, L::DeviceErrorCaption,
                                                MB_RETRYCANCEL | MB_ICONHAND);
            if (answer != IDRETRY) {
                BuildLocationBox();
                ListView1->SetFocus();
                return;
            }
            if (DirectoryExists(target)) break;
        }
    }
    const bool fromDrives = sel_folder_dlg.folder == kDrives;
    sel_folder_dlg.folder = target;
    ListFolder();
    // Leaving the drives view, the columns become the folder columns again.
    if (fromDrives && target != kDrives) SetFolderColumns(ListView1);
    FilenameEdit->SetFocus();
}
