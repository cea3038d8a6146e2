// The one place that pulls in the Windows headers, and the conversion between
// the program's code page 932 byte strings and the UTF-16 of the W functions.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

// Every text inside the program is Shift-JIS; Windows is spoken to in UTF-16.
constexpr UINT kAnsiCodePage = 932;

std::wstring ToWide(const std::string& text);
std::string ToAnsi(const wchar_t* text, int length = -1);
inline std::string ToAnsi(const std::wstring& text) { return ToAnsi(text.c_str(), (int)text.size()); }
