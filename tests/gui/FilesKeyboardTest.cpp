// A whole choice and comparison by keyboard alone, with real key presses:
// Ctrl+O, Tab and the arrows in the dialog's list, Enter on a folder, Enter
// on a file, the second dialog the same, then Alt+M and A.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "src/BrowseFileDlg.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/FilesFormFixture.h"
#include "tests/support/Input.h"
#include "text/Ansi.h"

using FilesKeyboard = FilesFormTest;

namespace {

// Presses and releases each key in turn; a key given with a modifier is
// pressed while the modifier is held.
void Type(std::initializer_list<std::pair<WORD, WORD>> keys)
{
    std::vector<INPUT> input;
    for (auto [modifier, key] : keys) {
        if (modifier) input.push_back(KeyInput(modifier, false));
        input.push_back(KeyInput(key, false));
        input.push_back(KeyInput(key, true));
        if (modifier) input.push_back(KeyInput(modifier, true));
    }
    SendInput((UINT)input.size(), input.data(), sizeof(INPUT));
}

// The file selection dialog that is the active window, or null.
TBrowseFileDlgForm* ActiveDialog()
{
    return dynamic_cast<TBrowseFileDlgForm*>(TControl::FromHandle(GetActiveWindow()));
}

// Steps that wait for a state of the program, then type: polled from a
// thread timer, so that they run inside whatever modal loop runs.
struct Script {
    struct Step {
        const char* what;
        std::function<bool()> ready;
        std::function<void()> act;
    };
    std::vector<Step> steps;
    size_t next = 0;
    std::vector<std::string> done;

    void Poll()
    {
        if (next < steps.size() && steps[next].ready()) {
            done.push_back(steps[next].what);
            steps[next++].act();
        }
        if (next < steps.size()) RunLater(50, [this] { Poll(); });
    }
};

}  // namespace

TEST_F(FilesKeyboard, AWholeChoiceAndComparisonByKeyboardAlone)
{
    const std::string sub = IncludeTrailingBackslash(dir.Folder("Sub"));
    const std::string left = dir.Write("Sub\\left.txt", "same\nleft\nsame\n");
    const std::string right = dir.Write("Sub\\right.txt", "same\nright\nsame\n");
    dir.Write("top.txt", "not this one");
    sel_folder_dlg.folder = dir.Path();
    SetForegroundWindow(form->Handle);
    FilesFormProbe probe{*form};
    bool compared = false;
    auto dialogIn = [](const std::string& folder) {
        return [folder] { return ActiveDialog() && sel_folder_dlg.folder == folder; };
    };

    Script script;
    script.steps = {
        {"Ctrl+O", [&] { return GetActiveWindow() == form->Handle; }, [] { Type({{VK_CONTROL, 'O'}}); }},
        // The dialog starts in its name box: Tab to the list, Down to the
        // first entry (the folder), Enter opens it.
        {"folder", dialogIn(dir.Path()), [] { Type({{0, VK_TAB}, {0, VK_DOWN}, {0, VK_RETURN}}); }},
        {"left file", dialogIn(sub), [] { Type({{0, VK_DOWN}, {0, VK_RETURN}}); }},
        // The second dialog starts where the first ended.
        {"right file", [&] { return ActiveDialog() && probe.SrcFileName() == left; },
         [] { Type({{0, VK_TAB}, {0, VK_DOWN}, {0, VK_DOWN}, {0, VK_RETURN}}); }},
        {"Alt+M A", [&] { return GetActiveWindow() == form->Handle && probe.DestFileName() == right; },
         [] { Type({{VK_MENU, 'M'}, {0, 'A'}}); }},
        {"compared", [&] { return !probe.SrcDiffLines().empty(); }, [&] { compared = true; }},
    };
    script.Poll();
    for (DWORD start = GetTickCount(); !compared && GetTickCount() - start < 30000;) {
        Application.ProcessMessages();
        Sleep(10);
    }
    ASSERT_TRUE(compared) << "stopped after " << (script.done.empty() ? "nothing" : script.done.back());
    EXPECT_EQ(probe.SrcFileName(), left);
    EXPECT_EQ(probe.DestFileName(), right);
    EXPECT_EQ(probe.SrcDiffLines(), std::vector<int32_t>{1});  // indexes: the second line
    EXPECT_EQ(probe.DestDiffLines(), std::vector<int32_t>{1});
}
