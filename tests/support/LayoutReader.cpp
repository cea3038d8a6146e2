// Reading a window's layout back from the real windows (see LayoutReader.h).
#include "tests/support/LayoutReader.h"

RECT PlaceOf(HWND h)
{
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string TextOf(HWND h)
{
    wchar_t buf[512] = {};
    GetWindowTextW(h, buf, 512);
    return ToAnsi(buf);
}
