#include <gtest/gtest.h>

#include "contract/Services.h"
#include "settings/SettingNames.h"
#include "shred/ScheduledShredder.h"

namespace cw::testing {
namespace {

constexpr const char kFolder[] = "C:\\work\\drop";

struct ScheduledShredderTest : ::testing::Test, Services<FakePlatform> {
    ScheduledShredderControls c;
    ScheduledShredder shredder{c, settings, files, dialogs};

    void Set(const std::string& folder, const std::string& hour, const std::string& minute) {
        c.txtShredFolder.SetText(folder);
        c.cmbHour.SetText(hour);
        c.cmbMinute.SetText(minute);
        c.cmdSet.Click();
    }
    std::string Stored(const char* name) {
        return settings.GetSettingString(settings::kSettingsRoot, settings::kSettingsKey, name,
                                         "<none>");
    }
    // Ticks one minute at a time and returns the ticks at which the folder was shredded,
    // putting a file back into it before every tick.
    std::vector<int> ShredTicks(int ticks, const std::string& folder = kFolder) {
        std::vector<int> shredded;
        for (int t = 1; t <= ticks; ++t) {
            if (fs.IsDirectory(folder)) fs.AddFile(folder + "\\f.txt", "f");
            c.timShredFolder.Tick();
            if (fs.IsDirectory(folder) && !fs.Exists(folder + "\\f.txt")) shredded.push_back(t);
        }
        return shredded;
    }
};

TEST_F(ScheduledShredderTest, FrequencyIsHoursAndMinutesWithZeroMeaningOff) {
    EXPECT_EQ(ShredFrequency("0", "10"), 10);
    EXPECT_EQ(ShredFrequency("24", "50"), 1490);
    EXPECT_EQ(ShredFrequency("1.5", "0"), 90);
    EXPECT_EQ(ShredFrequency("", "20"), 20);
    EXPECT_EQ(ShredFrequency("0", "0"), 0);
    EXPECT_EQ(ShredFrequency("", ""), 0);
    EXPECT_EQ(ShredFrequency("abc", "10"), 0);
    EXPECT_EQ(ShredFrequency("-1", "10"), 0);
    // Too long for the 16-bit minute counter to reach: never due, rather than wrapped.
    EXPECT_GT(ShredFrequency("1000", "0"), INT16_MAX);
}

TEST_F(ScheduledShredderTest, ShredsAtTheFrequencyButNeverMoreOftenThanEveryFiveMinutes) {
    fs.AddDirectory(kFolder);
    Set(kFolder, "0", "10");
    EXPECT_EQ(ShredTicks(35), (std::vector<int>{10, 20, 30}));

    ScheduledShredderControls c2;
    ScheduledShredder fresh{c2, settings, files, dialogs};
    c2.txtShredFolder.SetText(kFolder);
    c2.cmbHour.SetText("0");
    c2.cmbMinute.SetText("3");
    c2.cmdSet.Click();
    std::vector<int> shredded;
    for (int t = 1; t <= 16; ++t) {
        fs.AddFile(std::string(kFolder) + "\\g.txt", "g");
        c2.timShredFolder.Tick();
        if (!fs.Exists(std::string(kFolder) + "\\g.txt")) shredded.push_back(t);
    }
    EXPECT_EQ(shredded, (std::vector<int>{5, 10, 15}));
}

TEST_F(ScheduledShredderTest, ZeroFrequencyNeverShredsAndTheCounterSaturates) {
    fs.AddDirectory(kFolder);
    Set(kFolder, "0", "0");
    EXPECT_TRUE(c.timShredFolder.Enabled());
    EXPECT_TRUE(ShredTicks(200).empty());
    for (int t = 0; t < 40000; ++t)
        c.timShredFolder.Tick();
    EXPECT_EQ(shredder.MinutesCounted(), INT16_MAX);
    EXPECT_TRUE(fs.Exists(std::string(kFolder) + "\\f.txt"));
    // A frequency set now is long overdue: the next tick shreds and starts counting anew.
    Set(kFolder, "24", "50");
    c.timShredFolder.Tick();
    EXPECT_FALSE(fs.Exists(std::string(kFolder) + "\\f.txt"));
    EXPECT_EQ(shredder.MinutesCounted(), 0);
}

TEST_F(ScheduledShredderTest, MissingFolderIsTriedAgainAtEveryTick) {
    Set(kFolder, "0", "10");
    for (int t = 1; t <= 12; ++t)
        c.timShredFolder.Tick();
    EXPECT_EQ(shredder.MinutesCounted(), 12);
    fs.AddFile(std::string(kFolder) + "\\late.txt", "x");
    c.timShredFolder.Tick();
    EXPECT_FALSE(fs.Exists(std::string(kFolder) + "\\late.txt"));
    EXPECT_TRUE(fs.IsDirectory(kFolder));
    EXPECT_EQ(ShredTicks(10), (std::vector<int>{10}));
}

TEST_F(ScheduledShredderTest, TickWorksFromTheStoredValuesNotTheControls) {
    fs.AddDirectory(kFolder);
    fs.AddFile("C:\\work\\other\\keep.txt", "keep");
    Set(kFolder, "0", "10");
    // Shown but never saved: a Browse result, and a frequency half typed.
    dialogs.browseResults = {"C:\\work\\other"};
    c.cmdShredBrowse.Click();
    EXPECT_EQ(c.txtShredFolder.Text(), "C:\\work\\other");
    EXPECT_EQ(dialogs.browseTitles,
              std::vector<std::string>{"Select a Folder you would like to shred..."});
    c.cmbMinute.SetTextFromUser("");
    c.cmbHour.SetTextFromUser("");
    EXPECT_EQ(Stored(settings::kShredFolder), kFolder);
    EXPECT_EQ(ShredTicks(10), (std::vector<int>{10}));
    EXPECT_EQ(fs.Content("C:\\work\\other\\keep.txt"), "keep");
    EXPECT_EQ(c.cmbMinute.Text(), "");  // the tick leaves the controls alone

    c.cmdShredBrowse.Click();  // cancelled: the text stays
    EXPECT_EQ(c.txtShredFolder.Text(), "C:\\work\\other");
}

TEST_F(ScheduledShredderTest, RefusedFoldersAreNeverTouched) {
    fs.AddFile("C:\\top.txt", "t");
    fs.AddFile("C:\\WINDOWS\\win.ini", "w");
    fs.AddFile("C:\\Documents and Settings\\bob\\Favorites\\x.url", "u");
    fs.AddFile("C:\\outside\\keep.txt", "keep");
    fs.AddLink("C:\\work\\link", "C:\\outside");
    const std::vector<std::string> before = fs.Snapshot();
    for (const char* folder :
         {"C:\\", "C:\\WINDOWS", "C:\\Documents and Settings",
          "C:\\Documents and Settings\\bob\\Favorites\\", "work", "C:\\work\\link"}) {
        Set(folder, "0", "10");
        for (int t = 0; t < 10; ++t)
            c.timShredFolder.Tick();
        EXPECT_EQ(fs.Snapshot(), before) << folder;
    }
}

TEST_F(ScheduledShredderTest, SetStoresValidFrequenciesAndClearSwitchesOff) {
    c.timShredFolder.SetEnabled(false);
    for (auto [hour, minute] : {std::pair{"abc", "10"}, {"1", ""}, {"-1", "10"}, {"1", "-5"}}) {
        Set("C:\\work\\x", hour, minute);
    }
    ASSERT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(dialogs.shown[0].prompt, "Please Set a valid shredder Time Frequeny");
    EXPECT_EQ(dialogs.shown[0].buttons, ui::vbOKOnly);
    EXPECT_EQ(Stored(settings::kShredFolder), "<none>");
    EXPECT_FALSE(c.timShredFolder.Enabled());

    Set("C:\\work\\x", "2", "30");
    EXPECT_EQ(Stored(settings::kShredFolder), "C:\\work\\x");
    EXPECT_EQ(Stored(settings::kShredFolderHour), "2");
    EXPECT_EQ(Stored(settings::kShredFolderMinute), "30");
    EXPECT_TRUE(c.timShredFolder.Enabled());

    c.cmdShredBlank.Click();
    EXPECT_EQ(c.txtShredFolder.Text(), "");
    EXPECT_EQ(Stored(settings::kShredFolder), "");
    EXPECT_EQ(Stored(settings::kShredFolderHour), "0");
    EXPECT_EQ(Stored(settings::kShredFolderMinute), "0");
    EXPECT_FALSE(c.timShredFolder.Enabled());
    EXPECT_EQ(c.cmbHour.Text(), "2");  // the combo boxes keep what they show
    EXPECT_EQ(c.cmbMinute.Text(), "30");
}

TEST_F(ScheduledShredderTest, ClearSubfoldersEmptiesOneLevelAndLeavesTheFolderItself) {
    const std::string f = kFolder;
    fs.AddFile(f + "\\top.txt", "t");
    fs.AddFile(f + "\\a\\1.htm", "1");
    fs.AddFile(f + "\\a\\2.dat", "2");
    fs.AddFile(f + "\\b\\c\\3.jpg", "3");
    shredder.ClearSubfolders(f);
    EXPECT_TRUE(fs.Exists(f + "\\top.txt"));
    EXPECT_FALSE(fs.Exists(f + "\\a"));
    EXPECT_TRUE(fs.Exists(f + "\\b\\c\\3.jpg"));  // not recursive: b holds a folder and stays
    EXPECT_EQ(dialogs.doEventsCalls, 5);          // once per entry: ".", "..", top.txt, a, b
}

}  // namespace
}  // namespace cw::testing
