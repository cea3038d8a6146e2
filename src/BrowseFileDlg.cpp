// The file selection dialog: construction and layout, handler binding,
// create and destroy, and its own messages.
#include "src/BrowseFileDlg.h"

#include "forms/BrowseFileDlgLayout.h"
#include "forms/Glyphs.h"
#include "gui/Buttons.h"
#include "gui/ComboBox.h"
#include "gui/ImageList.h"
#include "gui/ListView.h"
#include "gui/Menus.h"
#include "gui/SimpleCtrls.h"
#include "gui/StdCtrls.h"

TSelFolderDlg sel_folder_dlg;

namespace L = BrowseFileDlgLayout;

TBrowseFileDlgForm::TBrowseFileDlgForm(TForm* owner) : TForm(owner, bsDialog)
{
    BuildLayout();
    FolderNames = new TStringList;
    FolderNames->Add("");
    BindHandlers();
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

    auto speed = [&](const L::Place& p, const char* hint, const char* const* glyph) {
        TSpeedButton* b = Panel2->Make<TSpeedButton>();
        place(b, p);
        b->SetGlyph(glyph);
        b->SetHint(hint);
        return b;
    };
    UpSpeedBtn = speed(L::UpSpeedBtn, L::UpSpeedBtnHint, UpSpeedBtnGlyph);
    SpeedButton1 = speed(L::SpeedButton1, L::SpeedButton1Hint, SpeedButton1Glyph);
    ViewSpeedBtn = speed(L::ViewSpeedBtn, L::ViewSpeedBtnHint, ViewSpeedBtnGlyph);
    ViewSpeedBtn->Margin = L::ViewSpeedBtnMargin;
    ArrowSpeedBtn = speed(L::ArrowSpeedBtn, L::ArrowSpeedBtnHint, ArrowSpeedBtnGlyph);

    Splitter1 = Make<TSplitter>();
    Splitter1->Name = "Splitter1";
    Splitter1->SetWidth(L::Splitter1.Width);
    Splitter1->SetAlign(alLeft);

    ListView1 = Make<TListView>();
    ListView1->Name = "ListView1";
    place(ListView1, L::ListView1);
    for (int i = 0; i < 4; ++i) ListView1->AddColumn(TListColumn{"", L::ListView1ColumnWidth, taLeftJustify});
    ListView1->SetSortType(stData);

    PopupMenu1 = std::make_unique<TPopupMenu>();
    CutItem = PopupMenu1->Add(new TMenuItem(L::CutItemCaption));
    CopyItem = PopupMenu1->Add(new TMenuItem(L::CopyItemCaption));
    PasteItem = PopupMenu1->Add(new TMenuItem(L::PasteItemCaption));
    N1 = PopupMenu1->AddSeparator();
    DelItem = PopupMenu1->Add(new TMenuItem(L::DelItemCaption));
    RenameItem = PopupMenu1->Add(new TMenuItem(L::RenameItemCaption));
    ListView1->PopupMenu = PopupMenu1.get();

    ViewListBox = Make<TListBox>();
    ViewListBox->Name = "ViewListBox";
    ViewListBox->SetVisible(false);
    ViewListBox->SetItemHeight(L::ViewListBoxItemHeight);
    place(ViewListBox, L::ViewListBox);
    for (const char* t : L::ViewListBoxItems) ViewListBox->Add(t);
    ViewListBox->Color = clBtnFace;

    Label2 = Make<TLabel>(L::Label2Caption);
    place(Label2, L::Label2);
    FileComboBox = Make<TComboBox>(csDropDown, L::FileComboBoxItemHeight);
    FileComboBox->Name = "FileComboBox";
    FileComboBox->SetBounds(L::FileComboBox.Left, L::FileComboBox.Top, L::FileComboBox.Width, 200);

    OpenButton = Make<TButton>(L::OpenButtonCaption);
    place(OpenButton, L::OpenButton);
    OpenButton->ModalResult = mrOk;
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

void TBrowseFileDlgForm::BindHandlers()
{
    OnShow = [this](TObject* s) { FormShow(s); };
    OnCloseQuery = [this](TObject* s, bool& c) { FormCloseQuery(s, c); };
    ComboBox1->OnChange = [this](TObject* s) { ComboBox1Change(s); };
    ComboBox1->OnDrawItem = [this](TWinControl* c, int i, TRect r, unsigned st) { ComboBox1DrawItem(c, i, r, st); };
    UpSpeedBtn->OnClick = [this](TObject* s) { UpSpeedBtnClick(s); };
    SpeedButton1->OnClick = [this](TObject* s) { SpeedButton1Click(s); };
    ViewSpeedBtn->OnClick = [this](TObject* s) { ViewSpeedBtnClick(s); };
    ArrowSpeedBtn->OnClick = [this](TObject* s) { ArrowSpeedBtnClick(s); };
    ListView1->OnCompare = [this](TObject* s, TListItem* a, TListItem* b, int d, int& c) {
        ListView1Compare(s, a, b, d, c);
    };
    ListView1->OnClick = [this](TObject* s) { ListView1Click(s); };
    ListView1->OnDblClick = [this](TObject* s) { ListView1DblClick(s); };
    ListView1->OnKeyUp = [this](TObject* s, unsigned short& k, TShiftState sh) { ListView1KeyUp(s, k, sh); };
    PopupMenu1->OnPopup = [this](TObject* s) { PopupMenu1Popup(s); };
    CutItem->OnClick = [this](TObject* s) { CutItemClick(s); };
    CopyItem->OnClick = [this](TObject* s) { CopyItemClick(s); };
    PasteItem->OnClick = [this](TObject* s) { PasteItemClick(s); };
    DelItem->OnClick = [this](TObject* s) { DelItemClick(s); };
    RenameItem->OnClick = [this](TObject* s) { RenameItemClick(s); };
    ViewListBox->OnClick = [this](TObject* s) { ViewListBoxClick(s); };
    OpenButton->OnClick = [this](TObject* s) { OpenButtonClick(s); };
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

