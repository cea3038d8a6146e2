// Main and pop-up menus of gui/Menus.h.
#include "gui/Menus.h"

#include <unordered_map>

#include "gui/Application.h"

namespace {

std::unordered_map<UINT, TMenuItem*>& Commands()
{
    static std::unordered_map<UINT, TMenuItem*> map;
    return map;
}

UINT NextCommandId()
{
    static UINT id = 100;
    return ++id;
}

}  // namespace

TMenuItem::TMenuItem(std::string caption, TNotifyEvent onClick)
    : OnClick(std::move(onClick)), caption_(std::move(caption)), id_(NextCommandId())
{
    Commands()[id_] = this;
}

TMenuItem::~TMenuItem()
{
    Commands().erase(id_);
    for (TMenuItem* i : items_) delete i;
    if (submenu_ && !parent_) DestroyMenu(submenu_);
}

TMenuItem* TMenuItem::FromCommand(UINT id)
{
    auto it = Commands().find(id);
    return it == Commands().end() ? nullptr : it->second;
}

TMenuItem* TMenuItem::Add(TMenuItem* item)
{
    item->parent_ = this;
    items_.push_back(item);
    return item;
}

TMenuItem* TMenuItem::AddSeparator() { return Add(new TMenuItem("-")); }

std::string TMenuItem::ShortCutText() const
{
    if (!ShortCutKey) return std::string();
    std::string s;
    if (ShortCutShift & ssCtrl) s += "Ctrl+";
    if (ShortCutShift & ssShift) s += "Shift+";
    if (ShortCutShift & ssAlt) s += "Alt+";
    if ((ShortCutKey >= 'A' && ShortCutKey <= 'Z') || (ShortCutKey >= '0' && ShortCutKey <= '9'))
        s += (char)ShortCutKey;
    else if (ShortCutKey >= VK_F1 && ShortCutKey <= VK_F12)
        s += "F" + std::to_string(ShortCutKey - VK_F1 + 1);
    else if (ShortCutKey == VK_UP)
        s += "Up";
    else if (ShortCutKey == VK_DOWN)
        s += "Down";
    else if (ShortCutKey == VK_LEFT)
        s += "Left";
    else if (ShortCutKey == VK_RIGHT)
        s += "Right";
    return s;
}

std::string TMenuItem::MenuText() const
{
    std::string sc = ShortCutText();
    return sc.empty() ? caption_ : caption_ + "\t" + sc;
}

void TMenuItem::Build(HMENU into)
{
    owner_ = nullptr;
    if (!visible_) return;
    owner_ = into;
    if (IsSeparator()) {
        AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
        return;
    }
    UINT flags = MF_STRING | (checked_ ? MF_CHECKED : 0) | (enabled_ ? 0 : MF_GRAYED);
    std::wstring text = ToWide(MenuText());
    if (!items_.empty()) {
        submenu_ = CreatePopupMenu();
        for (TMenuItem* i : items_) i->Build(submenu_);
        AppendMenuW(into, flags | MF_POPUP, (UINT_PTR)submenu_, text.c_str());
    } else {
        AppendMenuW(into, flags, id_, text.c_str());
    }
}

void TMenuItem::Refresh()
{
    if (!owner_) return;
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_STATE | MIIM_STRING;
    mi.fState = (checked_ ? MFS_CHECKED : MFS_UNCHECKED) | (enabled_ ? MFS_ENABLED : MFS_GRAYED);
    std::wstring text = ToWide(MenuText());
    mi.dwTypeData = &text[0];
    if (submenu_) {
        // Find the position of this submenu in its owner.
        int n = GetMenuItemCount(owner_);
        for (int i = 0; i < n; ++i)
            if (GetSubMenu(owner_, i) == submenu_) SetMenuItemInfoW(owner_, i, TRUE, &mi);
    } else {
        SetMenuItemInfoW(owner_, id_, FALSE, &mi);
    }
}

void TMenuItem::SetCaption(const std::string& c)
{
    caption_ = c;
    Refresh();
}

void TMenuItem::SetChecked(bool c)
{
    checked_ = c;
    Refresh();
}

void TMenuItem::SetEnabled(bool e)
{
    enabled_ = e;
    Refresh();
}

void TMenuItem::Click()
{
    if (!enabled_) return;
    if (OnClick) Guarded([&] { OnClick(this); });
}

TMenuItem* TMenuItem::FindShortCut(WORD key, TShiftState shift)
{
    const TShiftState keys = shift & (ssCtrl | ssShift | ssAlt);
    for (TMenuItem* i : items_) {
        if (!i->enabled_) continue;
        if ((i->ShortCutKey && i->ShortCutKey == key && i->ShortCutShift == keys) ||
            (i->ShortCutKey2 && i->ShortCutKey2 == key && i->ShortCutShift2 == keys))
            return i;
        if (TMenuItem* found = i->FindShortCut(key, shift)) return found;
    }
    return nullptr;
}

TMainMenu::TMainMenu() = default;

HMENU TMainMenu::Handle()
{
    if (!bar_) {
        bar_ = CreateMenu();
        for (TMenuItem* i : items_) i->Build(bar_);
        submenu_ = bar_;
    }
    return bar_;
}

TPopupMenu::TPopupMenu() = default;

void TPopupMenu::Popup(int x, int y, HWND owner)
{
    // A second request while the menu is prepared or shown is ignored.
    if (opening_) return;
    opening_ = true;
    TScopeExit opened([this] { opening_ = false; });
    if (OnPopup && !Guarded([&] { OnPopup(this); })) return;
    if (menu_) DestroyMenu(menu_);
    menu_ = CreatePopupMenu();
    submenu_ = menu_;
    for (TMenuItem* i : items_) i->Build(menu_);
    if (GetMenuItemCount(menu_) <= 0) return;
    UINT cmd = TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0, owner, nullptr);
    if (cmd)
        if (TMenuItem* item = FromCommand(cmd)) item->Click();
}
