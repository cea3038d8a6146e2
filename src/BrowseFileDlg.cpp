#include "src/BrowseFileDlg.h"

#include <map>
#include <vector>

#include "forms/BrowseFileDlgLayout.h"
#include "forms/Glyphs.h"
#include "gui/Application.h"
#include "gui/Buttons.h"
#include "gui/ComboBox.h"
#include "gui/Exception.h"
#include "gui/ImageList.h"
#include "gui/ListView.h"
#include "gui/StdCtrls.h"
#include "gui/Menus.h"
#include "gui/Registry.h"
#include "gui/SimpleCtrls.h"
#include "src/DiskArea.h"
#include "text/Ansi.h"
#include "text/DialogText.h"

TSelFolderDlg sel_folder_dlg;

namespace L = BrowseFileDlgLayout;

namespace {

const char kDrives[] = "Drives";
const char kHistoryKey[] = "Software\\Brisvane\\";
const char kHistorySubkey[] = "Tavlen";
const char kHistoryValue[] = "data";
const char kLocalDisk[] = "ローカル ディスク";

bool DirectoryExists(const std::string& path)
{
    DWORD a = GetFileAttributesW(ToWide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path)
{
    if (path.empty()) return false;
    DWORD a = GetFileAttributesW(ToWide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// The user's locale order, case ignored.
int CompareText(const std::string& a, const std::string& b)
{
    std::wstring wa = ToWide(a), wb = ToWide(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(), (int)wa.size(), wb.c_str(),
                          (int)wb.size()) -
           CSTR_EQUAL;
}

// Runs f for every entry of a directory search.
template <class F>
void ForEachEntry(const std::string& pattern, F f)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(ToWide(pattern).c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    struct Closer {
        HANDLE h;
        ~Closer() { FindClose(h); }
    } closer{h};
    do
        f(fd);
    while (FindNextFileW(h, &fd));
}

bool IsDotName(const wchar_t* name)
{
    return (name[0] == L'.' && name[1] == L'\0') || (name[0] == L'.' && name[1] == L'.' && name[2] == L'\0');
}

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

// The shell's answers for the files of one listing. A shell query on a real
// path is slow (under Wine several milliseconds), while a file's type name,
// icon and the showing of its extension depend on its extension only, except
// for the kinds that carry their own icon. So each extension is asked once,
// on its first file, and the other files of that extension take the same
// answer, with the display name formed the way the shell formed it for the
// first one (with or without the extension). Extensions that differ in case
// are asked apart, since the shell's type name may show the case. Folders, files without an
// extension and files with their own icons are asked one by one.
class ShellInfoCache {
public:
    void Get(const std::string& full, const std::string& name, bool folder, TShellFileInfo& info)
    {
        // The extension exactly as written: the shell's type name may show its case.
        std::string ext = ExtractFileExt(name);
        if (folder || ext.size() < 2 || OwnIcon(ext)) {
            GetShellFileInfo(full, info);
            return;
        }
        auto it = byExt_.find(ext);
        if (it == byExt_.end()) {
            if (!GetShellFileInfo(full, info)) return;  // failures are not kept
            Known k;
            k.type = info.TypeName;
            k.icon = info.IconIndex;
            std::string bare = name.substr(0, name.size() - ext.size());
            if (info.DisplayName == name)
                k.shows = Shows::Extension;
            else if (info.DisplayName == bare)
                k.shows = Shows::Bare;
            else
                k.shows = Shows::Unknown;
            byExt_.emplace(ext, k);
            return;
        }
        const Known& k = it->second;
        if (k.shows == Shows::Unknown) {
            GetShellFileInfo(full, info);
            return;
        }
        info.DisplayName = k.shows == Shows::Extension ? name : name.substr(0, name.size() - ext.size());
        info.TypeName = k.type;
        info.IconIndex = k.icon;
    }

private:
    static bool OwnIcon(std::string ext)
    {
        for (char& c : ext)
            if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
        static const char* const own[] = {".exe", ".ico", ".lnk", ".cur", ".ani", ".url", ".scr", ".pif", ".dll", ".cpl"};
        for (const char* o : own)
            if (ext == o) return true;
        return false;
    }
    enum class Shows { Extension, Bare, Unknown };
    struct Known {
        std::string type;
        int icon = 0;
        Shows shows = Shows::Unknown;
    };
    std::map<std::string, Known> byExt_;
};

// ------------------------------------------------------------ free helpers

bool GetShellFileInfo(const std::string& path, TShellFileInfo& info)
{
    SHFILEINFOW sfi{};
    DWORD_PTR ok = SHGetFileInfoW(ToWide(path).c_str(), 0, &sfi, sizeof(sfi),
                                  SHGFI_DISPLAYNAME | SHGFI_TYPENAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    if (!ok) {
        std::string name = ExtractFileName(path);
        info.DisplayName = name.empty() ? path : name;
        info.TypeName.clear();
        info.IconIndex = 0;
        return false;
    }
    info.DisplayName = ToAnsi(sfi.szDisplayName);
    info.TypeName = ToAnsi(sfi.szTypeName);
    info.IconIndex = sfi.iIcon;
    return true;
}

std::string SizeText(uint64_t size, DWORD attributes)
{
    char sep = ',';
    wchar_t buf[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buf, 8) > 0) {
        std::string s = ToAnsi(buf);
        sep = s.size() == 1 ? s[0] : s.empty() ? '\0' : ',';
    }
    return SizeTextOf(size, attributes, sep);
}

std::string FileTimeText(const FILETIME& time)
{
    FILETIME local;
    SYSTEMTIME st{};
    FileTimeToLocalFileTime(&time, &local);
    FileTimeToSystemTime(&local, &st);
    return TimeTextOf(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute);
}

std::vector<std::string> DriveColumnTexts(const std::string& caption,
                                          const std::function<void(std::string& total, std::string& free)>& sizes)
{
    std::vector<std::string> texts{DriveTypeText(caption), "", ""};
    if (texts[0] == kLocalDisk) sizes(texts[1], texts[2]);
    return texts;
}

bool IsListableEntry(const WIN32_FIND_DATAW& entry)
{
    if (IsDotName(entry.cFileName)) return false;
    const DWORD hidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | 0x08 /* volume label */;
    return !(entry.dwFileAttributes & hidden);
}

// ------------------------------------------------------------ construction

TBrowseFileDlgForm::TBrowseFileDlgForm(TForm* owner) : TForm(owner, bsDialog)
{
    BuildLayout();
    FolderNames = new TStringList;
    FolderNames->Add("");
    ComputerImageList = std::make_unique<TImageList>();
    OnShow = [this](TObject* s) { FormShow(s); };
    OnCloseQuery = [this](TObject* s, bool& c) { FormCloseQuery(s, c); };
    FormCreate(this);
}

TBrowseFileDlgForm::~TBrowseFileDlgForm()
{
    FormDestroy(this);
    if (viewListBrush_) DeleteObject(viewListBrush_);
}

void TBrowseFileDlgForm::BuildLayout()
{
    SetCaption(L::FormCaption);
    Position = poScreenCenter;
    SetClientSize(L::DesignedClientWidth, L::DesignedClientHeight);
    auto place = [](TControl* c, const L::Place& p) { c->SetBounds(p.Left, p.Top, p.Width, p.Height); };

    Panel2 = Make<TPanel>();
    Panel2->Name = "Panel2";
    Panel2->SetHeight(L::Panel2Height);
    Panel2->SetAlign(alTop);

    Label1 = Panel2->Make<TLabel>(L::Label1Caption);
    place(Label1, L::Label1);
    ComboBox1 = Panel2->Make<TComboBox>(csOwnerDrawFixed, L::ComboBox1ItemHeight);
    ComboBox1->Name = "ComboBox1";
    ComboBox1->SetBounds(L::ComboBox1.Left, L::ComboBox1.Top, L::ComboBox1.Width, 200);
    ComboBox1->OnChange = [this](TObject* s) { ComboBox1Change(s); };
    ComboBox1->OnDrawItem = [this](TWinControl* c, int i, TRect r, unsigned st) { ComboBox1DrawItem(c, i, r, st); };

    auto speed = [&](const L::Place& p, const char* hint, const char* const* glyph, void (TBrowseFileDlgForm::*h)(TObject*)) {
        TSpeedButton* b = Panel2->Make<TSpeedButton>();
        place(b, p);
        b->SetGlyph(glyph);
        b->SetHint(hint);
        b->OnClick = [this, h](TObject* s) { (this->*h)(s); };
        return b;
    };
    UpSpeedBtn = speed(L::UpSpeedBtn, L::UpSpeedBtnHint, UpSpeedBtnGlyph, &TBrowseFileDlgForm::UpSpeedBtnClick);
    SpeedButton1 =
        speed(L::SpeedButton1, L::SpeedButton1Hint, SpeedButton1Glyph, &TBrowseFileDlgForm::SpeedButton1Click);
    ViewSpeedBtn = speed(L::ViewSpeedBtn, L::ViewSpeedBtnHint, ViewSpeedBtnGlyph, &TBrowseFileDlgForm::ViewSpeedBtnClick);
    ViewSpeedBtn->Margin = L::ViewSpeedBtnMargin;
    ArrowSpeedBtn =
        speed(L::ArrowSpeedBtn, L::ArrowSpeedBtnHint, ArrowSpeedBtnGlyph, &TBrowseFileDlgForm::ArrowSpeedBtnClick);

    Splitter1 = Make<TSplitter>();
    Splitter1->Name = "Splitter1";
    Splitter1->SetWidth(L::Splitter1.Width);
    Splitter1->SetAlign(alLeft);

    ListView1 = Make<TListView>();
    ListView1->Name = "ListView1";
    place(ListView1, L::ListView1);
    for (int i = 0; i < 4; ++i) ListView1->AddColumn(TListColumn{"", L::ListView1ColumnWidth, taLeftJustify});
    ListView1->SetSortType(stData);
    ListView1->OnCompare = [this](TObject* s, TListItem* a, TListItem* b, int d, int& c) {
        ListView1Compare(s, a, b, d, c);
    };
    ListView1->OnClick = [this](TObject* s) { ListView1Click(s); };
    ListView1->OnDblClick = [this](TObject* s) { ListView1DblClick(s); };
    ListView1->OnKeyUp = [this](TObject* s, unsigned short& k, TShiftState sh) { ListView1KeyUp(s, k, sh); };

    PopupMenu1 = std::make_unique<TPopupMenu>();
    CutItem = PopupMenu1->Add(new TMenuItem(L::CutItemCaption));
    CopyItem = PopupMenu1->Add(new TMenuItem(L::CopyItemCaption));
    PasteItem = PopupMenu1->Add(new TMenuItem(L::PasteItemCaption));
    N1 = PopupMenu1->AddSeparator();
    DelItem = PopupMenu1->Add(new TMenuItem(L::DelItemCaption));
    RenameItem = PopupMenu1->Add(new TMenuItem(L::RenameItemCaption));
    PopupMenu1->OnPopup = [this](TObject* s) { PopupMenu1Popup(s); };
    ListView1->PopupMenu = PopupMenu1.get();

    ViewListBox = Make<TListBox>();
    ViewListBox->Name = "ViewListBox";
    ViewListBox->SetVisible(false);
    ViewListBox->SetItemHeight(L::ViewListBoxItemHeight);
    place(ViewListBox, L::ViewListBox);
    for (const char* t : L::ViewListBoxItems) ViewListBox->Add(t);
    ViewListBox->Color = clBtnFace;
    ViewListBox->OnClick = [this](TObject* s) { ViewListBoxClick(s); };

    Label2 = Make<TLabel>(L::Label2Caption);
    place(Label2, L::Label2);
    FileComboBox = Make<TComboBox>(csDropDown, L::FileComboBoxItemHeight);
    FileComboBox->Name = "FileComboBox";
    FileComboBox->SetBounds(L::FileComboBox.Left, L::FileComboBox.Top, L::FileComboBox.Width, 200);

    OpenButton = Make<TButton>(L::OpenButtonCaption);
    place(OpenButton, L::OpenButton);
    OpenButton->ModalResult = mrOk;
    OpenButton->OnClick = [this](TObject* s) { OpenButtonClick(s); };
    CancelButton = Make<TButton>(L::CancelButtonCaption);
    place(CancelButton, L::CancelButton);
    CancelButton->ModalResult = mrCancel;

    FilenameEdit = Make<TEdit>();
    FilenameEdit->Name = "FilenameEdit";
    place(FilenameEdit, L::FilenameEdit);
    Label3 = Make<TLabel>(L::Label3Caption);
    place(Label3, L::Label3);
    FilterComboBox1 = Make<TFilterComboBox>();
    FilterComboBox1->SetBounds(L::FilterComboBox1.Left, L::FilterComboBox1.Top, L::FilterComboBox1.Width, 200);
    FilterComboBox1->SetFilter(L::FilterComboBox1Filter);

    // The view chooser lies over the list.
    SetWindowPos(ViewListBox->Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    TabOrder = {FilenameEdit, ListView1, OpenButton, CancelButton, FilterComboBox1, ComboBox1, ViewListBox, FileComboBox};
    ActiveControl = FilenameEdit;
    Realign();
}

bool TBrowseFileDlgForm::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (msg == WM_CTLCOLORLISTBOX && (HWND)lp == ViewListBox->Handle) {
        if (!viewListBrush_) viewListBrush_ = CreateSolidBrush(ColorToRGB(ViewListBox->Color));
        SetBkColor((HDC)wp, ColorToRGB(ViewListBox->Color));
        result = (LRESULT)viewListBrush_;
        return true;
    }
    return TForm::WndProc(msg, wp, lp, result);
}

void TBrowseFileDlgForm::FormCreate(TObject*)
{
    SetBounds(Left(), Top(), L::OuterWidth, L::OuterHeight);
    CreateSysImageList(ListView1);
    ListFolder();
    // A dialog that opens in the drives view keeps the drive captions.
    if (sel_folder_dlg.folder == kDrives)
        SetDriveColumns(ListView1);
    else
        SetFolderColumns(ListView1);
    sel_folder_dlg.file_path = "";
    ViewListBox->SetItemIndex(0);
}

void TBrowseFileDlgForm::FormDestroy(TObject*)
{
    delete SysImageList;
    SysImageList = nullptr;
    delete FolderNames;
    FolderNames = nullptr;
    delete HistoryBuffer;
    HistoryBuffer = nullptr;
}

// ----------------------------------------------------------------- history

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
    Application.MessageBox("ファイル '" + chosen +
                               "' にアクセスできません。     \r\n"
                               "使用できないか、またはパスワードで保護されている可能性があります。     ",
                           "アクセス情報", MB_OK | MB_ICONINFORMATION);
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

// ----------------------------------------------------------------- listing

void TBrowseFileDlgForm::CreateSysImageList(TListView* view)
{
    SysImageList = new TImageList;
    SHFILEINFOW sfi{};
    auto h = (HIMAGELIST)SHGetFileInfoW(L"", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    if (h) {
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
    std::string name = ToAnsi(fd.cFileName);
    std::string full = folderText + name;
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

void TBrowseFileDlgForm::SetFolderColumns(TListView* view)
{
    UpdateScope batch(view);
    view->SetColumn(0, "名前", taLeftJustify);
    view->SetColumn(1, "サイズ", taRightJustify);
    view->SetColumn(2, "ファイルの種類", taLeftJustify);
    view->SetColumn(3, "更新日時", taLeftJustify);
}

void TBrowseFileDlgForm::SnapFolderNames(const std::string& folderText)
{
    FolderNames->Clear();
    ForEachEntry(folderText + "*.*", [&](const WIN32_FIND_DATAW& fd) {
        if (IsListableEntry(fd)) FolderNames->Add(ToAnsi(fd.cFileName));
    });
}

std::string TBrowseFileDlgForm::FindUnlistedName(const TStringList& names)
{
    for (const std::string& name : names.Strings) {
        bool listed = false;
        for (int i = 0; i < ListView1->Count() && !listed; ++i)
            listed = ExtractFileName(SubItem(ListView1->Item(i), 4)) == name;
        if (!listed) return name;
    }
    return "none";
}

void TBrowseFileDlgForm::AppendNewEntry(const std::string&)
{
    const std::string folder = sel_folder_dlg.folder;
    if (folder == kDrives) return;
    SnapFolderNames(UpToLast(folder, '\\'));
    std::string fresh = FindUnlistedName(*FolderNames);
    ForEachEntry(folder + "*.*", [&](const WIN32_FIND_DATAW& fd) {
        if (!IsListableEntry(fd) || ToAnsi(fd.cFileName) != fresh) return;
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

// -------------------------------------------------------------- navigation

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
    const std::string path = SubItem(item, 4);
    sel_folder_dlg.file_path = path;
    FilenameEdit->SetText(ExtractFileName(path));
    Application.ProcessMessages();
    item = ListView1->Selected();
    if (!item) return;
    const std::string now = SubItem(item, 4);
    if (KindOfPath(now) == "file") PutTentativeEntry(now);
}

void TBrowseFileDlgForm::ListView1DblClick(TObject*)
{
    TListItem* item = ListView1->Selected();
    if (!item) return;
    const std::string tag = SubItem(item, 3);
    const std::string path = SubItem(item, 4);
    const std::string caption = item->Caption;
    if (tag == "dir") {
        if (DirectoryExists(path)) {
            sel_folder_dlg.folder = path;
            ListFolder();
        } else {
            Application.MessageBox("フォルダ '" + path + "' は存在しません。", "エラー", MB_OK | MB_ICONHAND);
        }
    } else if (tag == "drive") {
        if (!DirectoryExists(path)) {
            std::string drive = (caption.size() >= 3 ? caption.substr(caption.size() - 3, 2) : caption) + "\\";
            for (;;) {
                int answer = Application.MessageBox(drive + " にアクセスできません。\n\nデバイスの準備ができていません。",
                                                    caption, MB_RETRYCANCEL | MB_ICONHAND);
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
            Application.MessageBox(path + "\n\nディレクトリ名が無効です。", path, MB_OK | MB_ICONHAND);
        }
    }
}

void TBrowseFileDlgForm::ListView1KeyUp(TObject* Sender, unsigned short& Key, unsigned)
{
    if (Key == VK_RETURN) ListView1DblClick(Sender);
}

const std::string& TBrowseFileDlgForm::CaptionKey(const TListItem* item)
{
    // Sorting compares each caption many times. Its sort key orders exactly
    // as the locale's case-insensitive comparison does, and is kept while
    // the caption stays the same.
    auto& entry = captionKeys_[item];
    if (entry.first != item->Caption || entry.second.empty()) {
        entry.first = item->Caption;
        std::wstring w = ToWide(item->Caption);
        int n = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, w.c_str(), (int)w.size(), nullptr, 0);
        entry.second.assign(n > 0 ? n : 0, '\0');
        if (n > 0)
            LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, w.c_str(), (int)w.size(),
                         reinterpret_cast<LPWSTR>(&entry.second[0]), n);
    }
    return entry.second;
}

void TBrowseFileDlgForm::ListView1Compare(TObject*, TListItem* Item1, TListItem* Item2, int, int& Compare)
{
    const std::string& tag1 = SubItem(Item1, 3);
    const std::string& tag2 = SubItem(Item2, 3);
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

namespace {

// The top of a network path: \\server\share\ (its parent would be the
// server, which is no folder).
bool IsNetworkTop(const std::string& folder)
{
    if (folder.size() < 2 || folder[0] != '\\' || folder[1] != '\\') return false;
    std::string parent = UpToLast(folder.substr(0, folder.size() - 1), '\\');
    int separators = 0;
    for (size_t i = 0; i < parent.size(); ++i) {
        if (IsLeadByte((unsigned char)parent[i])) {
            ++i;
            continue;
        }
        if (parent[i] == '\\') ++separators;
    }
    return separators < 4;
}

}  // namespace

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
        SetWindowPos(ViewListBox->Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ViewListBox->SetVisible(true);
    }
}

void TBrowseFileDlgForm::ViewListBoxClick(TObject*)
{
    ViewListBox->SetVisible(false);
    ListView1->SetViewStyle(ViewListBox->ItemIndex() == 0 ? vsList : vsReport);
}

// -------------------------------------------------------------- drives view

void TBrowseFileDlgForm::ShowDrives()
{
    UpSpeedBtn->SetEnabled(false);
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
            GetShellFileInfo(root, info);
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

void TBrowseFileDlgForm::SetDriveColumns(TListView* view)
{
    UpdateScope batch(view);
    view->SetColumn(0, "名前", taLeftJustify);
    view->SetColumn(1, "種類", taLeftJustify);
    view->SetColumn(2, "合計サイズ", taRightJustify);
    view->SetColumn(3, "空き領域", taRightJustify);
}

// ------------------------------------------- location box and file commands

// The location box is filled by a later step; until then it stays empty.
void TBrowseFileDlgForm::BuildLocationBox() { ComboBox1->ClearItems(); }

void TBrowseFileDlgForm::ComboBox1Change(TObject*) {}

void TBrowseFileDlgForm::ComboBox1DrawItem(TWinControl*, int Index, TRect Rect, unsigned)
{
    ComboBox1->Canvas.FillRect(Rect);
    if (Index >= 0) ComboBox1->Canvas.TextRect(Rect, Rect.Left + 2, Rect.Top + 1, ComboBox1->Item(Index));
}

void TBrowseFileDlgForm::SpeedButton1Click(TObject*) {}

void TBrowseFileDlgForm::PopupMenu1Popup(TObject*) {}
