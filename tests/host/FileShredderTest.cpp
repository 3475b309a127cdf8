#include <gtest/gtest.h>

#include "contract/Services.h"
#include "shred/FileShredder.h"
#include "shred/OpenDialogResult.h"

// The file shredder on the fakes, for what the shredder on real files under Wine (target
// ShredderTest) does not show: the progress, the captions, a file in use, cancelled dialogs,
// Clear, and the guard's refusals of every kind of path.

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
    std::size_t BytesWrittenTo(const std::string& path) {
        std::size_t n = 0;
        for (const auto& w : fs.Writes())
            n += w.first == path ? w.second : 0;
        return n;
    }
};

TEST_F(FileShredderTest, OpenDialogResultsBecomeFullPathsInDialogOrder) {
    EXPECT_EQ(countDelimiters("C:\\dir\0x\0y\0"s, '\0'), 3);
    EXPECT_EQ(countDelimiters("a;b", ';'), 1);
    EXPECT_EQ(PathsFromOpenDialog("C:\\a.txt"), std::vector<std::string>{"C:\\a.txt"});
    EXPECT_EQ(PathsFromOpenDialog("C:\\dir\\sub\\f.txt"),
              std::vector<std::string>{"C:\\dir\\sub\\f.txt"});
    EXPECT_EQ(PathsFromOpenDialog("C:\\dir\0x\0y"s),
              (std::vector<std::string>{"C:\\dir\\x", "C:\\dir\\y"}));
    EXPECT_EQ(PathsFromOpenDialog("C:\\\0x\0y"s), (std::vector<std::string>{"C:\\x", "C:\\y"}));
    EXPECT_TRUE(PathsFromOpenDialog("").empty());
    // An empty name would make the folder itself an entry.
    EXPECT_EQ(PathsFromOpenDialog("C:\\dir\0\0y"s), std::vector<std::string>{"C:\\dir\\y"});
}

TEST_F(FileShredderTest, FilesAddedByTheDialogAndByDropsAreListedTogether) {
    dialogs.openFilesResults = {"C:\\a.txt", "C:\\dir\0x\0y"s, ""};
    c.cmdFileBrowse.Click();
    EXPECT_EQ(c.lFC.Caption(), "There are 1 files ready for deleting!");
    EXPECT_EQ(c.lStat.Caption(), "Ready...");
    EXPECT_TRUE(c.cmdShredDelete.Enabled());
    c.cmdFileBrowse.Click();
    c.lFC.SetCaption("something else");
    c.cmdFileBrowse.Click();  // cancelled: nothing added, the count is shown again
    EXPECT_EQ(c.lFC.Caption(), "There are 3 files ready for deleting!");

    Drop("  C:\\dropped\\one.txt  ");
    Drop("   ");        // nothing dropped
    Drop("C:\\a.txt");  // duplicates are listed twice
    std::vector<std::string> expected{"C:\\a.txt", "C:\\dir\\x", "C:\\dir\\y",
                                      "C:\\dropped\\one.txt", "C:\\a.txt"};
    EXPECT_EQ(shredder.colFiles(), expected);
    EXPECT_EQ(c.lstFiles.Items(), expected);
    EXPECT_EQ(c.lFC.Caption(), "There are 5 files ready for deleting!");
    EXPECT_EQ(c.pb1.Max(), 5);

    c.lstFiles.SetListIndexFromUser(3);
    EXPECT_EQ(c.txtFileName.Text(), "C:\\dropped\\one.txt");
}

TEST_F(FileShredderTest, ShredRunAdvancesOverEveryEntryReportsAFileInUseAndResetsThePage) {
    fs.AddFile("C:\\work\\a.txt", std::string(300, 'a'));
    fs.AddFile("C:\\work\\box\\deep\\er.txt", "er");
    fs.AddFile("C:\\work\\locked.txt", "locked");
    fs.Lock("C:\\work\\locked.txt");
    for (const char* entry : {"C:\\work\\a.txt", "C:\\work\\box", "C:\\work\\a.txt",
                              "C:\\work\\vanished.txt", "C:\\work\\locked.txt"}) {
        Drop(entry);
    }
    ProgressRecorder progress;
    c.pb1.SetObserver(&progress);
    c.txtFileName.SetText("C:\\work\\a.txt");

    c.cmdShredDelete.Click();

    EXPECT_FALSE(fs.Exists("C:\\work\\a.txt"));
    EXPECT_EQ(BytesWrittenTo("C:\\work\\a.txt"), 21240u);  // level "50"
    EXPECT_TRUE(fs.IsDirectory("C:\\work\\box"));
    EXPECT_FALSE(fs.Exists("C:\\work\\box\\deep"));
    fs.Lock("C:\\work\\locked.txt", false);
    EXPECT_EQ(fs.Content("C:\\work\\locked.txt"), "locked");
    ASSERT_EQ(errors.reports.size(), 1u) << "the duplicate and the vanished path pass silently";
    EXPECT_EQ(errors.reports[0].tag, "frmMain,cmdShredDelete");
    EXPECT_EQ(errors.reports[0].number, 70);  // in use

    EXPECT_EQ(progress.values, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(shredder.colFiles().empty());
    EXPECT_FALSE(c.pb1.Visible());
    EXPECT_EQ(c.lFC.Caption(), "");
    EXPECT_EQ(c.txtFileName.Text(), "");
    EXPECT_EQ(c.lStat.Caption(), "Waiting...");
    EXPECT_FALSE(c.cmdShredDelete.Enabled());
    EXPECT_EQ(dialogs.waitCursor, (std::vector<bool>{true, false}));
}

TEST_F(FileShredderTest, RefusedPathsAndLinksAreSkippedAndReported) {
    fs.AddFile("C:\\top.txt", "t");
    fs.AddFile("C:\\WINDOWS\\win.ini", "w");
    fs.AddFile("C:\\Documents and Settings\\bob\\My Documents\\doc.txt", "d");
    fs.AddFile("C:\\Program Files\\app\\app.exe", "e");
    fs.AddFile("C:\\outside\\keep.txt", "keep");
    fs.AddFile("C:\\outside2\\keep.txt", "keep");
    fs.AddLink("C:\\work\\link", "C:\\outside");
    fs.AddFile("C:\\work\\box\\in.txt", "in");
    fs.AddLink("C:\\work\\box\\inner", "C:\\outside2");
    const std::vector<std::string> refused{"C:\\",
                                           "C:",
                                           "top.txt",
                                           "\\top.txt",
                                           "C:\\WINDOWS",
                                           "C:\\Documents and Settings",
                                           "C:\\Documents and Settings\\bob\\My Documents\\",
                                           "C:\\Program Files",
                                           "C:\\work\\link"};
    for (const auto& entry : refused)
        Drop(entry);
    Drop("C:\\work\\box");
    std::vector<std::string> before = fs.Snapshot();

    c.cmdShredDelete.Click();

    EXPECT_EQ(errors.reports.size(), refused.size() + 1);
    for (const auto& report : errors.reports)
        EXPECT_EQ(report.tag, "frmMain,cmdShredDelete");
    EXPECT_EQ(fs.Content("C:\\outside\\keep.txt"), "keep");
    EXPECT_EQ(fs.Content("C:\\outside2\\keep.txt"), "keep");
    // The folder holding a link was emptied around the link, which stays, so it stays too.
    EXPECT_FALSE(fs.Exists("C:\\work\\box\\in.txt"));
    std::vector<std::string> after = fs.Snapshot();
    std::erase_if(before, [](const std::string& line) { return line.find("in.txt") != line.npos; });
    EXPECT_EQ(after, before);
    EXPECT_TRUE(shredder.colFiles().empty());
    EXPECT_FALSE(c.cmdShredDelete.Enabled());
}

TEST_F(FileShredderTest, EmptyListOnlyShowsTheMessage) {
    c.cmdShredDelete.Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, "Error: Enter a file for shredding!");
    EXPECT_EQ(dialogs.shown[0].buttons, ui::vbOKOnly + ui::vbCritical);
    EXPECT_EQ(dialogs.shown[0].title, "Clearwell");
    EXPECT_FALSE(c.pb1.Visible());
    EXPECT_EQ(dialogs.waitCursor, (std::vector<bool>{true, false}));
}

TEST_F(FileShredderTest, ClearEmptiesTheListAndLeavesTheFiles) {
    fs.AddFile("C:\\work\\a.txt", "a");
    fs.AddFile("C:\\work\\b.txt", "b");
    Drop("C:\\work\\a.txt");
    Drop("C:\\work\\b.txt");
    c.lstFiles.SetListIndexFromUser(0);
    EXPECT_EQ(c.txtFileName.Text(), "C:\\work\\a.txt");

    c.cmdShredClear.Click();

    EXPECT_EQ(fs.Content("C:\\work\\a.txt"), "a");
    EXPECT_EQ(fs.Content("C:\\work\\b.txt"), "b");
    EXPECT_TRUE(shredder.colFiles().empty());
    EXPECT_EQ(c.lstFiles.ListCount(), 0);
    EXPECT_EQ(c.txtFileName.Text(), "");
    EXPECT_EQ(c.lFC.Caption(), "");
    EXPECT_EQ(c.lStat.Caption(), "Waiting...");
    EXPECT_FALSE(c.cmdShredDelete.Enabled());
    EXPECT_FALSE(c.pb1.Visible());  // its value reached its maximum
    EXPECT_TRUE(fs.Writes().empty());
}

}  // namespace
}  // namespace cw::testing
