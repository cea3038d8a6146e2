// The file selection dialog: construction and layout, handler binding,
// create and destroy.
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
    ViewListBox->BringToFront();

    TabOrder = {FilenameEdit, ListView1, OpenButton, CancelButton, FilterComboBox1, ComboBox1, ViewListBox, FileComboBox};
    ActiveControl = FilenameEdit;
    Realign();
}

void TBrowseFileDlgForm::BindHandlers()
{
    using T = TBrowseFileDlgForm;
    OnShow = Bind(this, &T::FormShow);
    OnCloseQuery = Bind(this, &T::FormCloseQuery);
    ComboBox1->OnChange = Bind(this, &T::ComboBox1Change);
    ComboBox1->OnDrawItem = Bind(this, &T::ComboBox1DrawItem);
    UpSpeedBtn->OnClick = Bind(this, &T::UpSpeedBtnClick);
    SpeedButton1->OnClick = Bind(this, &T::SpeedButton1Click);
    ViewSpeedBtn->OnClick = Bind(this, &T::ViewSpeedBtnClick);
    ArrowSpeedBtn->OnClick = Bind(this, &T::ArrowSpeedBtnClick);
    ListView1->OnCompare = Bind(this, &T::ListView1Compare);
    ListView1->OnClick = Bind(this, &T::ListView1Click);
    ListView1->OnDblClick = Bind(this, &T::ListView1DblClick);
    ListView1->OnKeyUp = Bind(this, &T::ListView1KeyUp);
    PopupMenu1->OnPopup = Bind(this, &T::PopupMenu1Popup);
    CutItem->OnClick = Bind(this, &T::CutItemClick);
    CopyItem->OnClick = Bind(this, &T::CopyItemClick);
    PasteItem->OnClick = Bind(this, &T::PasteItemClick);
    DelItem->OnClick = Bind(this, &T::DelItemClick);
    RenameItem->OnClick = Bind(this, &T::RenameItemClick);
    ViewListBox->OnClick = Bind(this, &T::ViewListBoxClick);
    OpenButton->OnClick = Bind(this, &T::OpenButtonClick);
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

