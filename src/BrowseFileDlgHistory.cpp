// The file selection dialog's history: read when the dialog is shown,
// written when it closes; the Open button and the tentative entry.
#include "src/BrowseFileDlg.h"

#include "forms/BrowseFileDlgLayout.h"
#include "gui/Application.h"
#include "gui/ComboBox.h"
#include "gui/Exception.h"
#include "gui/Registry.h"
#include "text/Ansi.h"

namespace L = BrowseFileDlgLayout;

namespace {

const char kHistoryKey[] = "Software\\Brisvane\\";
const char kHistorySubkey[] = "Tavlen";
const char kHistoryValue[] = "data";

}  // namespace

void TBrowseFileDlgForm::FormShow(TObject*)
{
    delete HistoryBuffer;
    HistoryBuffer = new TStringList;
    std::string data;
    try {
        TRegistry reg;
        reg.RootKey = HKEY_CURRENT_USER;
        if (reg.OpenKey(kHistoryKey, true) && reg.OpenKeyReadOnly(kHistorySubkey)) data = reg.ReadString(kHistoryValue);
        reg.CloseKey();
    } catch (const ERegistryException& e) {
        // A value that cannot be read is reported; the dialog opens without a history.
        Application.ShowException(e);
        data.clear();
    }
    for (const std::string& entry : SplitHistory(data)) HistoryBuffer->Add(entry);
    if (HistoryBuffer->Count() > 0) FileComboBox->SetItems(*HistoryBuffer);
    FileComboBox->SetItemIndex(0);
}

void TBrowseFileDlgForm::PutTentativeEntry(const std::string& path)
{
    if (TentativeEntry) FileComboBox->DeleteItem(0);
    FileComboBox->InsertItem(0, path);
    FileComboBox->SetItemIndex(0);
    TentativeEntry = true;
}

void TBrowseFileDlgForm::OpenButtonClick(TObject*)
{
    TentativeEntry = false;
    int selected = FileComboBox->ItemIndex();
    std::string chosen = selected >= 0 ? FileComboBox->Item(selected) : std::string();
    int count = FileComboBox->ItemCount();
    if (count > 0) {
        std::string first = FileComboBox->Item(0);
        for (int i = 1; i < count; ++i) {
            if (FileComboBox->Item(i) != first) continue;
            FileComboBox->DeleteItem(i);
            if (i < selected)
                --selected;
            else if (i == selected)
                selected = 0;
            break;
        }
    }
    if (FileExists(chosen)) {
        sel_folder_dlg.file_path = chosen;
        sel_folder_dlg.folder = ExtractFilePath(chosen);
        if (selected == 0) return;
        FileComboBox->DeleteItem(selected);
        FileComboBox->InsertItem(0, chosen);
        FileComboBox->SetItemIndex(0);
        if (FileComboBox->ItemCount() >= 20)
            while (FileComboBox->ItemCount() > 20) FileComboBox->DeleteItem(20);
        return;
    }
    Application.MessageBox(L::AccessInfoBefore + chosen + L::AccessInfoAfter, L::AccessInfoCaption,
                           MB_OK | MB_ICONINFORMATION);
    sel_folder_dlg.file_path = "";
}

void TBrowseFileDlgForm::FormCloseQuery(TObject*, bool& CanClose)
{
    CanClose = true;
    if (TentativeEntry) {
        FileComboBox->DeleteItem(0);
        TentativeEntry = false;
    }
    if (!HistoryBuffer) HistoryBuffer = new TStringList;
    HistoryBuffer->Assign(FileComboBox->Items());
    try {
        TRegistry reg;
        reg.RootKey = HKEY_CURRENT_USER;
        if (!reg.OpenKey(kHistoryKey, true) || !reg.OpenKey(kHistorySubkey, true))
            throw ERegistryException(std::string("Failed to set data for '") + kHistoryValue + "'");
        // Written over the old value in one step, so a failed write keeps it.
        reg.WriteString(kHistoryValue, JoinHistory(HistoryBuffer->Strings));
        reg.CloseKey();
    } catch (const ERegistryException& e) {
        // Reported; the dialog still closes.
        Application.ShowException(e);
    }
}
