// The file shredder on the fakes: dialog and drop entries, a cancelled dialog, a file in use,
// a link, a listed folder, read-only files, a vanished path, the progress, the captions, an
// empty list and Clear. (The bytes that reach a real disk, a file held open by another
// program and the drop target on a real list box: target ShredderTest.)

#include <gtest/gtest.h>

#include <algorithm>

#include "contract/Services.h"
#include "shred/FileShredder.h"
#include "shred/OpenDialogResult.h"

namespace cw::testing {
namespace {

using namespace std::string_literals;

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
    EXPECT_EQ(c.lStat.Caption(), "Ready...");
}

// Only what was shredded leaves the list: a file in use and a link stay, marked, and the
// status counts them; a read-only file and the files of a listed folder are overwritten
// before they go. The window repaints while a large file is written, block by block.
TEST_F(FileShredderTest, ARunShredsWhatItCanAndKeepsTheRestMarked) {
    fs.AddFile("C:\\work\\a.txt", std::string(3 << 20, 'a'));
    fs.AddFile("C:\\work\\ro.txt", "ro", kAttrReadOnly);
    fs.AddFile("C:\\work\\box\\sub\\inner.txt", "inner", kAttrReadOnly);
    fs.AddFile("C:\\work\\locked.txt", "locked");
    fs.Lock("C:\\work\\locked.txt");
    fs.AddFile("C:\\outside\\secret.txt", "secret", kAttrReadOnly);
    fs.AddLink("C:\\work\\secret.txt", "C:\\outside\\secret.txt");
    for (const char* entry : {"C:\\work\\a.txt", "C:\\work\\vanished.txt", "C:\\work\\locked.txt",
                              "C:\\work\\ro.txt", "C:\\work\\box", "C:\\work\\secret.txt"})
        Drop(entry);
    ProgressRecorder progress;
    c.pb1.SetObserver(&progress);
    int repaints = 0;
    dialogs.onDoEvents = [&] { ++repaints; };
    c.cmdShredDelete.Click();
    EXPECT_FALSE(fs.Exists("C:\\work\\a.txt") || fs.Exists("C:\\work\\ro.txt") ||
                 fs.Exists("C:\\work\\box\\sub"));
    EXPECT_TRUE(fs.IsDirectory("C:\\work\\box"));
    std::size_t innerWrites = 0;
    for (const auto& [path, bytes] : fs.Writes())
        innerWrites += path == "C:\\work\\box\\sub\\inner.txt" ? bytes : 0;
    EXPECT_GE(innerWrites, 440u) << "the folder's file was overwritten before it went";
    fs.Lock("C:\\work\\locked.txt", false);
    EXPECT_EQ(std::tuple(fs.Content("C:\\work\\locked.txt"), fs.Content("C:\\outside\\secret.txt"),
                         fs.GetAttributes("C:\\outside\\secret.txt")),
              std::tuple("locked", "secret", kAttrReadOnly));
    ASSERT_EQ(errors.reports.size(), 2u) << "the vanished path passes silently";
    EXPECT_EQ(errors.reports[0].number, 70);  // in use
    EXPECT_EQ(shredder.colFiles(),
              (std::vector<std::string>{"C:\\work\\locked.txt", "C:\\work\\secret.txt"}));
    const std::string mark = FileShredder::kNotShreddedMark;
    EXPECT_EQ(c.lstFiles.Items(), (std::vector<std::string>{"C:\\work\\locked.txt" + mark,
                                                            "C:\\work\\secret.txt" + mark}));
    EXPECT_EQ(c.lStat.Caption(), "2 files could not be shredded");
    c.lstFiles.SetListIndexFromUser(1);
    EXPECT_EQ(c.txtFileName.Text(), "C:\\work\\secret.txt");
    // The bar moved within the large file (many blocks) and after every entry.
    EXPECT_EQ(progress.values.back(), 600);
    EXPECT_TRUE(std::any_of(progress.values.begin(), progress.values.end(),
                            [](int v) { return v > 0 && v < 100; }));
    EXPECT_TRUE(std::is_sorted(progress.values.begin() + 1, progress.values.end()));
    EXPECT_TRUE(repaints >= 9 && !c.pb1.Visible()) << repaints;
    EXPECT_EQ(dialogs.waitCursor, (std::vector<bool>{true, false}));
}

TEST_F(FileShredderTest, FilesDroppedDuringARunWaitAndNoSecondRunStartsInside) {
    for (const char* path : {"C:\\d\\one.txt", "C:\\d\\two.txt", "C:\\d\\three.txt"}) {
        fs.AddFile(path, "x");
        Drop(path);
    }
    dialogs.onDoEvents = [&] {
        dialogs.onDoEvents = nullptr;
        Drop("C:\\d\\late.txt");
        c.cmdShredDelete.Click();  // a second run does not start inside the first
    };
    c.cmdShredDelete.Click();
    EXPECT_EQ(shredder.colFiles(), std::vector<std::string>{"C:\\d\\late.txt"});
    EXPECT_EQ(c.lStat.Caption(), "Ready...");
}

TEST_F(FileShredderTest, AnEmptyListOnlyShowsTheMessageAndClearLeavesTheFiles) {
    c.cmdShredDelete.Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(std::tuple(dialogs.shown[0].prompt, dialogs.shown[0].buttons),
              std::tuple("Error: Enter a file for shredding!", ui::vbOKOnly + ui::vbCritical));

    fs.AddFile("C:\\work\\a.txt", "a");
    Drop("C:\\work\\a.txt");
    c.lstFiles.SetListIndexFromUser(0);
    c.cmdShredClear.Click();
    EXPECT_EQ(fs.Content("C:\\work\\a.txt"), "a");
    EXPECT_TRUE(fs.Writes().empty() && shredder.colFiles().empty() && c.lstFiles.ListCount() == 0);
    EXPECT_EQ(std::tuple(c.txtFileName.Text(), c.lStat.Caption(), c.cmdShredDelete.Enabled()),
              std::tuple("", "Waiting...", false));
}

}  // namespace
}  // namespace cw::testing
