// The comparison window: construction and layout, the resize rule, Exit and
// the help messages; loading files into the panes, the Open commands and the
// panes' pop-up commands. The comparison run, the painting of the rows and
// linked scrolling are in FilesCompare.cpp; moving between differences and
// dropped files in FilesNavigate.cpp.
#include "src/Files.h"

#include <algorithm>

#include "forms/FilesLayout.h"
#include "forms/FilesTexts.h"
#include "gui/Application.h"
#include "gui/Exception.h"
#include "src/BrowseFileDlg.h"
#include "text/Ansi.h"
#include "text/ShortPath.h"

TFilesForm* FilesForm = nullptr;

using namespace FilesLayout;

namespace {

TListBox* MakeList(TWinControl* parent, bool multiSelect, TAlign align, int width)
{
    auto* list = parent->Make<TListBox>(multiSelect, multiSelect);
    list->SetFont(std::make_unique<TFont>(ListFont, FontHeight, SHIFTJIS_CHARSET));
    list->SetItemHeight(ItemHeight);
    list->SetWidth(width);
    list->SetAlign(align);
    return list;
}

TMenuItem* MakeItem(TMenuItem* parent, const char* caption, const char* name)
{
    TMenuItem* item = parent->Add(new TMenuItem(caption));
    item->Name = name;
    return item;
}

std::string ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, &path[0], (DWORD)path.size());
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return ExtractFilePath(ToAnsi(path));
}

}  // namespace

TFilesForm::TFilesForm() : TForm(nullptr, bsSizeable)
{
    Name = "FilesForm";
    SetCaption(FilesTexts::Caption);
    SetFont(std::make_unique<TFont>(WindowFont, FontHeight, SHIFTJIS_CHARSET));

    // The status bar takes the window's font when it is made.
    StatusBar1 = Make<TStatusBar>();
    StatusBar1->Name = "StatusBar1";
    StatusBar1->SetHeight(StatusBarHeight);
    StatusBar1->SetAlign(alBottom);
    for (const PanelSpec& spec : Panels) {
        TStatusPanel p;
        p.Width = spec.width;
        p.Alignment = spec.alignment;
        p.Bevel = spec.bevel;
        StatusBar1->AddPanel(p);
    }

    MainMenu1 = new TMainMenu();
    File1 = MakeItem(MainMenu1, FilesTexts::File1, "File1");
    OpenMenu = MakeItem(File1, FilesTexts::OpenMenu, "OpenMenu");
    OpenMenu->ShortCutKey = 'O';
    OpenMenu->ShortCutShift = ssCtrl;
    ExitMenu = MakeItem(File1, FilesTexts::ExitMenu, "ExitMenu");
    Compare1 = MakeItem(MainMenu1, FilesTexts::Compare1, "Compare1");
    AllCompareMenu = MakeItem(Compare1, FilesTexts::AllCompareMenu, "AllCompareMenu");
    ClearMenu = MakeItem(Compare1, FilesTexts::ClearMenu, "ClearMenu");
    Compare1->AddSeparator();
    NextDiffMenu = MakeItem(Compare1, FilesTexts::NextDiffMenu, "NextDiffMenu");
    NextDiffMenu->ShortCutKey = VK_DOWN;
    NextDiffMenu->ShortCutShift = ssAlt;
    NextDiffMenu->ShortCutKey2 = VK_F8;
    PrevDiffMenu = MakeItem(Compare1, FilesTexts::PrevDiffMenu, "PrevDiffMenu");
    PrevDiffMenu->ShortCutKey = VK_UP;
    PrevDiffMenu->ShortCutShift = ssAlt;
    PrevDiffMenu->ShortCutKey2 = VK_F7;
    // Nothing to move between before a run.
    NextDiffMenu->SetEnabled(false);
    PrevDiffMenu->SetEnabled(false);
    Option1 = MakeItem(MainMenu1, FilesTexts::Option1, "Option1");
    SameMenu = MakeItem(Option1, FilesTexts::SameMenu, "SameMenu");
    SameMenu->SetChecked(true);
    Help1 = MakeItem(MainMenu1, FilesTexts::Help1, "Help1");
    SoftMenu = MakeItem(Help1, FilesTexts::SoftMenu, "SoftMenu");
    AboutMenu = MakeItem(Help1, FilesTexts::AboutMenu, "AboutMenu");

    LeftPanel = Make<TPanel>(false);
    LeftPanel->Name = "LeftPanel";
    LeftPanel->SetWidth(LeftPanelWidth);
    LeftPanel->SetAlign(alLeft);
    Ret1ListBox = MakeList(LeftPanel, false, alLeft, RetListWidth);
    Ret1ListBox->Name = "Ret1ListBox";
    Ret2ListBox = MakeList(LeftPanel, false, alRight, RetListWidth);
    Ret2ListBox->Name = "Ret2ListBox";
    DestListBox = MakeList(this, true, alRight, DestPaneWidth);
    DestListBox->Name = "DestListBox";
    SrcListBox = MakeList(this, true, alClient, 0);
    SrcListBox->Name = "SrcListBox";

    PopupMenu1 = new TPopupMenu();
    OpenItem = MakeItem(PopupMenu1, FilesTexts::OpenItem, "OpenItem");
    EditItem = MakeItem(PopupMenu1, FilesTexts::EditItem, "EditItem");
    UpdateItem = MakeItem(PopupMenu1, FilesTexts::UpdateItem, "UpdateItem");
    SrcListBox->PopupMenu = PopupMenu1;
    DestListBox->PopupMenu = PopupMenu1;

    TabOrder = {Ret1ListBox, Ret2ListBox, SrcListBox, DestListBox};

    // Construction proper.
    SrcDiffLines.clear();
    DestDiffLines.clear();
    SrcFileName = "";
    DestFileName = "";
    SrcListBox->Style = lbOwnerDrawFixed;
    DestListBox->Style = lbOwnerDrawFixed;
    SrcListBox->SetSource(&SrcSource);
    DestListBox->SetSource(&DestSource);
    StatusBar1->SetPanelText(0, FilesTexts::NoCount);
    StatusBar1->SetPanelText(2, FilesTexts::NoCount);
    sel_folder_dlg.folder = ProgramFolder();
    SrcIsCurrent = false;

    SetMenu(MainMenu1);
    SetBounds(FormLeft, FormTop, FormWidth, FormHeight);
    // The window's frame and title bar are the system's; the client area
    // keeps the designed size that the layout rules are made for.
    SetClientSize(FilesLayout::ClientWidth, FilesLayout::ClientHeight);
    BindHandlers();
    FormResize(this);
}

void TFilesForm::BindHandlers()
{
    OpenMenu->OnClick = Bind(this, &TFilesForm::OpenMenuClick);
    ExitMenu->OnClick = Bind(this, &TFilesForm::ExitMenuClick);
    AllCompareMenu->OnClick = Bind(this, &TFilesForm::AllCompareMenuClick);
    ClearMenu->OnClick = Bind(this, &TFilesForm::ClearMenuClick);
    NextDiffMenu->OnClick = Bind(this, &TFilesForm::NextDiffMenuClick);
    PrevDiffMenu->OnClick = Bind(this, &TFilesForm::PrevDiffMenuClick);
    SameMenu->OnClick = Bind(this, &TFilesForm::SameMenuClick);
    SoftMenu->OnClick = Bind(this, &TFilesForm::SoftMenuClick);
    AboutMenu->OnClick = Bind(this, &TFilesForm::AboutMenuClick);
    OpenItem->OnClick = Bind(this, &TFilesForm::OpenItemClick);
    EditItem->OnClick = Bind(this, &TFilesForm::EditItemClick);
    UpdateItem->OnClick = Bind(this, &TFilesForm::UpdateItemClick);
    Ret1ListBox->OnClick = Bind(this, &TFilesForm::Ret1ListBoxClick);
    Ret2ListBox->OnClick = Bind(this, &TFilesForm::Ret2ListBoxClick);
    SrcListBox->OnDrawItem = Bind(this, &TFilesForm::SrcListBoxDrawItem);
    DestListBox->OnDrawItem = Bind(this, &TFilesForm::DestListBoxDrawItem);
    SrcListBox->OnMouseDown = Bind(this, &TFilesForm::SrcListBoxMouseDown);
    DestListBox->OnMouseDown = Bind(this, &TFilesForm::DestListBoxMouseDown);
    OnResize = Bind(this, &TFilesForm::FormResize);
    OnDropFiles = Bind(this, &TFilesForm::FormDropFiles);
    SetAcceptFiles(true);
}

TFilesForm::~TFilesForm()
{
    if (Handle) ShowWindow(Handle, SW_HIDE);
    OnResize = nullptr;
    // The panes' sources go with this object; the controls outlive it a
    // little, until the inherited destruction.
    SrcListBox->SetSource(nullptr);
    DestListBox->SetSource(nullptr);
    SrcDiffLines.clear();
    DestDiffLines.clear();
    SrcFileName.clear();
    DestFileName.clear();
    if (Handle) ::SetMenu(Handle, nullptr);
    delete MainMenu1;
    delete PopupMenu1;
    MainMenu1 = nullptr;
    PopupMenu1 = nullptr;
    PaneWidths.reset();
    if (PaneWidthsDC) DeleteDC(PaneWidthsDC);
    if (FilesForm == this) FilesForm = nullptr;
}

int TFilesForm::HalfWidth() const { return (ClientWidth() - LeftPanel->Width()) / 2; }

std::string TFilesForm::ShortenedPath(const std::string& path, int width)
{
    return ShortenPath(path, width, [this](const std::string& s) { return StatusBar1->TextWidth(s); });
}

TCharWidths& TFilesForm::PaneCharWidths()
{
    if (!PaneWidths) {
        PaneWidthsDC = CreateCompatibleDC(nullptr);
        TFont* font = SrcListBox->Font.get();
        SelectObject(PaneWidthsDC, font->Handle());
        HDC dc = PaneWidthsDC;
        PaneWidths = std::make_unique<TCharWidths>([dc](const char* p, size_t n) {
            TCanvas canvas(dc);
            return canvas.TextWidth(std::string(p, n));
        });
    }
    return *PaneWidths;
}

// ------------------------------------------------------------ the window

void TFilesForm::FormResize(TObject* Sender)
{
    int half = HalfWidth();
    DestListBox->SetWidth(std::max(half, 0));
    StatusBar1->SetPanelWidth(SrcPathPanel, std::max(half - 4, 0));
    if (StatusBar1->PanelText(SrcPathPanel).empty()) return;
    StatusBar1->SetPanelText(SrcPathPanel, ShortenedPath(SrcFileName, half));
    StatusBar1->SetPanelText(DestPathPanel, ShortenedPath(DestFileName, half));
}

void TFilesForm::ExitMenuClick(TObject* Sender) { Close(); }

void TFilesForm::SoftMenuClick(TObject* Sender)
{
    ShowMessage(FilesTexts::SoftMessage);
}

void TFilesForm::AboutMenuClick(TObject* Sender)
{
    ShowMessage(FilesTexts::AboutMessage);
}

// ------------------------------------------------------------- the panes

void TFilesForm::LoadPane(TListBox* pane, const std::string& fileName)
{
    // The file's lines, read with write access denied to others. A file
    // that cannot be opened ends the load here, with the pane as it was.
    TPaneLines loaded;
    loaded.Assign(ReadWholeFile(fileName));

    int half = HalfWidth();
    if (pane == SrcListBox) {
        SrcFileName = fileName;
        StatusBar1->SetPanelText(SrcPathPanel, ShortenedPath(fileName, half));
    } else {
        DestFileName = fileName;
        StatusBar1->SetPanelText(DestPathPanel, ShortenedPath(fileName, half));
    }

    // The labels are formed when an entry is asked for; the pane takes the
    // new lines in one step and starts afresh at its first entry.
    TPaneLines& lines = LinesOf(pane);
    lines.Swap(loaded);
    (pane == SrcListBox ? SrcMarks : DestMarks).clear();
    pane->ItemsChanged();
    loaded.Clear();

    pane->SetHorizontalExtent(WidestEntry(lines, PaneCharWidths()));
    Application.ProcessMessages();
}

void TFilesForm::OpenMenuClick(TObject* Sender)
{
    {
        std::unique_ptr<TBrowseFileDlgForm> dialog(new TBrowseFileDlgForm(this));
        if (dialog->ShowModal() != mrOk) return;
        if (!sel_folder_dlg.file_path.empty()) LoadPane(SrcListBox, sel_folder_dlg.file_path);
    }
    std::unique_ptr<TBrowseFileDlgForm> dialog(new TBrowseFileDlgForm(this));
    if (dialog->ShowModal() == mrOk && !sel_folder_dlg.file_path.empty())
        LoadPane(DestListBox, sel_folder_dlg.file_path);
}

void TFilesForm::SrcListBoxMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbRight) SrcIsCurrent = true;
}

void TFilesForm::DestListBoxMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbRight) SrcIsCurrent = false;
}

void TFilesForm::OpenItemClick(TObject* Sender)
{
    std::unique_ptr<TBrowseFileDlgForm> dialog(new TBrowseFileDlgForm(this));
    if (dialog->ShowModal() == mrOk && !sel_folder_dlg.file_path.empty())
        LoadPane(SrcIsCurrent ? SrcListBox : DestListBox, sel_folder_dlg.file_path);
}

void TFilesForm::EditItemClick(TObject* Sender)
{
    const std::string& path = SrcIsCurrent ? SrcFileName : DestFileName;
    ShellExecuteW(Handle, L"open", ToWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TFilesForm::UpdateItemClick(TObject* Sender)
{
    if (SrcIsCurrent)
        LoadPane(SrcListBox, SrcFileName);
    else
        LoadPane(DestListBox, DestFileName);
}
