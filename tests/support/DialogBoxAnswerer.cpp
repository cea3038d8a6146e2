#include "tests/support/DialogBoxAnswerer.h"

#include <algorithm>
#include <map>

namespace {

DialogBoxAnswerer* current = nullptr;

std::string WindowText(HWND h)
{
    wchar_t buf[2048] = {};
    int n = GetWindowTextW(h, buf, 2048);
    return ToAnsi(buf, n);
}

std::string IconOf(HWND box)
{
    struct Known {
        LPCWSTR id;
        const char* name;
    };
    const Known known[] = {{MAKEINTRESOURCEW(32513), "error"},
                           {MAKEINTRESOURCEW(32516), "information"},
                           {MAKEINTRESOURCEW(32515), "warning"},
                           {MAKEINTRESOURCEW(32514), "question"}};
    for (int control : {1088, 20}) {
        HWND c = GetDlgItem(box, control);
        if (!c) continue;
        HICON icon = (HICON)SendMessageW(c, STM_GETICON, 0, 0);
        if (!icon) continue;
        for (const Known& k : known)
            if (icon == LoadIconW(nullptr, k.id)) return k.name;
        return "other";
    }
    return "";
}

}  // namespace

DialogBoxAnswerer::DialogBoxAnswerer(std::vector<int> answers) : answers_(std::move(answers))
{
    current = this;
    timer_ = SetTimer(nullptr, 0, 40, Tick);
}

DialogBoxAnswerer::~DialogBoxAnswerer()
{
    KillTimer(nullptr, timer_);
    current = nullptr;
}

BOOL CALLBACK DialogBoxAnswerer::Visit(HWND h, LPARAM lp)
{
    wchar_t cls[32] = {};
    GetClassNameW(h, cls, 32);
    if (wcscmp(cls, L"#32770") == 0 && IsWindowVisible(h)) reinterpret_cast<DialogBoxAnswerer*>(lp)->Answer(h);
    return TRUE;
}

void CALLBACK DialogBoxAnswerer::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (current) EnumThreadWindows(GetCurrentThreadId(), Visit, reinterpret_cast<LPARAM>(current));
}

void DialogBoxAnswerer::Answer(HWND box)
{
    // Marked on the window itself: a later box may get the same handle.
    if (GetPropW(box, L"TavlenDialogAnswered")) return;
    SetPropW(box, L"TavlenDialogAnswered", (HANDLE)1);
    DialogSeenBox seen;
    seen.Caption = WindowText(box);
    wchar_t text[4096] = {};
    int n = GetDlgItemTextW(box, 0xFFFF, text, 4096);
    seen.Text = ToAnsi(text, n);
    seen.Icon = IconOf(box);
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
        if (HWND b = GetDlgItem(box, id); b && IsWindowVisible(b)) seen.Buttons.push_back(id);
    Seen.push_back(seen);
    // Out of answers: the way out that never repeats the question.
    int answer = IDOK;
    if (!answers_.empty())
        answer = answers_.front();
    else if (std::find(seen.Buttons.begin(), seen.Buttons.end(), IDCANCEL) != seen.Buttons.end())
        answer = IDCANCEL;
    else if (std::find(seen.Buttons.begin(), seen.Buttons.end(), IDNO) != seen.Buttons.end())
        answer = IDNO;
    if (!answers_.empty()) answers_.erase(answers_.begin());
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), (LPARAM)GetDlgItem(box, answer));
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

void DialogRunLater(unsigned ms, std::function<void()> f)
{
    UINT_PTR id = SetTimer(nullptr, 0, ms, RunPending);
    Pending()[id] = std::move(f);
}
