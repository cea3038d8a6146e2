// The rename dialog: layout, the name shown, and OK.
#include "src/Rename.h"

#include "forms/RenameLayout.h"
#include "gui/Buttons.h"
#include "gui/SimpleCtrls.h"

namespace L = RenameLayout;

TRenameForm::TRenameForm(TForm* owner) : TForm(owner, bsDialog)
{
    BuildLayout();
    BindHandlers();
}

void TRenameForm::BuildLayout()
{
    SetCaption(L::FormCaption);
    Position = poScreenCenter;
    SetClientSize(L::ClientWidth, L::ClientHeight);
    auto place = [](TControl* c, const L::Place& p) { c->SetBounds(p.Left, p.Top, p.Width, p.Height); };

    Label1 = Make<TLabel>(L::Label1Caption);
    place(Label1, L::Label1);
    NameEdit = Make<TEdit>();
    NameEdit->Name = "NameEdit";
    NameEdit->AutoSelect = true;
    place(NameEdit, L::NameEdit);
    OkBtn = Make<TButton>(L::OkBtnCaption);
    OkBtn->Name = "OkBtn";
    place(OkBtn, L::OkBtn);
    OkBtn->ModalResult = mrOk;
    OkBtn->SetDefault(true);
    CancelBtn = Make<TButton>(L::CancelBtnCaption);
    CancelBtn->Name = "CancelBtn";
    place(CancelBtn, L::CancelBtn);
    CancelBtn->ModalResult = mrCancel;
    CancelBtn->Cancel = true;

    TabOrder = {NameEdit, OkBtn, CancelBtn};
    ActiveControl = NameEdit;
}

void TRenameForm::BindHandlers()
{
    OnShow = [this](TObject* s) { FormShow(s); };
    OkBtn->OnClick = [this](TObject* s) { OkBtnClick(s); };
}

void TRenameForm::SetName(const std::string& name) { NameEdit->SetText(name); }

std::string TRenameForm::Name() const { return NameEdit->Text(); }

void TRenameForm::FormShow(TObject*) { ShownName = NameEdit->Text(); }

void TRenameForm::OkBtnClick(TObject*)
{
    if (NameEdit->Text().empty())
        NameEdit->SetText(ShownName);
    else
        ShownName = NameEdit->Text();
}
