#include "src/Files.h"

TFilesForm* FilesForm = nullptr;

TFilesForm::TFilesForm()
{
    SetCaption("Tavlen Ver.0.0.2");
    SetBounds(201, 121, 650, 450);
}

TFilesForm::~TFilesForm() = default;

bool TFilesForm::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    return TForm::WndProc(msg, wp, lp, result);
}
