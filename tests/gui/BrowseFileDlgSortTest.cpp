// The listing's order within folders and within files follows the user's
// locale, case ignored: every neighbouring pair of captions compares in
// order by the locale's own comparison.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "src/BrowseFileDlg.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"

TEST(BrowseFileDlgSort, NeighboursAreInTheLocalesCaseInsensitiveOrder)
{
    TTempDir dir;
    const char* names[] = {"b.txt",     "B2.txt",     "a.TXT",       "Ａ全角.txt", "あいう.txt", "アイウ.txt",
                           "ｱｲｳ.txt",   "漢字.txt",   "10.txt",      "9.txt",      "_x.txt",     "-y.txt",
                           "z z.txt",   "Zeta.log",   "ソ表.txt",   "abc",        "ABD"};
    for (const char* n : names) dir.File(n, "x");
    for (const char* n : {"zz", "表示", "Aa", "aB", "ソフト"}) dir.Folder(n);
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    TListView* list = p.List();
    ASSERT_EQ(list->Count(), (int)(sizeof(names) / sizeof(names[0])) + 5);
    bool inFiles = false;
    for (int i = 0; i < list->Count(); ++i) {
        const TListItem* item = list->Item(i);
        bool file = item->SubItems[3] == "file";
        EXPECT_FALSE(inFiles && !file) << "a folder after a file: " << item->Caption;
        if (i > 0 && file == inFiles) {
            std::wstring a = ToWide(list->Item(i - 1)->Caption), b = ToWide(item->Caption);
            int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), (int)a.size(), b.c_str(),
                                   (int)b.size());
            EXPECT_NE(r, CSTR_GREATER_THAN) << list->Item(i - 1)->Caption << " before " << item->Caption;
        }
        inFiles = file;
    }
}
