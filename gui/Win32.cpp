#include "gui/Win32.h"

std::wstring ToWide(const std::string& text)
{
    if (text.empty()) return std::wstring();
    int n = MultiByteToWideChar(kAnsiCodePage, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(kAnsiCodePage, 0, text.data(), (int)text.size(), &out[0], n);
    return out;
}

std::string ToAnsi(const wchar_t* text, int length)
{
    if (!text) return std::string();
    if (length < 0) length = (int)wcslen(text);
    if (length == 0) return std::string();
    int n = WideCharToMultiByte(kAnsiCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(kAnsiCodePage, 0, text, length, &out[0], n, nullptr, nullptr);
    return out;
}
