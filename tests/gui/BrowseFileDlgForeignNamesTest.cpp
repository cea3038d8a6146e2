// Names that code page 932 cannot hold (café.txt, a folder Å, an emoji) in
// the real dialog: listed under their converted names, reached through their
// short names, so that opening, choosing, the history and a new entry work.
#include <gtest/gtest.h>

#include <string>

#include "gui/Application.h"
#include "src/Files.h"
#include "text/Ansi.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/FilesFormProbe.h"
#include "tests/support/ModalAnswerer.h"

namespace {

// Makes a file of a wide name with the given bytes; returns the wide path.
std::wstring WideFile(const TTempDir& dir, const std::wstring& name, const std::string& bytes)
{
    std::wstring path = ToWide(dir.Path()) + name;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(h);
    return path;
}

std::string ReadBytes(const std::string& path)
{
    HANDLE h = CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<cannot open>";
    std::string bytes(4096, '\0');
    DWORD n = 0;
    ReadFile(h, &bytes[0], (DWORD)bytes.size(), &n, nullptr);
    CloseHandle(h);
    bytes.resize(n);
    return bytes;
}

const std::wstring kCafe = L"caf\u00e9.txt";
const std::wstring kAngstrom = L"\u00c5";
const std::wstring kEmoji = L"\U0001F600.txt";

struct Foreign {
    TTempDir dir{"Foreign"};
    Foreign()
    {
        WideFile(dir, kCafe, "accented");
        dir.File("cafe.txt", "plain");  // what café.txt converts to
        WideFile(dir, kEmoji, "smile");
        std::wstring folder = ToWide(dir.Path()) + kAngstrom;
        EXPECT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        WideFile(dir, kAngstrom + L"\\inner.txt", "inside");
        // The conversion loses these names: the test is about such names.
        EXPECT_NE(ToWide(ToAnsi(kCafe)), kCafe);
        EXPECT_NE(ToWide(ToAnsi(kAngstrom)), kAngstrom);
        EXPECT_NE(ToWide(ToAnsi(kEmoji)), kEmoji);
        sel_folder_dlg.folder = dir.Path();
    }
};

// The item shown with this caption that is not the plain cafe.txt, or -1.
int ItemOf(BrowseFileDlgProbe& p, const std::wstring& name, const std::string& notPath = "")
{
    for (int i = 0; i < p.List()->Count(); ++i) {
        TListItem* item = p.List()->Item(i);
        if (item->Caption == ToAnsi(name) && item->SubItems[4] != notPath) return i;
    }
    return -1;
}

}  // namespace

TEST(BrowseFileDlgForeignNames, EveryEntryIsListedUnderItsConvertedNameAndReachable)
{
    Foreign f;
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    const std::string plain = f.dir.Path() + "cafe.txt";
    const struct {
        std::wstring name;
        const char* tag;
        std::string bytes;
    } cases[] = {{kCafe, "file", "accented"}, {kEmoji, "file", "smile"}, {kAngstrom, "dir", ""}};
    for (const auto& c : cases) {
        int i = ItemOf(p, c.name, plain);
        ASSERT_GE(i, 0) << ToAnsi(c.name);
        const std::string path = p.List()->Item(i)->SubItems[4];
        EXPECT_EQ(p.List()->Item(i)->SubItems[3], c.tag);
        EXPECT_EQ(ExtractFilePath(path), f.dir.Path());
        if (std::string(c.tag) == "file") {
            EXPECT_EQ(ReadBytes(path), c.bytes) << path;
            EXPECT_EQ(p.KindOfPath(path), "file");
        } else {
            EXPECT_TRUE(DirectoryExists(path)) << path;
        }
    }
    // The plain file keeps its own name and bytes.
    int i = p.IndexOfName("cafe.txt");
    ASSERT_GE(i, 0);
    EXPECT_EQ(ReadBytes(p.List()->Item(i)->SubItems[4]), "plain");
}

TEST(BrowseFileDlgForeignNames, AFolderOpensAndAFileIsChosenAndLoaded)
{
    Foreign f;
    DialogHistoryGuard history;
    TModalAnswerer answers;  // nothing may be asked: every path is reachable
    {
        TBrowseFileDlgForm dlg(nullptr);
        BrowseFileDlgProbe p{dlg};
        p.FormShow();
        p.DblClick(ItemOf(p, kAngstrom));
        ASSERT_GE(p.IndexOfName("inner.txt"), 0) << sel_folder_dlg.folder;
        EXPECT_EQ(ReadBytes(p.List()->Item(p.IndexOfName("inner.txt"))->SubItems[4]), "inside");
    }
    sel_folder_dlg.folder = f.dir.Path();
    std::string chosen;
    {
        TBrowseFileDlgForm dlg(nullptr);
        BrowseFileDlgProbe p{dlg};
        p.FormShow();
        const int cafe = ItemOf(p, kCafe, f.dir.Path() + "cafe.txt");
        ASSERT_GE(cafe, 0);
        p.Click(cafe);
        p.PressOpen();
        chosen = sel_folder_dlg.file_path;
        EXPECT_EQ(ReadBytes(chosen), "accented");
        EXPECT_EQ(p.HistoryItems().at(0), chosen);
        EXPECT_TRUE(p.FormCloseQuery());
    }
    // Stored as chosen, and chosen again from the history next time.
    EXPECT_EQ(SplitHistory(DialogReadHistory().Text).at(0), chosen);
    {
        TBrowseFileDlgForm dlg(nullptr);
        BrowseFileDlgProbe p{dlg};
        p.FormShow();
        EXPECT_EQ(p.HistoryItems().at(0), chosen);
        p.PressOpen();
        EXPECT_EQ(sel_folder_dlg.file_path, chosen);
    }
    // The comparison window loads it.
    TFilesForm form;
    FilesFormProbe{form}.LoadPane(form.SrcListBox, chosen);
    EXPECT_EQ(FilesFormProbe{form}.SrcLines().Count(), 1);
    EXPECT_TRUE(answers.Seen.empty()) << answers.Seen.front().text;
}

// A new entry of such a name is found and appended like any other.
TEST(BrowseFileDlgForeignNames, ANewEntryIsAppendedReachable)
{
    Foreign f;
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    const int before = p.List()->Count();
    WideFile(f.dir, L"\u00e9t\u00e9.txt", "summer");
    p.AppendNewEntry();
    ASSERT_EQ(p.List()->Count(), before + 1);
    TListItem* last = p.List()->Item(before);
    EXPECT_EQ(last->Caption, ToAnsi(std::wstring(L"\u00e9t\u00e9.txt")));
    EXPECT_EQ(ReadBytes(last->SubItems[4]), "summer");
    // Nothing else is unlisted now.
    p.AppendNewEntry();
    EXPECT_EQ(p.List()->Count(), before + 1);
}
