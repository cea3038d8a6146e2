// A fixture with a shown comparison window and a temporary folder, and the
// small readers of the real controls that the window tests share.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/Application.h"
#include "src/Files.h"
#include "tests/support/FilesFormProbe.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TempDir.h"

class FilesFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TFilesForm();
        FilesForm = form;
        form->Show();
        Pump();
    }
    void TearDown() override
    {
        delete form;
        form = nullptr;
        Pump();
    }
    static void Pump() { Application.ProcessMessages(); }

    // Writes a file into the temporary folder and loads it into a pane.
    std::string Load(TListBox* pane, const std::string& name, const std::string& bytes)
    {
        std::string path = dir.Write(name, bytes);
        FilesFormProbe{*form}.LoadPane(pane, path);
        return path;
    }

    TFilesForm* form = nullptr;
    TTempDir dir;
};

// What the list box window itself holds and shows.
int WindowItemCount(TListBox* list);
std::vector<std::string> Entries(TListBox* list);
// The text of a status panel as the status control holds it.
std::string StatusText(TStatusBar* bar, int panel);
// The widths of the status control's parts (the last one up to the edge).
std::vector<int> StatusPartWidths(TStatusBar* bar);
// Width of a text in the given window's current font.
int FontTextWidth(HWND window, const std::string& text);
// The control's pixels as the screen shows them, window frame included
// (a list box's client area starts 2 pixels in).
class TCapture {
public:
    explicit TCapture(HWND window);
    ~TCapture();
    COLORREF Pixel(int x, int y) const;
    int Width() const { return w_; }
    int Height() const { return h_; }
    // Pixels in [x0,x1) x [y0,y1) that differ from `background`.
    int CountOther(int x0, int y0, int x1, int y1, COLORREF background) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bmp_ = nullptr;
    int w_ = 0, h_ = 0;
};
