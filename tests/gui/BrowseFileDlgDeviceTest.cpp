// A drive that is not ready when its item in the drives view is opened, and
// becomes ready while the device message is shown: Retry then opens its root
// folder. The drive is a real drive mapping of the Wine prefix, made while
// the message is up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/DialogFixtures.h"
#include "tests/support/DialogProbe.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/PrefixDrive.h"
#include "text/Ansi.h"


// Q: is listed through the drive mask but is not there: the device message
// comes; Retry with the drive still missing brings it again; the drive is
// mapped while the second message is up, and Retry opens its root with the
// folder columns and its file listed.
TEST(BrowseFileDlgDevice, RetryOpensTheDriveThatBecameReady)
{
    TPrefixDrive drive('Q');
    ASSERT_TRUE(drive.Known()) << "WINEPREFIX is not set";
    drive.Detach();
    ASSERT_EQ(GetFileAttributesW(ToWide(drive.Root()).c_str()), INVALID_FILE_ATTRIBUTES) << "Q: must not exist yet";

    sel_folder_dlg.folder = "Drives";
    TBrowseFileDlgForm dlg(nullptr);
    BrowseFileDlgProbe p{dlg};
    p.SetDriveMask(GetLogicalDrives() | (1u << ('Q' - 'A')));
    p.ListFolder();
    int q = -1;
    for (int i = 0; i < p.List()->Count(); ++i)
        if (p.List()->Item(i)->SubItems[4] == "Q:\\") q = i;
    ASSERT_GE(q, 0);
    const std::string caption = p.List()->Item(q)->Caption;
    EXPECT_EQ(p.ColumnCaption(1), "種類");

    TModalAnswerer answers;
    answers.PressButton(IDRETRY).PressButton(IDRETRY, [&] { drive.Attach(); });
    p.DblClick(q);
    EXPECT_TRUE(answers.AllUsed());
    EXPECT_EQ(answers.Unexpected, 0);
    ASSERT_EQ(answers.Seen.size(), 2u);
    for (const TSeenWindow& box : answers.Seen) {
        EXPECT_TRUE(box.messageBox);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.buttons, (std::vector<int>{IDCANCEL, IDRETRY}));
    }
    EXPECT_NE(GetFileAttributesW(ToWide(drive.Root()).c_str()), INVALID_FILE_ATTRIBUTES);

    // The drive's root, listed with the folder columns.
    EXPECT_EQ(sel_folder_dlg.folder, "Q:\\");
    EXPECT_EQ(p.ColumnCaption(1), "サイズ");
    EXPECT_EQ(p.ColumnCaption(2), "ファイルの種類");
    EXPECT_TRUE(p.Up()->Enabled());
    EXPECT_GE(p.IndexOfName("inside.txt"), 0);
    EXPECT_EQ(p.List()->Count(), 1);
}
