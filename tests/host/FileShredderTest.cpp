// The file shredder on the fakes, for what the shredder on real files under Wine (target
// ShredderTest: dialog and drop entries, duplicates, vanished paths, folders, read-only
// files, refused paths and links) does not show: the progress, the captions, a file in use,
// a cancelled dialog, an empty list and Clear.

#include <gtest/gtest.h>

#include "contract/Services.h"
#include "shred/FileShredder.h"
#include "shred/OpenDialogResult.h"

namespace cw::testing {
namespace {

using namespace std::string_literals;

// Records the values the progress bar shows, in order.
struct ProgressRecorder : ui::ControlObserver {
    std::vector<int> values;
    void ControlChanged(ui::Control& c, ui::Property p) override {
        if (p == ui::Property::Value) values.push_back(static_cast<ui::ProgressBar&>(c).Value());
    }
};

struct FileShredderTest : ::testing::Test, Services<FakePlatform> {
    ShredderControls c;
    FileShredder shredder{c, files, dialogs, errors};

    void SetUp() override { shredder.Load(); }
    void Drop(const std::string& path) { shredder.obj.Dropped(path); }
};

TEST_F(FileShredderTest, OpenDialogResultsBecomeFullPathsAndTheCountIsShown) {
    EXPECT_EQ(PathsFromOpenDialog("C:\\\0x\0y"s), (std::vector<std::string>{"C:\\x", "C:\\y"}));
    EXPECT_TRUE(PathsFromOpenDialog("").empty());
    // An empty name would make the folder itself an entry.
    EXPECT_EQ(PathsFromOpenDialog("C:\\dir\0\0y"s), std::vector<std::string>{"C:\\dir\\y"});

    dialogs.openFilesResults = {"C:\\dir\0x\0y"s, ""};
    c.cmdFileBrowse.Click();
    c.lFC.SetCaption("something else");
    c.cmdFileBrowse.Click();  // cancelled: nothing added, the count is shown again
    EXPECT_EQ(c.lFC.Caption(), "There are 2 files ready for deleting!");
    Drop("  C:\\dropped\\one.txt  ");
    Drop("   ");  // nothing dropped
    EXPECT_EQ(c.lstFiles.Items(),
              (std::vector<std::string>{"C:\\dir\\x", "C:\\dir\\y", "C:\\dropped\\one.txt"}));
    EXPECT_EQ(c.lFC.Caption(), "There are 3 files ready for deleting!");
    EXPECT_EQ(c.lStat.Caption(), "Ready...");
    c.lstFiles.SetListIndexFromUser(2);
    EXPECT_EQ(c.txtFileName.Text(), "C:\\dropped\\one.txt");
}

TEST_F(FileShredderTest, ARunAdvancesOverEveryEntryReportsAFileInUseAndResetsThePage) {
    fs.AddFile("C:\\work\\a.txt", std::string(300, 'a'));
    fs.AddFile("C:\\work\\locked.txt", "locked");
    fs.Lock("C:\\work\\locked.txt");
    for (const char* entry : {"C:\\work\\a.txt", "C:\\work\\vanished.txt", "C:\\work\\locked.txt"})
        Drop(entry);
    ProgressRecorder progress;
    c.pb1.SetObserver(&progress);
    c.cmdShredDelete.Click();
    EXPECT_FALSE(fs.Exists("C:\\work\\a.txt"));
    fs.Lock("C:\\work\\locked.txt", false);
    EXPECT_EQ(fs.Content("C:\\work\\locked.txt"), "locked");
    ASSERT_EQ(errors.reports.size(), 1u) << "the vanished path passes silently";
    EXPECT_EQ(errors.reports[0].number, 70);  // in use
    EXPECT_EQ(progress.values, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(c.pb1.Visible());
    EXPECT_EQ(c.lFC.Caption(), "");
    EXPECT_EQ(c.txtFileName.Text(), "");
    EXPECT_FALSE(c.cmdShredDelete.Enabled());
    EXPECT_EQ(dialogs.waitCursor, (std::vector<bool>{true, false}));
}

TEST_F(FileShredderTest, AnEmptyListOnlyShowsTheMessageAndClearLeavesTheFiles) {
    c.cmdShredDelete.Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, "Error: Enter a file for shredding!");
    EXPECT_EQ(dialogs.shown[0].buttons, ui::vbOKOnly + ui::vbCritical);

    fs.AddFile("C:\\work\\a.txt", "a");
    Drop("C:\\work\\a.txt");
    c.lstFiles.SetListIndexFromUser(0);
    c.cmdShredClear.Click();
    EXPECT_EQ(fs.Content("C:\\work\\a.txt"), "a");
    EXPECT_TRUE(fs.Writes().empty());
    EXPECT_TRUE(shredder.colFiles().empty());
    EXPECT_EQ(c.lstFiles.ListCount(), 0);
    EXPECT_EQ(c.txtFileName.Text(), "");
    EXPECT_EQ(c.lStat.Caption(), "Waiting...");
    EXPECT_FALSE(c.cmdShredDelete.Enabled());
}

}  // namespace
}  // namespace cw::testing
