// The folder listing on real folders: which entries appear, their sub-items,
// the size and time texts, the trailing backslash, the shell query, and the
// single-entry update after a paste or a new folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "gui/Application.h"
#include "text/Ansi.h"
#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"

namespace {

std::vector<std::string> ListedNames(BrowseFileDlgProbe& p)
{
    std::vector<std::string> v;
    for (int i = 0; i < p.List()->Count(); ++i) v.push_back(ExtractFileName(p.List()->Item(i)->SubItems[4]));
    std::sort(v.begin(), v.end());
    return v;
}

void SetLocalWriteTime(const std::string& path, WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s)
{
    SYSTEMTIME st{};
    st.wYear = y;
    st.wMonth = mo;
    st.wDay = d;
    st.wHour = h;
    st.wMinute = mi;
    st.wSecond = s;
    FILETIME local, utc;
    SystemTimeToFileTime(&st, &local);
    LocalFileTimeToFileTime(&local, &utc);
    HANDLE f = CreateFileW(ToWide(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(SetFileTime(f, nullptr, nullptr, &utc));
    CloseHandle(f);
}

}  // namespace

// Every folder and file that is neither hidden nor system is listed, whatever
// its other attributes; KindOfPath answers for the same entries.
TEST(BrowseFileDlgListing, AttributeCombinationsAndKindOfPath)
{
    TTempDir dir;
    struct Entry {
        const char* name;
        bool folder;
        DWORD attributes;
        bool listed;
        const char* kind;
    };
    const Entry entries[] = {
        {"archive.txt", false, FILE_ATTRIBUTE_ARCHIVE, true, "file"},
        {"readonly.txt", false, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE, true, "file"},
        {"plain.txt", false, FILE_ATTRIBUTE_NORMAL, true, "file"},
        {"UPPER.TXT", false, FILE_ATTRIBUTE_ARCHIVE, true, "file"},
        {"tool.exe", false, FILE_ATTRIBUTE_ARCHIVE, true, "file"},
        {"noextension", false, FILE_ATTRIBUTE_ARCHIVE, true, "file"},
        {"data.bin", false, FILE_ATTRIBUTE_ARCHIVE, true, "file"},
        {"hidden.txt", false, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE, false, "unknown"},
        {"system.txt", false, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE, false, "unknown"},
        {"folder", true, 0, true, "folder"},
        {"archivefolder", true, FILE_ATTRIBUTE_ARCHIVE, true, "folder"},
        {"hiddenfolder", true, FILE_ATTRIBUTE_HIDDEN, false, "unknown"},
    };
    std::vector<std::string> expected;
    for (const Entry& e : entries) {
        std::string full = e.folder ? dir.Folder(e.name, e.attributes) : dir.File(e.name, "x", e.attributes);
        DWORD got = GetFileAttributesW(ToWide(full).c_str());
        ASSERT_EQ(got & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY),
                  e.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY))
            << e.name << ": the prefix must keep the attribute";
        if (e.listed) expected.push_back(e.name);
    }
    std::sort(expected.begin(), expected.end());
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    EXPECT_EQ(ListedNames(p), expected);
    for (const Entry& e : entries) EXPECT_EQ(p.KindOfPath(dir.Path() + e.name), e.kind) << e.name;
    EXPECT_EQ(p.KindOfPath(dir.Path() + "missing.txt"), "unknown");

    // The item record: display name, type and icon as the shell answers for
    // each path (the listing asks once per extension), five sub-items.
    for (int i = 0; i < p.List()->Count(); ++i) {
        TListItem* it = p.List()->Item(i);
        ASSERT_EQ(it->SubItems.Count(), 5);
        const std::string& full = it->SubItems[4];
        SCOPED_TRACE(full);
        EXPECT_EQ(ExtractFilePath(full), dir.Path());
        TShellFileInfo info;
        ASSERT_TRUE(GetShellFileInfo(full, info));
        EXPECT_EQ(it->Caption, info.DisplayName);
        EXPECT_EQ(it->ImageIndex, info.IconIndex);
        EXPECT_EQ(it->SubItems[1], info.TypeName);
        bool folder = GetFileAttributesW(ToWide(full).c_str()) & FILE_ATTRIBUTE_DIRECTORY;
        EXPECT_EQ(it->SubItems[3], folder ? "dir" : "file");
        EXPECT_EQ(it->SubItems[0], folder ? "" : "1KB");
        // The window shows the caption and the first three sub-items.
        EXPECT_EQ(p.ShownText(i, 0), it->Caption);
        EXPECT_EQ(p.ShownText(i, 1), it->SubItems[0]);
        EXPECT_EQ(p.ShownText(i, 2), it->SubItems[1]);
        EXPECT_EQ(p.ShownText(i, 3), it->SubItems[2]);
    }
}

// "." and ".." never become items: in a folder (where the search returns
// them) and in an empty folder.
TEST(BrowseFileDlgListing, DotEntriesAreNeverItems)
{
    TTempDir dir;
    dir.Folder("empty");
    dir.File("one.txt");
    sel_folder_dlg.folder = dir.Path() + "empty\\";
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    EXPECT_EQ(p.List()->Count(), 0);
    sel_folder_dlg.folder = dir.Path();
    p.ListFolder();
    EXPECT_EQ(ListedNames(p), (std::vector<std::string>{"empty", "one.txt"}));
}

TEST(BrowseFileDlgListing, SizeTexts)
{
    struct Case {
        uint64_t size;
        DWORD attributes;
        const char* text;
    };
    const Case cases[] = {
        {0, FILE_ATTRIBUTE_ARCHIVE, "KB"},
        {1, FILE_ATTRIBUTE_ARCHIVE, "1KB"},
        {1024, FILE_ATTRIBUTE_ARCHIVE, "1KB"},
        {1025, FILE_ATTRIBUTE_ARCHIVE, "2KB"},
        {1048576, FILE_ATTRIBUTE_ARCHIVE, "1,024KB"},
        {3ull << 30, FILE_ATTRIBUTE_ARCHIVE, "3,145,728KB"},
        {(4ull << 30) + 1, FILE_ATTRIBUTE_READONLY, "4,194,305KB"},
        {4096, FILE_ATTRIBUTE_DIRECTORY, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(SizeText(c.size, c.attributes), c.text) << c.size;

    // The same texts in the listing of real files; the 3 GiB file is made by
    // moving its end (sparse on the prefix's file system).
    TTempDir dir;
    dir.File("s0.txt", "");
    dir.File("s1.txt", "x");
    dir.File("s1024.txt", std::string(1024, 'x'));
    dir.File("s1025.txt", std::string(1025, 'x'));
    dir.File("s1m.txt", std::string(1048576, 'x'));
    std::string big = dir.File("s3g.bin");
    HANDLE h = CreateFileW(ToWide(big).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = 3ll << 30;
    ASSERT_TRUE(SetFilePointerEx(h, end, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(h));
    CloseHandle(h);
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    struct Shown {
        const char* name;
        const char* text;
    };
    for (Shown s : {Shown{"s0.txt", "KB"}, Shown{"s1.txt", "1KB"}, Shown{"s1024.txt", "1KB"}, Shown{"s1025.txt", "2KB"},
                    Shown{"s1m.txt", "1,024KB"}, Shown{"s3g.bin", "3,145,728KB"}}) {
        int i = p.IndexOfName(s.name);
        ASSERT_GE(i, 0) << s.name;
        EXPECT_EQ(p.List()->Item(i)->SubItems[0], s.text) << s.name;
    }
}

TEST(BrowseFileDlgListing, TimeTextOfAKnownLocalTime)
{
    TTempDir dir;
    std::string file = dir.File("dated.txt", "x");
    SetLocalWriteTime(file, 2006, 11, 8, 13, 5, 42);
    std::string folder = dir.Folder("datedfolder");
    SetLocalWriteTime(folder, 1999, 1, 2, 3, 4, 0);
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    ASSERT_GE(p.IndexOfName("dated.txt"), 0);
    EXPECT_EQ(p.List()->Item(p.IndexOfName("dated.txt"))->SubItems[2], "06/11/08 13:05");
    ASSERT_GE(p.IndexOfName("datedfolder"), 0);
    EXPECT_EQ(p.List()->Item(p.IndexOfName("datedfolder"))->SubItems[2], "99/01/02 03:04");
}

// A current folder without its backslash gets one, also when its last byte
// is the second byte 0x5C of 表.
TEST(BrowseFileDlgListing, TrailingBackslashRespectsDoubleByteCharacters)
{
    TTempDir dir;
    dir.Folder("一覧表");
    dir.File("一覧表\\中.txt", "x");
    dir.Folder("Data");
    dir.File("Data\\d.txt", "x");
    const std::string hyo = dir.Path() + "一覧表";
    ASSERT_EQ((unsigned char)hyo.back(), 0x5C);
    struct Case {
        std::string folder, listed, item;
    };
    const Case cases[] = {
        {hyo, hyo + "\\", hyo + "\\中.txt"},
        {dir.Path() + "Data", dir.Path() + "Data\\", dir.Path() + "Data\\d.txt"},
        {dir.Path() + "Data\\", dir.Path() + "Data\\", dir.Path() + "Data\\d.txt"},
    };
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    for (const Case& c : cases) {
        sel_folder_dlg.folder = c.folder;
        p.ListFolder();
        EXPECT_EQ(sel_folder_dlg.folder, c.listed);
        ASSERT_EQ(p.List()->Count(), 1) << c.folder;
        EXPECT_EQ(p.List()->Item(0)->SubItems[4], c.item);
    }
}

// A failed shell query leaves nothing of an earlier answer: the file name
// as the display name, an empty type.
TEST(BrowseFileDlgListing, FailedShellQueryShowsTheFileName)
{
    TTempDir dir;
    std::string real = dir.File("real.txt", "x");
    TShellFileInfo info;
    ASSERT_TRUE(GetShellFileInfo(real, info));
    EXPECT_FALSE(info.TypeName.empty());
    EXPECT_FALSE(GetShellFileInfo(dir.Path() + "nowhere\\ghost.txt", info));
    EXPECT_EQ(info.DisplayName, "ghost.txt");
    EXPECT_EQ(info.TypeName, "");
    EXPECT_EQ(info.IconIndex, 0);
}

// After a paste or a new folder only the one new entry is appended, with its
// file name as caption; names are matched by the name part of the items' full
// paths, so a caption without its extension does not make a listed file new.
TEST(BrowseFileDlgListing, AppendNewEntryAndFindUnlistedName)
{
    TTempDir dir;
    dir.File("a.txt", "x");
    dir.File("c.txt", "x");
    sel_folder_dlg.folder = dir.Path();
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    ASSERT_EQ(p.List()->Count(), 2);

    p.SnapFolderNames(dir.Path());
    EXPECT_EQ(p.FindUnlistedName(p.FolderNames()), "");
    // Captions as a shell that hides known extensions shows them.
    for (int i = 0; i < p.List()->Count(); ++i) {
        std::string& caption = p.List()->Item(i)->Caption;
        caption = caption.substr(0, caption.find('.'));
    }
    EXPECT_EQ(p.FindUnlistedName(p.FolderNames()), "");

    dir.File("b.txt", "x");
    p.AppendNewEntry();
    ASSERT_EQ(p.List()->Count(), 3);
    TListItem* added = p.List()->Item(2);
    EXPECT_EQ(added->Caption, "b.txt");
    EXPECT_EQ(added->SubItems[3], "file");
    EXPECT_EQ(added->SubItems[4], dir.Path() + "b.txt");
    EXPECT_EQ(p.ShownText(2, 0), "b.txt");

    dir.Folder("newdir");
    p.AppendNewEntry();
    ASSERT_EQ(p.List()->Count(), 4);
    EXPECT_EQ(p.List()->Item(3)->Caption, "newdir");
    EXPECT_EQ(p.List()->Item(3)->SubItems[3], "dir");

    // Nothing new: nothing added.
    p.AppendNewEntry();
    EXPECT_EQ(p.List()->Count(), 4);

    // At the drives level nothing is appended.
    sel_folder_dlg.folder = "Drives";
    p.ListFolder();
    int drives = p.List()->Count();
    p.AppendNewEntry();
    EXPECT_EQ(p.List()->Count(), drives);
}
