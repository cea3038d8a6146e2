#include "gui/Classes.h"

#include "gui/Exception.h"
#include "gui/Win32.h"
#include "text/Lines.h"

int TStringList::IndexOf(const std::string& s) const
{
    for (size_t i = 0; i < Strings.size(); ++i)
        if (Strings[i] == s) return (int)i;
    return -1;
}

std::string TStringList::Text() const
{
    std::string out;
    for (const auto& s : Strings) {
        out += s;
        out += "\r\n";
    }
    return out;
}

void TStringList::SetText(const std::string& text)
{
    Strings.clear();
    ForEachLine(text.data(), text.size(), [&](const char* p, size_t n) { Strings.emplace_back(p, n); });
}

void TStringList::LoadFromFile(const std::string& fileName)
{
    SetText(ReadWholeFile(fileName));
}

std::string ReadWholeFile(const std::string& fileName)
{
    std::wstring wide = ToWide(fileName);
    HANDLE h = INVALID_HANDLE_VALUE;
    if (!wide.empty())
        h = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw EFOpenError("ﾌｧｲﾙ " + fileName + " は開けません");
    std::string data;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(h, &size) && size.QuadPart > 0) {
        data.resize((size_t)size.QuadPart);
        size_t done = 0;
        while (done < data.size()) {
            DWORD chunk = (DWORD)std::min<size_t>(data.size() - done, 1u << 30);
            DWORD got = 0;
            if (!ReadFile(h, &data[done], chunk, &got, nullptr)) {
                // A read that fails half-way must not pass for the whole file.
                CloseHandle(h);
                throw EFOpenError("ﾌｧｲﾙ " + fileName + " は開けません");
            }
            if (got == 0) break;  // the file has become shorter meanwhile
            done += got;
        }
        data.resize(done);
    }
    CloseHandle(h);
    return data;
}
