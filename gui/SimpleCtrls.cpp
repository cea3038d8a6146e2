#include "gui/SimpleCtrls.h"

#include <vector>

TLabel::TLabel(TWinControl* parent, const std::string& caption) : TWinControl(parent)
{
    CreateSystemWindow(L"STATIC", WS_VISIBLE | SS_LEFT, 0, caption);
}

TEdit::TEdit(TWinControl* parent) : TWinControl(parent)
{
    CreateSystemWindow(L"EDIT", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
    TabStop = true;
}

TChoiceListBox::TChoiceListBox(TWinControl* parent, int itemHeight) : TWinControl(parent)
{
    CreateSystemWindow(L"LISTBOX", WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE);
    SendMessageW(Handle, LB_SETITEMHEIGHT, 0, itemHeight);
    TabStop = true;
}

void TChoiceListBox::AddItem(const std::string& text)
{
    SendMessageW(Handle, LB_ADDSTRING, 0, (LPARAM)ToWide(text).c_str());
}

int TChoiceListBox::ItemCount() const { return (int)SendMessageW(Handle, LB_GETCOUNT, 0, 0); }

std::string TChoiceListBox::Item(int index) const
{
    LRESULT n = SendMessageW(Handle, LB_GETTEXTLEN, index, 0);
    if (n == LB_ERR) return std::string();
    std::vector<wchar_t> buf(n + 1, L'\0');
    n = SendMessageW(Handle, LB_GETTEXT, index, (LPARAM)buf.data());
    return n == LB_ERR ? std::string() : ToAnsi(buf.data(), (int)n);
}

int TChoiceListBox::ItemIndex() const { return (int)SendMessageW(Handle, LB_GETCURSEL, 0, 0); }

void TChoiceListBox::SetItemIndex(int index) { SendMessageW(Handle, LB_SETCURSEL, index, 0); }

void TChoiceListBox::CommandNotify(WORD code)
{
    if (code == LBN_SELCHANGE && OnClick) OnClick(this);
}
