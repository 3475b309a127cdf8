#include <gtest/gtest.h>

#include <set>

#include "contract/Services.h"
#include "settings/SettingNames.h"
#include "shred/ScheduledShredder.h"

namespace cw::testing {
namespace {

const std::string kFolder = "C:\\work\\drop";

struct ScheduledShredderTest : ::testing::Test, Services<FakePlatform> {
    ScheduledShredderControls c;
    ScheduledShredder shredder{c, settings, files, dialogs};

    void Set(const std::string& folder, const std::string& hour, const std::string& minute) {
        c.txtShredFolder.SetText(folder);
        c.cmbHour.SetText(hour);
        c.cmbMinute.SetText(minute);
        c.cmdSet.Click();
    }
    std::vector<std::string> Stored() {
        std::vector<std::string> values;
        for (const char* name :
             {settings::kShredFolder, settings::kShredFolderHour, settings::kShredFolderMinute})
            values.push_back(settings.GetSettingString(settings::kSettingsRoot,
                                                       settings::kSettingsKey, name, "<none>"));
        return values;
    }
    // Ticks one minute at a time and returns the ticks at which the folder was shredded,
    // putting a file back into it before every tick.
    std::vector<int> ShredTicks(int ticks) {
        std::vector<int> shredded;
        for (int t = 1; t <= ticks; ++t) {
            if (fs.IsDirectory(kFolder)) fs.AddFile(kFolder + "\\f.txt", "f");
            c.timShredFolder.Tick();
            if (fs.IsDirectory(kFolder) && !fs.Exists(kFolder + "\\f.txt")) shredded.push_back(t);
        }
        return shredded;
    }
};

TEST_F(ScheduledShredderTest, FrequencyIsHoursAndMinutesWithZeroMeaningOff) {
    EXPECT_EQ(ShredFrequency("24", "50"), 1490);
    EXPECT_EQ(ShredFrequency("1.5", "0"), 90);
    EXPECT_EQ(ShredFrequency("", "20"), 20);
    EXPECT_EQ(ShredFrequency("abc", "10"), 0);
    EXPECT_EQ(ShredFrequency("-1", "10"), 0);
    // Too long for the 16-bit minute counter to reach: never due, rather than wrapped.
    EXPECT_GT(ShredFrequency("1000", "0"), INT16_MAX);
}

TEST_F(ScheduledShredderTest, ShredsAtTheFrequencyButNeverMoreOftenThanEveryFiveMinutes) {
    fs.AddDirectory(kFolder);
    Set(kFolder, "0", "10");
    EXPECT_EQ(ShredTicks(35), (std::vector<int>{10, 20, 30}));
    Set(kFolder, "0", "3");  // five minutes counted since the last shred: due at once
    EXPECT_EQ(ShredTicks(16), (std::vector<int>{1, 6, 11, 16}));
}

TEST_F(ScheduledShredderTest, ZeroFrequencyNeverShredsAndTheCounterSaturates) {
    fs.AddDirectory(kFolder);
    Set(kFolder, "0", "0");
    EXPECT_TRUE(c.timShredFolder.Enabled() && ShredTicks(200).empty());
    for (int t = 0; t < 40000; ++t)
        c.timShredFolder.Tick();
    EXPECT_TRUE(shredder.MinutesCounted() == INT16_MAX && fs.Exists(kFolder + "\\f.txt"));
    // A frequency set now is long overdue: the next tick shreds and starts counting anew.
    Set(kFolder, "24", "50");
    c.timShredFolder.Tick();
    EXPECT_TRUE(!fs.Exists(kFolder + "\\f.txt") && shredder.MinutesCounted() == 0);
}

TEST_F(ScheduledShredderTest, TickWorksFromTheStoredValuesNotTheControls) {
    fs.AddDirectory(kFolder);
    fs.AddFile("C:\\work\\other\\keep.txt", "keep");
    Set(kFolder, "0", "10");
    // Shown but never saved: another folder, and a frequency half typed.
    c.txtShredFolder.SetTextFromUser("C:\\work\\other");
    c.cmbMinute.SetTextFromUser("");
    c.cmbHour.SetTextFromUser("");
    EXPECT_EQ(ShredTicks(10), (std::vector<int>{10}));
    EXPECT_EQ(fs.Content("C:\\work\\other\\keep.txt"), "keep");
    EXPECT_EQ(c.cmbMinute.Text(), "");  // the tick leaves the controls alone
}

TEST_F(ScheduledShredderTest, MissingFolderIsTriedAgainAtEveryTick) {
    Set(kFolder, "0", "10");
    for (int t = 1; t <= 12; ++t)
        c.timShredFolder.Tick();
    EXPECT_EQ(shredder.MinutesCounted(), 12);
    fs.AddFile(kFolder + "\\late.txt", "x");
    c.timShredFolder.Tick();
    EXPECT_TRUE(!fs.Exists(kFolder + "\\late.txt") && fs.IsDirectory(kFolder));
    EXPECT_EQ(ShredTicks(10), (std::vector<int>{10}));
}

// (Refused folders: the file routines' guard, contract FileRoutinesContractTest.)
TEST_F(ScheduledShredderTest, SetStoresValidFrequenciesAndClearSwitchesOff) {
    c.timShredFolder.SetEnabled(false);
    for (auto [hour, minute] : {std::pair{"abc", "10"}, {"1", ""}, {"-1", "10"}, {"1", "-5"}}) {
        Set("C:\\work\\x", hour, minute);
    }
    ASSERT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(std::tuple(dialogs.shown[0].prompt, dialogs.shown[0].buttons),
              std::tuple("Please Set a valid shredder Time Frequeny", ui::vbOKOnly));
    EXPECT_EQ(Stored(), (std::vector<std::string>(3, "<none>")));
    EXPECT_FALSE(c.timShredFolder.Enabled());

    Set("C:\\work\\x", "2", "30");
    EXPECT_EQ(Stored(), (std::vector<std::string>{"C:\\work\\x", "2", "30"}));
    EXPECT_TRUE(c.timShredFolder.Enabled());

    c.cmdShredBlank.Click();
    EXPECT_EQ(Stored(), (std::vector<std::string>{"", "0", "0"}));
    // The combo boxes keep what they show.
    EXPECT_EQ(std::tuple(c.txtShredFolder.Text(), c.cmbHour.Text(), c.cmbMinute.Text(),
                         c.timShredFolder.Enabled()),
              std::tuple("", "2", "30", false));
}

TEST_F(ScheduledShredderTest, ClearSubfoldersEmptiesOneLevelAndLeavesTheFolderItself) {
    fs.AddFile(kFolder + "\\top.txt", "t");
    fs.AddFile(kFolder + "\\a\\1.htm", "1");
    fs.AddFile(kFolder + "\\a\\2.dat", "2");
    fs.AddFile(kFolder + "\\b\\c\\3.jpg", "3");
    shredder.ClearSubfolders(kFolder);
    EXPECT_TRUE(fs.Exists(kFolder + "\\top.txt") && !fs.Exists(kFolder + "\\a"));
    EXPECT_TRUE(fs.Exists(kFolder + "\\b\\c\\3.jpg"));  // not recursive: b holds a folder and stays
    EXPECT_EQ(dialogs.doEventsCalls, 5);                // once per entry: ".", "..", top.txt, a, b
}

// The files go overwritten; a file that cannot be shredded keeps the folders and is told in
// the status line, and so is a stored folder that may not be shredded. A link in the folder
// is not followed.
TEST_F(ScheduledShredderTest, FilesAreOverwrittenFirstAndWhatIsLeftOrRefusedIsTold) {
    ui::Label status{"lStat"};
    ScheduledShredder told{c, settings, files, dialogs, &status};
    fs.AddFile(kFolder + "\\a.txt", "a", kAttrReadOnly);
    fs.AddFile(kFolder + "\\sub\\b.txt", "b");
    fs.AddFile(kFolder + "\\sub\\held.txt", "held");
    fs.Lock(kFolder + "\\sub\\held.txt");
    fs.AddFile("C:\\outside\\keep.txt", "keep");
    fs.AddLink(kFolder + "\\sub\\out", "C:\\outside");
    Set(kFolder, "0", "5");
    for (int t = 0; t < 5; ++t)
        c.timShredFolder.Tick();
    std::set<std::string> written;
    for (const auto& [path, bytes] : fs.Writes())
        written.insert(path);
    EXPECT_EQ(written, (std::set<std::string>{kFolder + "\\a.txt", kFolder + "\\sub\\b.txt"}));
    EXPECT_FALSE(fs.Exists(kFolder + "\\a.txt") || fs.Exists(kFolder + "\\sub\\b.txt"));
    fs.Lock(kFolder + "\\sub\\held.txt", false);
    EXPECT_EQ(
        std::tuple(fs.Content(kFolder + "\\sub\\held.txt"), fs.Content("C:\\outside\\keep.txt")),
        std::tuple("held", "keep"));
    EXPECT_EQ(status.Caption(), "Scheduled Shredder: 1 file could not be shredded");

    fs.AddDirectory("C:\\Windows");
    Set("C:\\Windows", "0", "5");
    for (int t = 0; t < 5; ++t)
        c.timShredFolder.Tick();
    EXPECT_EQ(status.Caption(), "Scheduled Shredder: C:\\Windows may not be shredded");
}

}  // namespace
}  // namespace cw::testing
