#include "tests/support/ModalAnswerer.h"

#include <algorithm>

#include "src/BrowseFileDlg.h"

namespace {

TModalAnswerer* current = nullptr;

struct Found {
    HWND box = nullptr;
    HWND menu = nullptr;
    TForm* form = nullptr;
    const std::vector<HWND>* skip;
};

BOOL CALLBACK FindModal(HWND h, LPARAM lp)
{
    auto* f = reinterpret_cast<Found*>(lp);
    if (!IsWindowVisible(h)) return TRUE;
    if (std::find(f->skip->begin(), f->skip->end(), h) != f->skip->end()) return TRUE;
    wchar_t cls[32] = {};
    GetClassNameW(h, cls, 32);
    if (wcscmp(cls, L"#32770") == 0) {
        f->box = h;
        return FALSE;
    }
    if (wcscmp(cls, L"#32768") == 0) {
        f->menu = h;
        return FALSE;
    }
    if (auto* form = dynamic_cast<TForm*>(TControl::FromHandle(h)))
        if (form->Modal()) {
            f->form = form;
            return FALSE;
        }
    return TRUE;
}

struct IconFound {
    bool shown = false;
    HICON icon = nullptr;
};

BOOL CALLBACK FindIcon(HWND h, LPARAM lp)
{
    auto* f = reinterpret_cast<IconFound*>(lp);
    wchar_t cls[32] = {};
    GetClassNameW(h, cls, 32);
    LONG style = GetWindowLongW(h, GWL_STYLE);
    if (_wcsicmp(cls, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
        HICON icon = (HICON)SendMessageW(h, STM_GETICON, 0, 0);
        if (IsWindowVisible(h) && icon) {
            f->shown = true;
            f->icon = icon;
        }
    }
    return TRUE;
}

std::string WindowCaption(HWND h)
{
    wchar_t buf[512] = {};
    GetWindowTextW(h, buf, 512);
    return ToAnsi(buf);
}

}  // namespace

HICON ErrorIcon() { return LoadIconW(nullptr, MAKEINTRESOURCEW(32513)); }  // IDI_ERROR, IDI_HAND

TModalAnswerer::TModalAnswerer()
{
    current = this;
    timer_ = SetTimer(nullptr, 0, 30, TimerProc);
}

TModalAnswerer::~TModalAnswerer()
{
    KillTimer(nullptr, timer_);
    if (current == this) current = nullptr;
}

TModalAnswerer& TModalAnswerer::PressButton(int buttonId)
{
    answers_.push_back({true, buttonId, false, nullptr});
    return *this;
}

TModalAnswerer& TModalAnswerer::AnswerForm(std::function<void(TForm*)> answer)
{
    answers_.push_back({false, 0, false, std::move(answer)});
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
    answers_.push_back({false, accessKey, true, nullptr});
    return *this;
}

void CALLBACK TModalAnswerer::TimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (current) current->Tick();
}

void TModalAnswerer::Tick()
{
    answered_.erase(std::remove_if(answered_.begin(), answered_.end(), [](HWND h) { return !IsWindow(h); }),
                    answered_.end());
    Found f;
    f.skip = &answered_;
    EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&f));
    if (f.menu) {
        TSeenWindow seen;
        seen.menu = true;
        GetWindowRect(f.menu, &seen.rect);
        Seen.push_back(seen);
        answered_.push_back(f.menu);
        if (answers_.empty() || !answers_.front().menu) {
            if (!answers_.empty()) Mismatches.push_back("pop-up menu");
            ++Unexpected;
            EndMenu();
            return;
        }
        char key = (char)answers_.front().button;
        answers_.pop_front();
        PostMessageW(f.menu, WM_KEYDOWN, (WPARAM)key, 0);
        PostMessageW(f.menu, WM_CHAR, (WPARAM)(key - 'A' + 'a'), 0);
        return;
    }
    if (!f.box && !f.form) return;

    TSeenWindow seen;
    HWND h = f.box ? f.box : f.form->Handle;
    seen.messageBox = f.box != nullptr;
    seen.caption = WindowCaption(h);
    GetWindowRect(h, &seen.rect);
    if (f.box) {
        wchar_t text[4096] = {};
        GetDlgItemTextW(f.box, 0xFFFF, text, 4096);
        seen.text = ToAnsi(text);
        IconFound icon;
        EnumChildWindows(f.box, FindIcon, reinterpret_cast<LPARAM>(&icon));
        seen.iconShown = icon.shown;
        seen.icon = icon.icon;
    } else {
        seen.form = f.form;
        seen.fileDialog = dynamic_cast<TBrowseFileDlgForm*>(f.form) != nullptr;
    }
    Seen.push_back(seen);
    answered_.push_back(h);

    if (answers_.empty() || answers_.front().menu || answers_.front().messageBox != seen.messageBox) {
        if (!answers_.empty())
            Mismatches.push_back((seen.messageBox ? "message box: " : "form: ") + seen.caption + " " + seen.text);
        ++Unexpected;
        if (f.box) {
            PostMessageW(f.box, WM_COMMAND, IDCANCEL, 0);
            PostMessageW(f.box, WM_COMMAND, IDNO, 0);
            PostMessageW(f.box, WM_COMMAND, IDOK, 0);
        } else {
            f.form->ModalResult = mrCancel;
        }
        return;
    }
    Answer a = answers_.front();
    answers_.pop_front();
    if (a.messageBox)
        PostMessageW(f.box, WM_COMMAND, a.button, 0);
    else
        a.form(f.form);
}
