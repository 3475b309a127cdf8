// The settings window's model on the fakes: refusals, the none state, Disable, quoting and
// Cancel after Set (the real window's opening and saving: gui OtherWindowsGuiTest); and the
// settings store under it, which drops a refused write without a word.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contract/Services.h"
#include "fakes/FakeShell.h"
#include "schedule/ScheduleTimer.h"
#include "schedule/SettingsWindow.h"
#include "settings/SettingNames.h"

namespace cw::testing {
namespace {

using namespace settings;

struct RecordingHost : SettingsHost {
    void UnloadSettingsWindow() override { ++unloads; }
    int unloads = 0;
};

class SettingsWindowTest : public ::testing::Test, public Services<FakePlatform> {
  protected:
    std::int32_t Long(const char* name) {
        return settings.GetSettingLong(kSettingsRoot, kSettingsKey, name, -99);
    }
    std::string Text(const char* name) {
        return settings.GetSettingString(kSettingsRoot, kSettingsKey, name, "<missing>");
    }
    std::string RunEntry() {
        return settings.GetSettingString(kHkeyCurrentUser, kRunKey, kRunValue, "<missing>");
    }
    void ExpectNoneState(const std::string& context) {
        for (const char* name : {kHourlyFrequency, kHourlyScheduleCloseBrowser, kWeeklyScheduleDay,
                                 kWeeklyScheduleCloseBrowser, kDailyScheduleCloseBrowser})
            EXPECT_EQ(Long(name), 0) << context << " " << name;
        EXPECT_EQ(Text(kWeeklyScheduleTime), "") << context;
        EXPECT_EQ(Text(kDailyScheduleTime), "") << context;
    }
    void Choose(const std::string& type) {
        for (int i = 0; i < c.cmbScheduleType.ListCount(); ++i) {
            if (c.cmbScheduleType.List(i) == type) c.cmbScheduleType.SetListIndexFromUser(i);
        }
    }

    fakes::FakeShell shell;
    RecordingHost host;
    SettingsWindow window{settings, dialogs, shell, host, errors};
    SettingsControls& c = window.Controls();
};

TEST_F(SettingsWindowTest, OpeningOnNoneStateOrDamagedValuesSelectsWhatItCan) {
    registry.SetDword(kSettingsRoot, kSettingsKey, kHourlyFrequency, 0);
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleDay, 0);
    registry.SetString(kSettingsRoot, kSettingsKey, kDailyScheduleTime, "");
    registry.SetString(kSettingsRoot, kSettingsKey, kWeeklyScheduleTime, "");
    window.Form_Load();
    EXPECT_EQ(c.cmbScheduleType.ListIndex(), -1);
    EXPECT_FALSE(c.cmdScheduleSet.Enabled() || c.cmbHour.Visible() || c.cmbWeekDays.Visible() ||
                 c.dtStartTime.Visible());

    SettingsWindow other(settings, dialogs, shell, host, errors);
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleDay, 9);
    registry.SetString(kSettingsRoot, kSettingsKey, kWeeklyScheduleTime, "half past");
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleCloseBrowser, 1);
    registry.SetString(kSettingsRoot, kSettingsKey, kRunOnExit, "true");  // "True" exactly
    other.Form_Load();
    const SettingsControls& o = other.Controls();
    // The steps after the damaged values still ran.
    EXPECT_EQ(std::tuple(o.cmbScheduleType.Text(), o.cmbWeekDays.ListIndex(),
                         o.chkCloseBrowser.Checked(), o.Check2.Checked()),
              std::tuple("Weekly", -1, true, false));
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(SettingsWindowTest, SetHourlyStoresTheFrequencyAndClearsTheOtherSchedules) {
    registry.SetString(kSettingsRoot, kSettingsKey, kDailyScheduleTime, "06:00:00");
    registry.SetDword(kSettingsRoot, kSettingsKey, kDailyScheduleCloseBrowser, 1);
    window.Form_Load();
    Choose("Hourly");
    c.cmbHour.SetListIndexFromUser(2);
    c.cmdScheduleSet.Click();
    // Closing the browser ticked, as nothing was stored.
    EXPECT_EQ(std::tuple(Long(kHourlyFrequency), Long(kHourlyScheduleCloseBrowser)),
              std::tuple(3, 1));
    registry.SetDword(kSettingsRoot, kSettingsKey, kHourlyFrequency, 0);
    registry.SetDword(kSettingsRoot, kSettingsKey, kHourlyScheduleCloseBrowser, 0);
    ExpectNoneState("the rest after hourly");
    EXPECT_TRUE(dialogs.shown.empty() && host.unloads == 0) << "the window stays open";
}

TEST_F(SettingsWindowTest, SetWeeklyWithoutADayIsRefusedAndLeavesNoSchedule) {
    registry.SetDword(kSettingsRoot, kSettingsKey, kHourlyFrequency, 2);
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleDay, 0);
    window.Form_Load();
    Choose("Weekly");
    EXPECT_EQ(c.cmbWeekDays.ListIndex(), -1);
    c.cmdScheduleSet.Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(std::tuple(dialogs.shown[0].prompt, dialogs.shown[0].buttons),
              std::tuple("Please select the time.", ui::vbOKOnly));
    ExpectNoneState("refused weekly");
}

TEST_F(SettingsWindowTest, DisableReportsAndLeavesAScheduleThatNeverRuns) {
    window.Form_Load();
    EXPECT_EQ(c.cmbScheduleType.ListIndex(), -1) << "an empty store shows no schedule";
    Choose("Weekly");
    EXPECT_EQ(c.cmbWeekDays.ListIndex(), -1) << "no day until the user picks one";
    Choose("Hourly");
    EXPECT_EQ(c.cmbHour.ListIndex(), -1);
    EXPECT_EQ(c.cmbHour.Items(), (std::vector<std::string>{"1", "2", "3", "4"}));
    Choose("Weekly");
    c.cmbWeekDays.SetListIndexFromUser(3);
    c.dtStartTime.SetTimeFromUser(21, 5, 0);
    c.cmdScheduleSet.Click();
    // A scheduler over the store, ticked through a whole week, runs the weekly schedule only.
    ui::Timer tim{"timScheduler", 10000, true};
    std::vector<int> kinds;
    ScheduleTimer timer(tim, settings, clock, [&](std::int16_t k) {
        kinds.push_back(k);
        return true;
    });
    for (int m = 0; m < 7 * 24 * 60; ++m) {
        clock.Set(2024, 1, 1 + m / 1440, m / 60 % 24, m % 60, 30);
        tim.Tick();
    }
    EXPECT_EQ(kinds, std::vector<int>{kWeeklyScheduleKind});

    c.cmdDisableSchedule.Click();
    Choose("Hourly");
    c.cmdDisableSchedule.Click();
    Choose("Daily");
    c.cmdDisableSchedule.Click();
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(std::tuple(dialogs.shown[0].prompt, dialogs.shown[1].prompt, dialogs.shown[2].prompt),
              std::tuple("WEEKLY SCHEDULE disabled.", "HOURLY SCHEDULE disabled.",
                         "DAILY SCHEDULE disabled."));
    // The none state never runs (ScheduleTimerTest) and opens showing no schedule (the first
    // test here).
    ExpectNoneState("disabled");
}

TEST_F(SettingsWindowTest, OkQuotesAPathWithBlanksAndWithoutAPathReportsAndStillCloses) {
    shell.modulePath = "C:\\Program Files\\Clearwell\\Clearwell.exe";
    window.Form_Load();
    c.Check1.SetValueFromUser(ui::kChecked);
    c.cmdOK.Click();
    EXPECT_EQ(Text(kHourlyFrequency), "<missing>");  // OK does not save the schedule
    // Quoted, so that Windows cannot start "C:\Program.exe" instead, and with the terminating
    // zero Windows reads the command with.
    RegValue raw;
    registry.QueryValue(kHkeyCurrentUser, kRunKey, kRunValue, raw);
    EXPECT_EQ(raw.data, "\"C:\\Program Files\\Clearwell\\Clearwell.exe\"" + std::string(1, '\0'));

    shell.modulePath = "";
    SettingsWindow again(settings, dialogs, shell, host, errors);
    again.Form_Load();
    again.Controls().Check2.SetValueFromUser(ui::kChecked);
    again.Controls().cmdOK.Click();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(std::tuple(errors.reports[0].tag, RunEntry(), Text(kRunOnExit), host.unloads),
              std::tuple("frmSettings,cmdOK_Click",
                         "\"C:\\Program Files\\Clearwell\\Clearwell.exe\"", "True", 2));
}

TEST_F(SettingsWindowTest, CancelClosesAndKeepsWhatSetSavedAndDisableStoresAutoCheck) {
    window.Form_Load();
    Choose("Daily");
    c.dtStartTime.SetTimeFromUser(18, 45, 0);
    c.cmdScheduleSet.Click();
    c.cmdEnable.Click();
    c.cmdDisable.Click();
    EXPECT_TRUE(Text(kAutoCheck) == "False" && c.cmdEnable.Enabled());
    c.Check1.SetValueFromUser(ui::kChecked);
    c.cmdCancel.Click();
    EXPECT_EQ(std::tuple(host.unloads, Text(kDailyScheduleTime), RunEntry(), Text(kRunOnExit)),
              std::tuple(1, "18:45:00", "<missing>", "<missing>"));
}

TEST_F(SettingsWindowTest, TheStoresRefusedWritesLeaveNothingAndRaiseNothing) {
    registry.DenyWrites(kUpdateRoot, kUpdateKey);
    settings.SetSettingString(kUpdateRoot, kUpdateKey, kUpdateVer, "6");
    settings.SetSettingLong(kUpdateRoot, kUpdateKey, "n", 1);
    EXPECT_EQ(settings.GetOrSeedSettingString(kUpdateRoot, kUpdateKey, kUpdateVer, "5"), "");
    EXPECT_TRUE(!registry.HasValue(kUpdateRoot, kUpdateKey, kUpdateVer) && errors.reports.empty());
}

}  // namespace
}  // namespace cw::testing
