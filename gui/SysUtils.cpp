// Texts that follow the user's locale.
#include "gui/SysUtils.h"

#include "text/DialogText.h"

int CompareText(const std::string& a, const std::string& b)
{
    std::wstring wa = ToWide(a), wb = ToWide(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(), (int)wa.size(), wb.c_str(),
                          (int)wb.size()) -
           CSTR_EQUAL;
}

std::string SortKeyOf(const std::string& text)
{
    std::wstring w = ToWide(text);
    int n = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, w.c_str(), (int)w.size(), nullptr, 0);
    std::string key(n > 0 ? n : 0, '\0');
    if (n > 0)
        LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, w.c_str(), (int)w.size(),
                     reinterpret_cast<LPWSTR>(&key[0]), n);
    return key;
}

std::string SizeText(uint64_t size, DWORD attributes)
{
    char sep = ',';
    wchar_t buf[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buf, 8) > 0) {
        std::string s = ToAnsi(buf);
        sep = s.size() == 1 ? s[0] : s.empty() ? '\0' : ',';
    }
    return SizeTextOf(size, attributes, sep);
}

std::string FileTimeText(const FILETIME& time)
{
    FILETIME local;
    SYSTEMTIME st{};
    FileTimeToLocalFileTime(&time, &local);
    FileTimeToSystemTime(&local, &st);
    return TimeTextOf(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute);
}
