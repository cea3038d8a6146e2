// The comparison run on the real comparison window: files from a temporary
// folder loaded into the real panes, the run started from the real menu
// item, its results read back from the arrays, the difference-number lists
// and the status bar.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/Application.h"
#include "src/Files.h"
#include "tests/support/FilesFormFixture.h"

namespace {

// n lines "line 1" .. "line n", each ending in CR LF; `change` may alter line
// i (one-based) before it is written.
std::string Lines(int n, std::function<std::string(int, std::string)> change = nullptr)
{
    std::string text;
    for (int i = 1; i <= n; ++i) {
        std::string line = "行 line " + std::to_string(i);
        if (change) line = change(i, line);
        text += line + "\r\n";
    }
    return text;
}

// The entries that the list's window holds, as it shows them.
std::vector<std::string> Shown(TListBox* list)
{
    std::vector<std::string> v;
    const int n = WindowItemCount(list);
    for (int i = 0; i < n; ++i) v.push_back(list->ItemText(i));
    return v;
}

// The list entries for one-based numbers from..to, right-aligned to `width`.
std::vector<std::string> Numbers(int from, int to, int width)
{
    std::vector<std::string> v;
    for (int n = from; n <= to; ++n) {
        std::string s = std::to_string(n);
        v.push_back(std::string(width - s.size(), ' ') + s);
    }
    return v;
}

std::vector<int32_t> Range(int from, int to)  // from..to - 1
{
    std::vector<int32_t> v;
    for (int i = from; i < to; ++i) v.push_back(i);
    return v;
}

template <class T>
std::vector<T> Concat(std::vector<T> a, const std::vector<T>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Results {
    std::vector<int32_t> src, dest;
    std::vector<std::string> ret1, ret2;
    std::string panel0, panel2;
    bool operator==(const Results& o) const
    {
        return src == o.src && dest == o.dest && ret1 == o.ret1 && ret2 == o.ret2 && panel0 == o.panel0 &&
               panel2 == o.panel2;
    }
};

// A counter as the status control shows it (its alignment tabs dropped).
std::string Counter(TFilesForm& f, int panel)
{
    std::string s = StatusText(f.StatusBar1, panel);
    return s.substr(std::min(s.find_first_not_of('\t'), s.size()));
}

Results Read(TFilesForm& f)
{
    return {FilesFormProbe{f}.SrcDiffLines(), FilesFormProbe{f}.DestDiffLines(), Shown(f.Ret1ListBox),
            Shown(f.Ret2ListBox), Counter(f, 0), Counter(f, 2)};
}

void PrintTo(const Results& r, std::ostream* os)
{
    *os << "src " << r.src.size() << " dest " << r.dest.size() << " ret1 " << r.ret1.size() << " ret2 "
        << r.ret2.size() << " panel0 '" << r.panel0 << "' panel2 '" << r.panel2 << "'";
}

}  // namespace

class FilesCompare : public FilesFormTest {};

// Every case starts from counters showing "7" and "9", the texts an earlier
// run left, so a side on which nothing is recorded is seen to keep its text.
TEST_F(FilesCompare, RunRecordsDifferencesAndClearRemovesThem)
{
    struct Case {
        const char* name;
        std::string left, right;
        Results expected;
    };
    auto diffAt = [](std::vector<int> lines) {  // changes the given one-based lines
        return [lines](int i, std::string s) {
            for (int l : lines)
                if (l == i) return s + "x";
            return s;
        };
    };
    const Case cases[] = {
        {"identical files", Lines(12), Lines(12), {{}, {}, {}, {}, "7", "9"}},
        {"5 vs 8, the first 5 the same", Lines(5), Lines(8), {{}, {5, 6, 7}, {}, Numbers(6, 8, 3), "7", "3"}},
        {"empty left vs 3", "", Lines(3), {{}, {0, 1, 2}, {}, Numbers(1, 3, 3), "7", "3"}},
        {"3 vs 3, line 2 differs", Lines(3), Lines(3, diffAt({2})), {{1}, {1}, {"  2"}, {"  2"}, "1", "1"}},
        {"no trimming and no case folding",
         Lines(4),
         Lines(4,
               [](int i, std::string s) {
                   if (i == 1) return s + " ";
                   if (i == 3) return std::string("行 LINE 3");
                   if (i == 4) return s + "\t";
                   return s;
               }),
         {{0, 2, 3}, {0, 2, 3}, {"  1", "  3", "  4"}, {"  1", "  3", "  4"}, "3", "3"}},
        {"99 vs 100: every label differs in width",
         Lines(99),
         Lines(100),
         {Range(0, 99), Range(0, 100), Numbers(1, 99, 4), Concat(Numbers(1, 99, 4), Numbers(100, 100, 5)), "99",
          "100"}},
        // The longer left file's surplus, recorded as the right's is.
        {"8 vs 5, the first 5 the same", Lines(8), Lines(5), {{5, 6, 7}, {}, Numbers(6, 8, 3), {}, "3", "9"}},
        {"3 vs empty right", Lines(3), "", {{0, 1, 2}, {}, Numbers(1, 3, 3), {}, "3", "9"}},
        {"100 vs 99",
         Lines(100),
         Lines(99),
         {Range(0, 100), Range(0, 99), Numbers(1, 100, 5), Numbers(1, 99, 5), "100", "99"}},
        {"both empty", "", "", {{}, {}, {}, {}, "7", "9"}},
    };

    TFilesForm& form = *this->form;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Load(form.SrcListBox, "left.txt", c.left);
        Load(form.DestListBox, "right.txt", c.right);
        form.StatusBar1->SetPanelText(0, "7");
        form.StatusBar1->SetPanelText(2, "9");

        form.AllCompareMenu->Click();
        EXPECT_EQ(Read(form), c.expected);

        // A second run gives the same, the lists not doubled.
        form.AllCompareMenu->Click();
        EXPECT_EQ(Read(form), c.expected);

        // Clear: results and selections gone, counters as they were.
        if (form.SrcListBox->Count() > 1) form.SrcListBox->SetSelected(1, true);
        if (form.DestListBox->Count() > 0) form.DestListBox->SetSelected(0, true);
        form.ClearMenu->Click();
        Results cleared = {{}, {}, {}, {}, c.expected.panel0, c.expected.panel2};
        EXPECT_EQ(Read(form), cleared);
        EXPECT_EQ(form.SrcListBox->SelCount(), 0);
        EXPECT_EQ(form.DestListBox->SelCount(), 0);
        // The panes keep their entries.
        EXPECT_EQ(WindowItemCount(form.SrcListBox), FilesFormProbe{form}.SrcLines().Count());
        EXPECT_EQ(WindowItemCount(form.DestListBox), FilesFormProbe{form}.DestLines().Count());
    }
}

// A long run lets messages be processed. Meanwhile the commands that would
// disturb it are disabled, and a Clear or a second run asked for then has no
// effect: the run ends with exactly the results of an undisturbed one.
TEST_F(FilesCompare, RunCannotBeDisturbedWhileItProcessesMessages)
{
    TFilesForm& form = *this->form;
    // A run over a million lines takes a few tens of milliseconds here;
    // with 1 ms slices it processes messages many times.
    const int n = 1000000;
    struct SliceLength {
        int saved = CompareSliceMs;
        SliceLength() { CompareSliceMs = 1; }
        ~SliceLength() { CompareSliceMs = saved; }
    } shortSlices;
    Load(form.SrcListBox, "left.txt", Lines(n));
    Load(form.DestListBox, "right.txt", Lines(n, [](int, std::string s) { return s + "!"; }));

    static TFilesForm* current;
    static std::vector<bool> enabledDuring;
    static std::vector<int> countsSeen;
    static std::vector<std::string> countersSeen;
    current = &form;
    enabledDuring.clear();
    countsSeen.clear();
    countersSeen.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR, DWORD) {
        TFilesForm& f = *current;
        enabledDuring = {f.OpenMenu->Enabled(), f.AllCompareMenu->Enabled(), f.ClearMenu->Enabled(),
                         f.OpenItem->Enabled(), f.UpdateItem->Enabled()};
        countsSeen.push_back(WindowItemCount(f.Ret1ListBox));
        countersSeen.push_back(Counter(f, 0));
        // As the user would: the commands through the window's menu.
        PostMessageW(f.Handle, WM_COMMAND, f.ClearMenu->CommandId(), 0);
        PostMessageW(f.Handle, WM_COMMAND, f.AllCompareMenu->CommandId(), 0);
    });
    form.AllCompareMenu->Click();
    KillTimer(nullptr, timer);

    ASSERT_FALSE(countsSeen.empty()) << "no messages were processed during the run";
    EXPECT_EQ(enabledDuring, std::vector<bool>(5, false));
    // The lists and the counter grew while the run went on.
    EXPECT_GT(countsSeen.back(), 0);
    EXPECT_LT(countsSeen.front(), n);
    EXPECT_TRUE(std::is_sorted(countsSeen.begin(), countsSeen.end()));
    EXPECT_NE(countersSeen.back(), "");
    EXPECT_NE(countersSeen.front(), std::to_string(n));

    // The commands posted during the run reached disabled items and did
    // nothing: the results are exactly those of one undisturbed run.
    EXPECT_TRUE(form.OpenMenu->Enabled());
    EXPECT_TRUE(form.ClearMenu->Enabled());
    Results r = Read(form);
    EXPECT_EQ(r.src, Range(0, n));
    EXPECT_EQ(r.ret1.size(), (size_t)n);
    EXPECT_EQ(r.ret2, r.ret1);
    EXPECT_EQ(r.panel0, std::to_string(n));
    EXPECT_EQ(r.panel2, std::to_string(n));
}
