#include "tests/support/FilesFormFixture.h"

int WindowItemCount(TListBox* list) { return (int)SendMessageW(list->Handle, LB_GETCOUNT, 0, 0); }

std::vector<std::string> Entries(TListBox* list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list->Count(); ++i) out.push_back(list->ItemText(i));
    return out;
}

std::string StatusText(TStatusBar* bar, int panel)
{
    LRESULT r = SendMessageW(bar->Handle, SB_GETTEXTLENGTHW, panel, 0);
    int n = LOWORD(r);
    std::wstring w(n + 1, L'\0');
    SendMessageW(bar->Handle, SB_GETTEXTW, panel, (LPARAM)&w[0]);
    w.resize(n);
    return ToAnsi(w);
}

std::vector<int> StatusPartWidths(TStatusBar* bar)
{
    int n = (int)SendMessageW(bar->Handle, SB_GETPARTS, 0, 0);
    std::vector<int> edges(n);
    SendMessageW(bar->Handle, SB_GETPARTS, n, (LPARAM)edges.data());
    RECT rc;
    GetClientRect(bar->Handle, &rc);
    std::vector<int> widths;
    int left = 0;
    for (int e : edges) {
        int right = e < 0 ? rc.right : e;
        widths.push_back(right - left);
        left = right;
    }
    return widths;
}

int FontTextWidth(HWND window, const std::string& text)
{
    HDC dc = GetDC(window);
    HFONT font = (HFONT)SendMessageW(window, WM_GETFONT, 0, 0);
    HGDIOBJ old = SelectObject(dc, font);
    TCanvas canvas(dc);
    int w = canvas.TextWidth(text);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return w;
}

TCapture::TCapture(HWND window)
{
    RECT rc;
    GetWindowRect(window, &rc);
    w_ = rc.right - rc.left;
    h_ = rc.bottom - rc.top;
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bmp_ = CreateCompatibleBitmap(screen, w_, h_);
    ReleaseDC(nullptr, screen);
    SelectObject(dc_, bmp_);
    // What the screen shows of the window: it must be painted and on top.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC source = GetWindowDC(window);
    BitBlt(dc_, 0, 0, w_, h_, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
}

TCapture::~TCapture()
{
    DeleteDC(dc_);
    DeleteObject(bmp_);
}

COLORREF TCapture::Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

int TCapture::CountOther(int x0, int y0, int x1, int y1, COLORREF background) const
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (GetPixel(dc_, x, y) != background) ++n;
    return n;
}
