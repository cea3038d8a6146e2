// Shows the comparison window with two small Japanese sample files loaded
// and compared, for the README's screenshot (scripts/screenshot). The files
// are written into a temporary folder and removed when the window closes.
#include <string>

#include "gui/Application.h"
#include "src/Files.h"
#include "tests/support/FilesFormProbe.h"

namespace {

std::string TempFolder()
{
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    std::wstring dir = std::wstring(base) + L"TavlenDemo\\";
    CreateDirectoryW(dir.c_str(), nullptr);
    return ToAnsi(dir);
}

std::string Write(const std::string& dir, const std::string& name, const std::string& text)
{
    std::string path = dir + name;
    HANDLE h = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done = 0;
    WriteFile(h, text.data(), (DWORD)text.size(), &done, nullptr);
    CloseHandle(h);
    return path;
}

const char kLeft[] =
    "議事録 2026年11月定例会\r\n"
    "出席者: 青木、佐藤、鈴木\r\n"
    "1. 前回の議事録を承認した。\r\n"
    "2. 予算案について説明があった。\r\n"
    "   広報費は30万円とする。\r\n"
    "3. 次回の日程を決めた。\r\n"
    "   12月10日(木) 14:00から\r\n"
    "4. その他\r\n"
    "   会場の予約は佐藤が行う。\r\n"
    "以上\r\n";

const char kRight[] =
    "議事録 2026年11月定例会\r\n"
    "出席者: 青木、佐藤、鈴木、田中\r\n"
    "1. 前回の議事録を承認した。\r\n"
    "2. 予算案について説明があった。\r\n"
    "   広報費は25万円とする。\r\n"
    "3. 次回の日程を決めた。\r\n"
    "   12月10日(木) 14:00から\r\n"
    "4. その他\r\n"
    "   会場の予約は鈴木が行う。\r\n"
    "以上\r\n";

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    Application.Initialize();
    Application.Title = "Tavlen";
    std::string dir = TempFolder();
    std::string left = Write(dir, "議事録_案.txt", kLeft);
    std::string right = Write(dir, "議事録_修正.txt", kRight);
    FilesForm = new TFilesForm();
    FilesForm->Show();
    try {
        FilesFormProbe{*FilesForm}.LoadPane(FilesForm->SrcListBox, left);
        FilesFormProbe{*FilesForm}.LoadPane(FilesForm->DestListBox, right);
        FilesForm->AllCompareMenu->Click();
    } catch (const std::exception& e) {
        Application.ShowException(e);
    }
    Application.Run();
    delete FilesForm;
    DeleteFileW(ToWide(left).c_str());
    DeleteFileW(ToWide(right).c_str());
    RemoveDirectoryW(ToWide(dir).c_str());
    return 0;
}
