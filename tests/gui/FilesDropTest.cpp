// Files dropped onto the real comparison window: a WM_DROPFILES posted with
// a real DROPFILES block of wide names, as the shell sends it. One file onto
// each pane, two files onto the window, and the refused drops.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "forms/FilesTexts.h"
#include "gui/Application.h"
#include "src/Files.h"
#include "tests/support/FilesFormFixture.h"

namespace {

// Posts the drop of `paths` at client point (x, y) of `window` and lets it
// be handled.
void DropFiles(HWND window, const std::vector<std::string>& paths, int x, int y)
{
    std::wstring names;
    for (const std::string& p : paths) names += ToWide(p) + L'\0';
    names += L'\0';
    HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* df = (DROPFILES*)GlobalLock(mem);
    df->pFiles = sizeof(DROPFILES);
    df->pt = POINT{x, y};
    df->fNC = FALSE;
    df->fWide = TRUE;
    memcpy((char*)df + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(mem);
    PostMessageW(window, WM_DROPFILES, (WPARAM)mem, 0);
    for (int i = 0; i < 4; ++i) {
        Application.ProcessMessages();
        Sleep(5);
    }
}

}  // namespace

class FilesDrop : public FilesFormTest {
protected:
    // A point in the middle of a control, in the form's client coordinates.
    POINT Middle(TControl* c)
    {
        POINT p{c->Width() / 2, c->Height() / 2};
        MapWindowPoints(c->Handle, form->Handle, &p, 1);
        return p;
    }
    void Drop(const std::vector<std::string>& paths, POINT at) { DropFiles(form->Handle, paths, at.x, at.y); }
};

// One file dropped on a pane loads into that pane only, as Open for that
// pane does: its lines and its path in the status bar.
TEST_F(FilesDrop, OneFileLoadsIntoThePaneItIsDroppedOn)
{
    const std::string a = dir.Write("a.txt", "one\r\ntwo\r\n"), b = dir.Write("b.txt", "x\r\ny\r\nz\r\n");
    FilesFormProbe probe{*form};
    Drop({a}, Middle(form->SrcListBox));
    EXPECT_EQ(probe.SrcFileName(), a);
    EXPECT_EQ(probe.SrcLines().Count(), 2);
    EXPECT_EQ(probe.DestFileName(), "");
    EXPECT_EQ(form->DestListBox->Count(), 0);

    Drop({b}, Middle(form->DestListBox));
    EXPECT_EQ(probe.DestFileName(), b);
    EXPECT_EQ(form->DestListBox->Count(), 3);
    EXPECT_EQ(probe.SrcFileName(), a);
    EXPECT_NE(StatusText(form->StatusBar1, 6).find("b.txt"), std::string::npos);

    // The difference lists lie on the left pane's side.
    Drop({b}, Middle(form->Ret2ListBox));
    EXPECT_EQ(probe.SrcFileName(), b);
}

// Two files dropped anywhere on the window: the first into the left pane,
// the second into the right, also when dropped on the right pane.
TEST_F(FilesDrop, TwoFilesLoadLeftAndRight)
{
    const std::string a = dir.Write("first.txt", "1\r\n"), b = dir.Write("second.txt", "1\r\n2\r\n");
    FilesFormProbe probe{*form};
    Drop({a, b}, Middle(form->DestListBox));
    EXPECT_EQ(probe.SrcFileName(), a);
    EXPECT_EQ(probe.DestFileName(), b);
    EXPECT_EQ(form->SrcListBox->Count(), 1);
    EXPECT_EQ(form->DestListBox->Count(), 2);
}

// A folder, alone or beside a file, and three files are refused with a
// message; nothing is loaded.
TEST_F(FilesDrop, FoldersAndThreeFilesAreRefused)
{
    const std::string a = dir.Write("a.txt", "a\r\n"), b = dir.Write("b.txt", "b\r\n"), c = dir.Write("c.txt", "c\r\n");
    const std::string folder = dir.Path() + "\\sub";
    ASSERT_TRUE(CreateDirectoryW(ToWide(folder).c_str(), nullptr));
    struct Case {
        const char* what;
        std::vector<std::string> files;
        std::string message;
    } cases[] = {
        {"a folder", {folder}, folder + FilesTexts::DropFolderMessage},
        {"a file and a folder", {a, folder}, folder + FilesTexts::DropFolderMessage},
        {"three files", {a, b, c}, FilesTexts::DropTooManyMessage},
    };
    FilesFormProbe probe{*form};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        TModalAnswerer answers;
        answers.PressButton(IDOK);
        Drop(k.files, Middle(form->SrcListBox));
        ASSERT_EQ(answers.Seen.size(), 1u);
        EXPECT_TRUE(answers.Seen[0].messageBox);
        EXPECT_EQ(answers.Seen[0].text, k.message);
        EXPECT_EQ(probe.SrcFileName(), "");
        EXPECT_EQ(probe.DestFileName(), "");
        EXPECT_EQ(form->SrcListBox->Count(), 0);
    }
}

// A file that cannot be read gives Open's error and leaves the pane as it
// was.
TEST_F(FilesDrop, AMissingFileGivesOpensError)
{
    const std::string a = dir.Write("a.txt", "a\r\n");
    FilesFormProbe probe{*form};
    Drop({a}, Middle(form->SrcListBox));
    const std::string missing = dir.Path() + "\\missing.txt";
    TModalAnswerer answers;
    answers.PressButton(IDOK);
    Drop({missing}, Middle(form->SrcListBox));
    ASSERT_EQ(answers.Seen.size(), 1u);
    EXPECT_NE(answers.Seen[0].text.find("missing.txt"), std::string::npos);
    EXPECT_EQ(probe.SrcFileName(), a);
    EXPECT_EQ(form->SrcListBox->Count(), 1);
}
