// The new-folder dialog: layout, the current folder shown, and OK, which
// numbers the default name past existing folders and creates the folder.
#include "src/NewFolder.h"

#include "forms/NewFolderLayout.h"
#include "gui/Application.h"
#include "gui/Buttons.h"
#include "gui/FileSystem.h"
#include "gui/SimpleCtrls.h"
#include "src/BrowseFileDlg.h"
#include "text/Ansi.h"
#include "text/FileNames.h"
#include "text/ShortPath.h"

namespace L = NewFolderLayout;

TNewFolderForm::TNewFolderForm(TForm* owner) : TForm(owner, bsDialog)
{
    BuildLayout();
    BindHandlers();
    ShowCurrentFolder();
}

void TNewFolderForm::BuildLayout()
{
    SetCaption(L::FormCaption);
    Position = poDesigned;
    SetBounds(L::ScreenLeft, L::ScreenTop, Width(), Height());
    SetClientSize(L::ClientWidth, L::ClientHeight);
    auto place = [](TControl* c, const L::Place& p) { c->SetBounds(p.Left, p.Top, p.Width, p.Height); };

    Label1 = Make<TLabel>(L::Label1Caption);
    place(Label1, L::Label1);
    FolderLabel = Make<TLabel>("");
    FolderLabel->Name = "FolderLabel";
    place(FolderLabel, L::FolderLabel);
    Label2 = Make<TLabel>(L::Label2Caption);
    place(Label2, L::Label2);
    FolderEdit = Make<TEdit>();
    FolderEdit->Name = "FolderEdit";
    place(FolderEdit, L::FolderEdit);
    FolderEdit->SetText(L::FolderEditText);
    OKBtn = Make<TButton>(L::OKBtnCaption);
    OKBtn->Name = "OKBtn";
    place(OKBtn, L::OKBtn);
    OKBtn->ModalResult = mrOk;
    CancelBtn = Make<TButton>(L::CancelBtnCaption);
    CancelBtn->Name = "CancelBtn";
    place(CancelBtn, L::CancelBtn);
    CancelBtn->ModalResult = mrCancel;

    TabOrder = {FolderEdit, OKBtn, CancelBtn};
    ActiveControl = FolderEdit;
}

void TNewFolderForm::BindHandlers() { OKBtn->OnClick = [this](TObject* s) { OKBtnClick(s); }; }

// The current folder without its trailing backslash (C:\ shows as C:),
// shortened with "...\" to the label's width in the label's font.
void TNewFolderForm::ShowCurrentFolder()
{
    std::string folder = sel_folder_dlg.folder;
    if (HasTrailingBackslash(folder)) folder.pop_back();
    HDC dc = GetDC(FolderLabel->Handle);
    TCanvas canvas(dc);
    canvas.Font = FolderLabel->EffectiveFont();
    FolderLabel->SetCaption(
        ShortenPath(folder, FolderLabel->Width(), [&](const std::string& s) { return canvas.TextWidth(s); }));
    ReleaseDC(FolderLabel->Handle, dc);
}

// The modal result is already OK when this runs; a name that cannot be
// created sets it back to 0, so the dialog stays open.
void TNewFolderForm::OKBtnClick(TObject*)
{
    const std::string folder = sel_folder_dlg.folder;
    const std::string typed = FolderEdit->Text();
    std::string name = typed;
    // The default name is numbered past existing folders; a typed one is not.
    if (typed == L::FolderEditText)
        name = FirstFreeNewFolderName([&](const std::string& n) { return DirectoryExists(folder + n); });
    // A name the file system would refuse or misread ("a\b", "x.", "CON")
    // never reaches it: it could create another folder than the one named.
    bool created = folder != kDrives && IsAcceptableFileName(name) &&
                   CreateDirectoryW(ToWide(folder + name).c_str(), nullptr);
    if (created) return;
    Application.MessageBox(L::CannotCreateBefore + typed + L::CannotCreateAfter, L::CannotCreateCaption,
                           MB_OK | MB_ICONINFORMATION);
    ModalResult = mrNone;
}
