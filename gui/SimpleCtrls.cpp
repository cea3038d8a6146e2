#include "gui/SimpleCtrls.h"

TLabel::TLabel(TWinControl* parent, const std::string& caption) : TWinControl(parent)
{
    CreateSystemWindow(L"STATIC", WS_VISIBLE | SS_LEFT, 0, caption);
}

TEdit::TEdit(TWinControl* parent) : TWinControl(parent)
{
    CreateSystemWindow(L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
    TabStop = true;
}

bool TEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    if (msg == WM_SETFOCUS && AutoSelect) SendMessageW(Handle, EM_SETSEL, 0, -1);
    return TWinControl::WndProc(msg, wp, lp, result);
}
