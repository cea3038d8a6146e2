// The tests' access to the file selection dialog: its controls, its handlers,
// and real notifications sent through the window to the list view.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/Application.h"
#include "gui/Buttons.h"
#include "gui/ComboBox.h"
#include "gui/ListView.h"
#include "gui/Menus.h"
#include "gui/SimpleCtrls.h"
#include "gui/StdCtrls.h"
#include "tests/support/Input.h"
#include "src/BrowseFileDlg.h"
#include "src/NewFolder.h"
#include "src/Rename.h"

struct BrowseFileDlgProbe {
    TBrowseFileDlgForm& d;

    TListView* List() const { return d.ListView1; }
    TComboBox* History() const { return d.FileComboBox; }
    TEdit* FilenameEdit() const { return d.FilenameEdit; }
    TComboBox* LocationBox() const { return d.ComboBox1; }
    TFilterComboBox* FilterBox() const { return d.FilterComboBox1; }
    TListBox* ViewList() const { return d.ViewListBox; }
    TSpeedButton* Up() const { return d.UpSpeedBtn; }
    TSpeedButton* View() const { return d.ViewSpeedBtn; }
    TSpeedButton* Arrow() const { return d.ArrowSpeedBtn; }
    TSpeedButton* NewFolderButton() const { return d.SpeedButton1; }
    TButton* Open() const { return d.OpenButton; }
    TButton* Cancel() const { return d.CancelButton; }
    bool Tentative() const { return d.TentativeEntry; }

    void FormShow() { d.FormShow(&d); }
    bool FormCloseQuery()
    {
        bool can = false;
        d.FormCloseQuery(&d, can);
        return can;
    }
    // The Open button as the user presses it: modal result, then the handler.
    void PressOpen() { SendMessageW(d.OpenButton->Handle, BM_CLICK, 0, 0); }
    void ListFolder() { d.ListFolder(); }
    void UpClick() { d.UpSpeedBtnClick(d.UpSpeedBtn); }
    void ViewClick() { d.ViewSpeedBtnClick(d.ViewSpeedBtn); }
    void ArrowClick() { d.ArrowSpeedBtnClick(d.ArrowSpeedBtn); }
    void AppendNewEntry() { d.AppendNewEntry(sel_folder_dlg.folder); }
    std::string KindOfPath(const std::string& p) { return d.KindOfPath(p); }
    std::string FindUnlistedName(const TStringList& names) { return d.FindUnlistedName(names); }
    void SnapFolderNames(const std::string& f) { d.SnapFolderNames(f); }
    const TStringList& FolderNames() const { return *d.FolderNames; }
    void SetDriveMask(DWORD mask)
    {
        d.LogicalDriveMask = [mask] { return mask; };
    }
    TImageList* SysImageList() const { return d.SysImageList; }
    // The shell names drive roots by this function's answer.
    void SetDriveNames(std::function<std::string(const std::string& root)> name)
    {
        d.DriveShellInfo = [name](const std::string& root, TShellFileInfo& info) {
            GetShellFileInfo(root, info);
            info.DisplayName = name(root);
        };
    }

    // Item by caption, or -1.
    int IndexOf(const std::string& caption) const
    {
        for (int i = 0; i < List()->Count(); ++i)
            if (List()->Item(i)->Caption == caption) return i;
        return -1;
    }
    // Item whose full path ends with name, or -1.
    int IndexOfName(const std::string& name) const
    {
        for (int i = 0; i < List()->Count(); ++i) {
            const TStringList& s = List()->Item(i)->SubItems;
            if (s.Count() > 4 && s[4].size() >= name.size() &&
                s[4].compare(s[4].size() - name.size(), name.size(), name) == 0 &&
                (s[4].size() == name.size() || s[4][s[4].size() - name.size() - 1] == '\\'))
                return i;
        }
        return -1;
    }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> v;
        for (int i = 0; i < List()->Count(); ++i) v.push_back(List()->Item(i)->Caption);
        return v;
    }
    // Selects an item through the window (LVM_SETITEMSTATE); -1 clears.
    void Select(int index)
    {
        LVITEMW it{};
        it.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        it.state = 0;
        SendMessageW(List()->Handle, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&it);
        if (index < 0) return;
        it.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(List()->Handle, LVM_SETITEMSTATE, index, (LPARAM)&it);
    }
    // A notification from the list view to the form, as a click sends it.
    void Notify(UINT code)
    {
        NMITEMACTIVATE nm{};
        nm.hdr.hwndFrom = List()->Handle;
        nm.hdr.idFrom = (UINT_PTR)GetDlgCtrlID(List()->Handle);
        nm.hdr.code = code;
        nm.iItem = (int)SendMessageW(List()->Handle, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
        SendMessageW(d.Handle, WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    }
    // Posted, to arrive while another handler processes messages.
    void PostNotify(UINT code)
    {
        static NMITEMACTIVATE nm{};
        nm = NMITEMACTIVATE{};
        nm.hdr.hwndFrom = List()->Handle;
        nm.hdr.idFrom = (UINT_PTR)GetDlgCtrlID(List()->Handle);
        nm.hdr.code = code;
        PostMessageW(d.Handle, WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
    }
    void Click(int index)
    {
        Select(index);
        Notify(NM_CLICK);
    }
    void DblClick(int index)
    {
        Select(index);
        Notify(NM_DBLCLK);
    }
    void EnterKey(int index)
    {
        Select(index);
        SendMessageW(List()->Handle, WM_KEYUP, VK_RETURN, 0xC0000001);
    }
    std::string ColumnCaption(int i) const
    {
        wchar_t buf[64] = {};
        LVCOLUMNW c{};
        c.mask = LVCF_TEXT | LVCF_FMT;
        c.pszText = buf;
        c.cchTextMax = 64;
        SendMessageW(List()->Handle, LVM_GETCOLUMNW, i, (LPARAM)&c);
        return ToAnsi(buf);
    }
    int ColumnFormat(int i) const
    {
        LVCOLUMNW c{};
        c.mask = LVCF_FMT;
        SendMessageW(List()->Handle, LVM_GETCOLUMNW, i, (LPARAM)&c);
        return c.fmt & LVCFMT_JUSTIFYMASK;
    }
    // The caption the window itself shows for an item and column.
    std::string ShownText(int item, int column) const
    {
        wchar_t buf[300] = {};
        LVITEMW it{};
        it.iSubItem = column;
        it.pszText = buf;
        it.cchTextMax = 300;
        SendMessageW(List()->Handle, LVM_GETITEMTEXTW, item, (LPARAM)&it);
        return ToAnsi(buf);
    }
    std::vector<std::string> HistoryItems() const { return History()->Items().Strings; }

    // Location box.
    std::vector<std::string> LocationItems() const { return LocationBox()->Items().Strings; }
    void BuildLocationBox() { d.BuildLocationBox(); }
    TImageList* ComputerImages() const { return d.ComputerImageList.get(); }
    // A choice in the box: the selection moved there, then the notification
    // the box sends its parent.
    void ChooseLocation(int index)
    {
        SendMessageW(LocationBox()->Handle, CB_SETCURSEL, index, 0);
        SendMessageW(d.Panel2->Handle, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(LocationBox()->Handle), CBN_SELCHANGE),
                     (LPARAM)LocationBox()->Handle);
    }
    // Rename and new folder.
    void RenameItemClick() { d.RenameItemClick(d.RenameItem); }
    void SpeedButton1Click() { d.SpeedButton1Click(d.SpeedButton1); }
    // File commands.
    const std::string& SourcePath() const { return d.SourcePath; }
    bool CutMode() const { return d.CutMode; }
    // The captions of the context menu's items that are set to show.
    std::vector<std::string> VisibleMenuItems() const
    {
        std::vector<std::string> v;
        for (TMenuItem* i : d.PopupMenu1->Items())
            if (i->Visible()) v.push_back(i->Caption());
        return v;
    }
    // Sends real input that opens the list's context menu and handles
    // messages until the menu has been prepared and has closed again (or was
    // not shown for want of items). False when it never opened.
    bool RunMenu(const std::vector<INPUT>& input)
    {
        auto prepared = std::make_shared<bool>(false);
        TNotifyEvent onPopup = d.PopupMenu1->OnPopup;
        d.PopupMenu1->OnPopup = [onPopup, prepared](TObject* s) {
            *prepared = true;
            onPopup(s);
        };
        SendInput((UINT)input.size(), const_cast<INPUT*>(input.data()), sizeof(INPUT));
        for (int i = 0; i < 1000 && !*prepared; ++i) {
            Application.ProcessMessages();
            if (!*prepared) Sleep(10);
        }
        d.PopupMenu1->OnPopup = onPopup;
        return *prepared;
    }
    static INPUT Key(WORD vk, bool up) { return KeyInput(vk, up); }
    static INPUT Mouse(POINT screen, DWORD flags) { return MouseAt(screen, flags); }
    // Shift+F10 in the focused list.
    bool ShiftF10()
    {
        List()->SetFocus();
        return RunMenu({Key(VK_SHIFT, false), Key(VK_F10, false), Key(VK_F10, true), Key(VK_SHIFT, true)});
    }
    // The menu key in the focused list.
    bool MenuKey()
    {
        List()->SetFocus();
        return RunMenu({Key(VK_APPS, false), Key(VK_APPS, true)});
    }
    // A real right click on an item's label, or on the list's empty lower
    // right corner for -1. Clicks alternate between two places apart, so
    // that two in a row never make a double click.
    bool RightClick(int index)
    {
        static bool second = false;
        second = !second;
        RECT r{};
        GetClientRect(List()->Handle, &r);
        POINT p{r.right - (second ? 8 : 40), r.bottom - 8};
        if (index >= 0) {
            r.left = LVIR_LABEL;
            SendMessageW(List()->Handle, LVM_GETITEMRECT, index, (LPARAM)&r);
            p = POINT{second ? r.left + 2 : r.right - 2, (r.top + r.bottom) / 2};
        }
        ClientToScreen(List()->Handle, &p);
        return RunMenu({Mouse(p, 0), Mouse(p, MOUSEEVENTF_RIGHTDOWN), Mouse(p, MOUSEEVENTF_RIGHTUP)});
    }
};

// Rename and new folder.
struct RenameFormProbe {
    TRenameForm& f;

    TLabel* Label() const { return f.Label1; }
    TEdit* NameEdit() const { return f.NameEdit; }
    TButton* Ok() const { return f.OkBtn; }
    TButton* Cancel() const { return f.CancelBtn; }
};

struct NewFolderFormProbe {
    TNewFolderForm& f;

    TLabel* Label1() const { return f.Label1; }
    TLabel* FolderLabel() const { return f.FolderLabel; }
    TLabel* Label2() const { return f.Label2; }
    TEdit* FolderEdit() const { return f.FolderEdit; }
    TButton* Ok() const { return f.OKBtn; }
    TButton* Cancel() const { return f.CancelBtn; }
};
