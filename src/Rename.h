// The rename dialog: asks for the new name of a file or folder.
#pragma once

#include <string>

#include "gui/Forms.h"

class TLabel;
class TEdit;
class TButton;

// The caller puts the current name in, shows the dialog modally (OK 1,
// Cancel 2) and takes the new name out. An empty name box comes back as the
// name that was shown.
class TRenameForm : public TForm {
public:
    explicit TRenameForm(TForm* owner);

    void SetName(const std::string& name);
    std::string Name() const;

private:
    friend struct RenameFormProbe;

    TLabel* Label1;
    TEdit* NameEdit;
    TButton *OkBtn, *CancelBtn;

    // What NameEdit held when the dialog was last shown.
    std::string ShownName;

    void BuildLayout();
    void BindHandlers();

    void FormShow(TObject* Sender);
    void OkBtnClick(TObject* Sender);
};
