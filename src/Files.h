// The comparison window.
#pragma once

#include "gui/Forms.h"

class TFilesForm : public TForm {
public:
    TFilesForm();
    ~TFilesForm() override;
};

extern TFilesForm* FilesForm;
