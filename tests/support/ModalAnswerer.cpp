#include "tests/support/ModalAnswerer.h"

#include <algorithm>
#include <map>

#include "src/BrowseFileDlg.h"

namespace {

TModalAnswerer* current = nullptr;

const wchar_t kMark[] = L"TavlenModalAnswered";

std::string WindowCaption(HWND h)
{
    wchar_t buf[2048] = {};
    int n = GetWindowTextW(h, buf, 2048);
    return ToAnsi(buf, n);
}

bool IsClass(HWND h, const wchar_t* name)
{
    wchar_t cls[32] = {};
    GetClassNameW(h, cls, 32);
    return wcscmp(cls, name) == 0;
}

TForm* ModalForm(HWND h)
{
    auto* form = dynamic_cast<TForm*>(TControl::FromHandle(h));
    return form && form->Modal() ? form : nullptr;
}

// The icon a message box shows: a visible icon static holding an icon.
BOOL CALLBACK FindIcon(HWND h, LPARAM lp)
{
    wchar_t cls[32] = {};
    GetClassNameW(h, cls, 32);
    if (_wcsicmp(cls, L"Static") != 0 || (GetWindowLongW(h, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
    HICON icon = (HICON)SendMessageW(h, STM_GETICON, 0, 0);
    if (!icon || !IsWindowVisible(h)) return TRUE;
    *reinterpret_cast<HICON*>(lp) = icon;
    return FALSE;
}

std::string IconName(HWND box)
{
    HICON icon = nullptr;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&icon));
    if (!icon) return "";
    struct Known {
        LPCWSTR id;
        const char* name;
    };
    const Known known[] = {{MAKEINTRESOURCEW(32513), "error"},
                           {MAKEINTRESOURCEW(32516), "information"},
                           {MAKEINTRESOURCEW(32515), "warning"},
                           {MAKEINTRESOURCEW(32514), "question"}};
    for (const Known& k : known)
        if (icon == LoadIconW(nullptr, k.id)) return k.name;
    return "other";
}

std::vector<int> Buttons(HWND box)
{
    std::vector<int> ids;
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDTRYAGAIN, IDCONTINUE})
        if (HWND b = GetDlgItem(box, id); b && IsWindowVisible(b)) ids.push_back(id);
    return ids;
}

// The items of a pop-up menu window (MN_GETHMENU gives its menu).
std::vector<std::string> MenuItems(HWND window)
{
    std::vector<std::string> items;
    HMENU menu = (HMENU)SendMessageW(window, 0x01E1 /* MN_GETHMENU */, 0, 0);
    int n = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < n; ++i) {
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof(mi);
        mi.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu, i, TRUE, &mi);
        if (mi.fType & MFT_SEPARATOR) {
            items.push_back("-");
            continue;
        }
        wchar_t text[256] = {};
        int len = GetMenuStringW(menu, i, text, 256, MF_BYPOSITION);
        items.push_back(ToAnsi(text, len));
    }
    return items;
}

bool Has(const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

void PressBoxButton(HWND box, int id)
{
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(box, id));
}

}  // namespace

TModalAnswerer::TModalAnswerer()
{
    previous_ = current;
    current = this;
    timer_ = SetTimer(nullptr, 0, 30, TimerProc);
    hideHook_ = SetWindowsHookExW(WH_CALLWNDPROC, HideHook, nullptr, GetCurrentThreadId());
}

TModalAnswerer::~TModalAnswerer()
{
    KillTimer(nullptr, timer_);
    if (hideHook_) UnhookWindowsHookEx(hideHook_);
    for (HWND h : marked_)
        if (IsWindow(h)) RemovePropW(h, kMark);
    if (current == this) current = previous_;
}

TModalAnswerer& TModalAnswerer::PressButton(int buttonId)
{
    answers_.push_back({Kind::Box, buttonId, nullptr});
    return *this;
}

TModalAnswerer& TModalAnswerer::PressButton(int buttonId, std::function<void()> first)
{
    answers_.push_back({Kind::Box, buttonId, [first](TForm*) { first(); }});
    return *this;
}

TModalAnswerer& TModalAnswerer::AnswerForm(std::function<void(TForm*)> answer)
{
    answers_.push_back({Kind::Form, 0, std::move(answer)});
    return *this;
}

TModalAnswerer& TModalAnswerer::ChooseFile(const std::string& path)
{
    return AnswerForm([path](TForm* form) {
        sel_folder_dlg.file_path = path;
        form->ModalResult = mrOk;
    });
}

TModalAnswerer& TModalAnswerer::CancelDialog()
{
    return AnswerForm([](TForm* form) { form->ModalResult = mrCancel; });
}

TModalAnswerer& TModalAnswerer::PickMenuItem(char accessKey)
{
    answers_.push_back({Kind::Menu, accessKey, nullptr});
    return *this;
}

TModalAnswerer& TModalAnswerer::DismissMenu()
{
    answers_.push_back({Kind::Menu, 0, nullptr});
    return *this;
}

TModalAnswerer& TModalAnswerer::LeaveForm(const TForm& form)
{
    left_.push_back(&form);
    return *this;
}

void CALLBACK TModalAnswerer::TimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (current) current->Tick();
}

LRESULT CALLBACK TModalAnswerer::HideHook(int code, WPARAM wp, LPARAM lp)
{
    // A window that is being hidden loses its mark at once, before any tick
    // could see it shown again.
    if (code == HC_ACTION) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
        bool hiding = (m->message == WM_SHOWWINDOW && !m->wParam) ||
                      (m->message == WM_WINDOWPOSCHANGED &&
                       (reinterpret_cast<const WINDOWPOS*>(m->lParam)->flags & SWP_HIDEWINDOW));
        if (hiding && GetPropW(m->hwnd, kMark)) RemovePropW(m->hwnd, kMark);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

namespace {

struct Collected {
    std::vector<HWND> windows;
};

}  // namespace

BOOL CALLBACK TModalAnswerer::Collect(HWND h, LPARAM lp)
{
    if (!IsWindowVisible(h) || GetPropW(h, kMark)) return TRUE;
    if (IsClass(h, L"#32770") || IsClass(h, L"#32768") || ModalForm(h))
        reinterpret_cast<Collected*>(lp)->windows.push_back(h);
    return TRUE;
}

void TModalAnswerer::Mark(HWND window)
{
    SetPropW(window, kMark, (HANDLE)1);
    marked_.push_back(window);
}

void TModalAnswerer::DropStaleMarks()
{
    // A window that is hidden again (or gone) loses its mark, so that it is
    // answered when it is shown once more.
    auto stale = [](HWND h) { return !IsWindow(h) || !IsWindowVisible(h); };
    for (HWND h : marked_)
        if (IsWindow(h) && !IsWindowVisible(h)) RemovePropW(h, kMark);
    marked_.erase(std::remove_if(marked_.begin(), marked_.end(), stale), marked_.end());
}

void TModalAnswerer::CancelOverdueForms()
{
    DWORD now = GetTickCount();
    for (auto it = forms_.begin(); it != forms_.end();) {
        TForm* form = nullptr;
        if (IsWindow(it->window) && IsWindowVisible(it->window) && GetPropW(it->window, kMark))
            form = ModalForm(it->window);
        if (!form) {
            it = forms_.erase(it);
            continue;
        }
        if (now - it->at < FormTimeLimitMs) {
            ++it;
            continue;
        }
        Mismatches.push_back("form still open after its answer: " + WindowCaption(it->window));
        ++Unexpected;
        form->ModalResult = mrCancel;
        it = forms_.erase(it);
    }
}

void TModalAnswerer::Tick()
{
    DropStaleMarks();
    Collected found;
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&found));
    for (HWND h : found.windows) {
        // An earlier answer of this round may have closed it, or a nested
        // round answered it already.
        if (!IsWindow(h) || !IsWindowVisible(h) || GetPropW(h, kMark)) continue;
        TForm* form = nullptr;
        if (!IsClass(h, L"#32770") && !IsClass(h, L"#32768")) {
            form = ModalForm(h);
            if (!form) continue;
            if (std::find(left_.begin(), left_.end(), form) != left_.end()) continue;
        }
        Handle(h, form);
    }
    CancelOverdueForms();
}

void TModalAnswerer::Handle(HWND h, TForm* form)
{
    Mark(h);
    TSeenWindow seen;
    Kind kind = form ? Kind::Form : IsClass(h, L"#32768") ? Kind::Menu : Kind::Box;
    seen.messageBox = kind == Kind::Box;
    seen.menu = kind == Kind::Menu;
    GetWindowRect(h, &seen.rect);
    seen.owner = GetWindow(h, GW_OWNER);
    if (kind != Kind::Menu) seen.caption = WindowCaption(h);
    if (kind == Kind::Menu) seen.items = MenuItems(h);
    if (kind == Kind::Box) {
        wchar_t text[4096] = {};
        int n = GetDlgItemTextW(h, 0xFFFF, text, 4096);
        seen.text = ToAnsi(text, n);
        seen.icon = IconName(h);
        seen.buttons = Buttons(h);
    }
    if (form) {
        seen.form = form;
        seen.fileDialog = dynamic_cast<TBrowseFileDlgForm*>(form) != nullptr;
    }
    Seen.push_back(seen);

    if (answers_.empty() || answers_.front().kind != kind) {
        if (!answers_.empty())
            Mismatches.push_back(kind == Kind::Menu  ? std::string("pop-up menu")
                                 : kind == Kind::Box ? "message box: " + seen.caption + " " + seen.text
                                                     : "form: " + seen.caption);
        ++Unexpected;
        if (kind == Kind::Menu)
            EndMenu();
        else if (kind == Kind::Form)
            form->ModalResult = mrCancel;
        else
            PressBoxButton(h, Has(seen.buttons, IDCANCEL) ? IDCANCEL : Has(seen.buttons, IDNO) ? IDNO : IDOK);
        return;
    }
    Answer a = answers_.front();
    answers_.pop_front();
    switch (kind) {
    case Kind::Menu:
        if (a.button == 0) {
            EndMenu();
            break;
        }
        PostMessageW(h, WM_KEYDOWN, (WPARAM)a.button, 0);
        PostMessageW(h, WM_CHAR, (WPARAM)(a.button - 'A' + 'a'), 0);
        break;
    case Kind::Box:
        if (a.form) a.form(nullptr);
        PressBoxButton(h, a.button);
        break;
    case Kind::Form:
        forms_.push_back({h, GetTickCount()});
        a.form(form);
        break;
    }
}

namespace {

std::map<UINT_PTR, std::function<void()>>& Pending()
{
    static std::map<UINT_PTR, std::function<void()>> map;
    return map;
}

void CALLBACK RunPending(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto it = Pending().find(id);
    if (it == Pending().end()) return;
    auto f = std::move(it->second);
    Pending().erase(it);
    f();
}

}  // namespace

void RunLater(unsigned ms, std::function<void()> f)
{
    UINT_PTR id = SetTimer(nullptr, 0, ms, RunPending);
    Pending()[id] = std::move(f);
}
