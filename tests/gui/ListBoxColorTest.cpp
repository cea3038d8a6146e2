// A list box's own colour on the screen: the parent hands WM_CTLCOLORLISTBOX
// to the list box, which answers with its Color, so the part of the window
// below the last row shows that colour; a list box in the default colour
// keeps the window colour. Read back as pixels of the real window.
#include <gtest/gtest.h>

#include "gui/Application.h"
#include "gui/Forms.h"
#include "gui/StdCtrls.h"
#include "tests/support/FilesFormFixture.h"

namespace {

// The colour of the list's empty area, below its one row.
COLORREF EmptyAreaColor(TListBox* list)
{
    list->Repaint();
    TCapture capture(list->Handle);
    return capture.Pixel(capture.Width() / 2, capture.Height() - 10);
}

}  // namespace

TEST(ListBoxColor, TheEmptyAreaShowsTheListsOwnColourOnAFormAndOnAPanel)
{
    struct Case {
        const char* name;
        TColor color;
        bool onPanel;
    } cases[] = {
        {"button face on the form", clBtnFace, false},
        {"button face on a panel", clBtnFace, true},
        {"a colour value on the form", (TColor)0x84F6BE, false},
        {"a colour value on a panel", (TColor)0x84F6BE, true},
        {"the default on the form", clWindow, false},
        {"the default on a panel", clWindow, true},
    };
    for (const Case& c : cases) {
        TForm form;
        form.SetBounds(100, 100, 300, 300);
        TWinControl* parent = &form;
        if (c.onPanel) {
            auto* panel = form.Make<TPanel>();
            panel->SetBounds(0, 0, 250, 250);
            parent = panel;
        }
        auto* list = parent->Make<TListBox>();
        list->SetBounds(10, 10, 150, 120);
        list->Color = c.color;
        list->Add("row");
        form.Show();
        Application.ProcessMessages();
        EXPECT_EQ(EmptyAreaColor(list), ColorToRGB(c.color)) << c.name;
        // Asked again (a second brush is not made for the same colour) and
        // after a change of colour.
        EXPECT_EQ(EmptyAreaColor(list), ColorToRGB(c.color)) << c.name;
        list->Color = (TColor)0x3070F0;
        EXPECT_EQ(EmptyAreaColor(list), ColorToRGB(list->Color)) << c.name;
    }
}
