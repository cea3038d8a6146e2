// The drives view: the prefix's real drives with their texts against their
// own queries, the type-text rules over shell names, and an empty drive mask.
#include <gtest/gtest.h>

#include "src/DiskArea.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"
#include "text/Ansi.h"

namespace {

// The size texts of a drive from its own free-space query, in the user's
// decimal separator; empty texts when the query fails.
TDiskArea QueriedArea(const std::string& root)
{
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExW(ToWide(root).c_str(), &available, &total, &free)) return TDiskArea();
    wchar_t sep[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8);
    return DiskAreaFromExtended(total.QuadPart, free.QuadPart, sep[0] && sep[0] < 0x80 && !sep[1] ? (char)sep[0] : '.');
}

// The three texts a drive item should show, its sizes from the query.
std::vector<std::string> QueriedTexts(const std::string& caption, const std::string& root)
{
    return DriveColumnTexts(caption, [&](std::string& total, std::string& free) {
        TDiskArea area = QueriedArea(root);
        total = area.TotalSize;
        free = area.FreeSize;
    });
}

}  // namespace

// Shell names differ between systems (Wine's are English), so the rules are
// checked over captions; only a local disk without a label reads its sizes.
TEST(BrowseFileDlgDrives, TypeTextRulesOverCaptions)
{
    struct Case {
        const char* caption;
        std::vector<std::string> texts;
        bool sizesRead;
    };
    const Case cases[] = {
        {"ローカル ディスク (C:)", {"ローカル ディスク", "74.52 GB", "11.49 GB"}, true},
        {"DATA (D:)", {"DATA", "", ""}, false},
        {"3.5 インチ FD (A:)", {"3.5 インチ フロッピー ディスク", "", ""}, false},
        {"3.5 Floppy (A:)", {"3.5 インチ フロッピー ディスク", "", ""}, false},
        {"CD-ROM ドライブ (E:)", {"CD-ROM ドライブ", "", ""}, false},
        {" (C:)", {"", "", ""}, false},
        {"ローカル ディスク2 (F:)", {"ローカル ディスク2", "", ""}, false},
    };
    for (const Case& c : cases) {
        int calls = 0;
        auto texts = DriveColumnTexts(c.caption, [&](std::string& total, std::string& free) {
            ++calls;
            total = "74.52 GB";
            free = "11.49 GB";
        });
        EXPECT_EQ(texts, c.texts) << c.caption;
        EXPECT_EQ(calls, c.sizesRead ? 1 : 0) << c.caption;
    }
}

TEST(BrowseFileDlgDrives, ThePrefixDrivesInLetterOrder)
{
    sel_folder_dlg.folder = "Drives";
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    EXPECT_FALSE(p.Up()->Enabled());
    DWORD mask = GetLogicalDrives();
    std::vector<std::string> expected;
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i)) expected.push_back(std::string(1, (char)('A' + i)) + ":\\");
    ASSERT_FALSE(expected.empty());
    std::vector<std::string> roots;
    for (int i = 0; i < p.List()->Count(); ++i) {
        TListItem* it = p.List()->Item(i);
        ASSERT_EQ(it->SubItems.Count(), 5);
        roots.push_back(it->SubItems[4]);
        EXPECT_EQ(it->SubItems[3], "drive");
        TShellFileInfo info;
        GetShellFileInfo(it->SubItems[4], info);
        EXPECT_EQ(it->Caption, info.DisplayName);
        EXPECT_EQ(it->ImageIndex, info.IconIndex);
        EXPECT_EQ(std::vector<std::string>(it->SubItems.Strings.begin(), it->SubItems.Strings.begin() + 3),
                  QueriedTexts(it->Caption, it->SubItems[4]));
    }
    EXPECT_EQ(roots, expected);
    EXPECT_EQ(p.ColumnCaption(0), "名前");
    EXPECT_EQ(p.ColumnCaption(3), "空き領域");

    // Opening C: lists its root with the folder columns and the up button on.
    int c = -1;
    for (int i = 0; i < p.List()->Count(); ++i)
        if (p.List()->Item(i)->SubItems[4] == "C:\\") c = i;
    ASSERT_GE(c, 0);
    p.DblClick(c);
    EXPECT_EQ(sel_folder_dlg.folder, "C:\\");
    EXPECT_TRUE(p.Up()->Enabled());
    EXPECT_EQ(p.ColumnCaption(1), "サイズ");
    EXPECT_EQ(p.ColumnCaption(2), "ファイルの種類");
    EXPECT_GT(p.List()->Count(), 0);
    EXPECT_GE(p.IndexOfName("windows"), 0);
}

// Named as a local disk (as a system names an unlabelled fixed disk), each
// drive shows its own total and free size, in that order.
TEST(BrowseFileDlgDrives, ALocalDiskShowsItsOwnTotalAndFreeSize)
{
    sel_folder_dlg.folder = "C:\\";
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    p.SetDriveNames([](const std::string& root) { return "ローカル ディスク (" + root.substr(0, 2) + ")"; });
    sel_folder_dlg.folder = "Drives";
    p.ListFolder();
    ASSERT_GE(p.List()->Count(), 2);
    for (int i = 0; i < p.List()->Count(); ++i) {
        TListItem* it = p.List()->Item(i);
        const std::string root = it->SubItems[4];
        const TDiskArea area = QueriedArea(root);
        EXPECT_EQ(it->SubItems[0], "ローカル ディスク") << root;
        EXPECT_EQ(it->SubItems[1], area.TotalSize) << root;
        EXPECT_EQ(it->SubItems[2], area.FreeSize) << root;
        // The two differ on these drives, so an exchange would show.
        EXPECT_NE(area.TotalSize, area.FreeSize) << root;
        EXPECT_FALSE(area.TotalSize.empty()) << root;
    }
}

TEST(BrowseFileDlgDrives, EmptyDriveMaskStillSetsTheDriveColumns)
{
    TTempDir dir;
    dir.File("x.txt");
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    ASSERT_EQ(p.List()->Count(), 1);
    p.SetDriveMask(0);
    sel_folder_dlg.folder = "Drives";
    p.ListFolder();
    EXPECT_EQ(p.List()->Count(), 0);
    const char* captions[] = {"名前", "種類", "合計サイズ", "空き領域"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(p.ColumnCaption(i), captions[i]);
    EXPECT_FALSE(p.Up()->Enabled());
}
