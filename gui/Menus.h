// Main and pop-up menus with captions, check marks and shortcuts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/Classes.h"
#include "gui/Win32.h"

class TMenuItem : public TObject {
public:
    explicit TMenuItem(std::string caption = "", TNotifyEvent onClick = nullptr);
    ~TMenuItem() override;

    std::string Name;
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool Checked() const { return checked_; }
    void SetChecked(bool c);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    // A hidden item is left out of its menu when the menu is built; pop-up
    // menus are built each time they open.
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    // A shortcut: virtual-key code plus ssCtrl/ssShift/ssAlt; 0 for none.
    WORD ShortCutKey = 0;
    TShiftState ShortCutShift = 0;
    // A second shortcut for the same item (0 for none); the menu shows the
    // first one only.
    WORD ShortCutKey2 = 0;
    TShiftState ShortCutShift2 = 0;
    std::string ShortCutText() const;

    TNotifyEvent OnClick;
    void Click();

    TMenuItem* Add(TMenuItem* item);  // takes ownership
    TMenuItem* AddSeparator();
    const std::vector<TMenuItem*>& Items() const { return items_; }
    bool IsSeparator() const { return caption_ == "-"; }
    TMenuItem* Parent() const { return parent_; }

    UINT CommandId() const { return id_; }
    HMENU SubMenu() const { return submenu_; }
    static TMenuItem* FromCommand(UINT id);

    // Finds an enabled item of this tree whose shortcut (either one) matches.
    TMenuItem* FindShortCut(WORD key, TShiftState shift);

protected:
    void Build(HMENU into);
    std::string MenuText() const;
    void Refresh();

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    HMENU submenu_ = nullptr;
    HMENU owner_ = nullptr;  // the menu this item sits in
    UINT id_;
    friend class TMainMenu;
    friend class TPopupMenu;
};

class TMainMenu : public TMenuItem {
public:
    TMainMenu();
    HMENU Handle();
private:
    HMENU bar_ = nullptr;
};

class TPopupMenu : public TMenuItem {
public:
    TPopupMenu();
    TNotifyEvent OnPopup;
    // Shows the menu at screen coordinates and runs the chosen item. After
    // OnPopup a menu with no visible item does not open. A request that comes
    // while the menu is being prepared or shown is ignored.
    void Popup(int x, int y, HWND owner);
    TObject* PopupComponent = nullptr;
private:
    HMENU menu_ = nullptr;
    bool opening_ = false;
};
