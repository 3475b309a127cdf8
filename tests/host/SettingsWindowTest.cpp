#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShell.h"
#include "fakes/RecordingErrorSink.h"
#include "schedule/ScheduleTimer.h"
#include "schedule/SettingsWindow.h"
#include "settings/SettingNames.h"

namespace cw {
namespace {

using namespace settings;

struct RecordingHost : SettingsHost {
    void UnloadSettingsWindow() override { ++unloads; }
    int unloads = 0;
};

class SettingsWindowTest : public ::testing::Test {
  protected:
    std::int32_t Long(const char* name, std::int32_t def = -99) {
        return store.GetSettingLong(kSettingsRoot, kSettingsKey, name, def);
    }
    std::string Text(const char* name, const std::string& def = "<missing>") {
        return store.GetSettingString(kSettingsRoot, kSettingsKey, name, def);
    }
    std::string RunEntry() {
        return store.GetSettingString(kHkeyCurrentUser, kRunKey, kRunValue, "<missing>");
    }
    void ExpectNoneState(const std::string& context) {
        EXPECT_EQ(Long(kHourlyFrequency), 0) << context;
        EXPECT_EQ(Long(kHourlyScheduleCloseBrowser), 0) << context;
        EXPECT_EQ(Long(kWeeklyScheduleDay), 0) << context;
        EXPECT_EQ(Text(kWeeklyScheduleTime), "") << context;
        EXPECT_EQ(Long(kWeeklyScheduleCloseBrowser), 0) << context;
        EXPECT_EQ(Text(kDailyScheduleTime), "") << context;
        EXPECT_EQ(Long(kDailyScheduleCloseBrowser), 0) << context;
    }
    void Choose(const std::string& type) {
        for (int i = 0; i < c.cmbScheduleType.ListCount(); ++i) {
            if (c.cmbScheduleType.List(i) == type) c.cmbScheduleType.SetListIndexFromUser(i);
        }
    }
    // Ticks a scheduler over the store through a whole week; the runs it started.
    std::vector<int> RunsOverAWeek() {
        fakes::FakeClock clock;
        ui::Timer tim{"timScheduler", 10000, true};
        std::vector<int> kinds;
        ScheduleTimer timer(tim, store, clock, [&](std::int16_t k) { kinds.push_back(k); });
        for (int d = 1; d <= 7; ++d) {
            for (int m = 0; m < 24 * 60; ++m) {
                clock.Set(2024, 1, d, m / 60, m % 60, 30);
                tim.Tick();
            }
        }
        return kinds;
    }

    fakes::FakeRegistry registry;
    fakes::RecordingErrorSink errors;
    SettingsStore store{registry, &errors};
    fakes::FakeDialogs dialogs;
    fakes::FakeShell shell;
    RecordingHost host;
    SettingsWindow window{store, dialogs, shell, host, &errors};
    SettingsControls& c = window.Controls();
};

TEST_F(SettingsWindowTest, EmptyStoreOpensOnWeeklySundayWithNothingTickedAndWritesNothing) {
    std::vector<std::string> before = registry.Dump();
    window.Form_Load();
    EXPECT_EQ(c.cmbScheduleType.Text(), "Weekly");
    EXPECT_EQ(c.cmbWeekDays.Text(), "Sunday");
    EXPECT_TRUE(c.lblWeekDays.Visible() && c.cmbWeekDays.Visible());
    EXPECT_TRUE(c.lblStartTime.Visible() && c.dtStartTime.Visible());
    EXPECT_FALSE(c.lblHour.Visible() || c.cmbHour.Visible());
    EXPECT_TRUE(c.cmdScheduleSet.Enabled() && c.cmdDisableSchedule.Enabled());
    EXPECT_TRUE(c.chkCloseBrowser.Enabled());
    EXPECT_FALSE(c.chkCloseBrowser.Checked());  // as stored: not at all
    EXPECT_FALSE(c.Check1.Checked());
    EXPECT_FALSE(c.Check2.Checked());
    EXPECT_TRUE(c.cmdEnable.Enabled());
    EXPECT_FALSE(c.cmdDisable.Enabled());
    EXPECT_EQ(registry.Dump(), before);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SettingsWindowTest, OpeningShowsTheStoredSettings) {
    registry.SetString(kHkeyCurrentUser, kRunKey, kRunValue, "D:\\elsewhere\\old.exe");
    registry.SetString(kSettingsRoot, kSettingsKey, kRunOnExit, "True");
    registry.SetString(kSettingsRoot, kSettingsKey, kAutoCheck, "True");
    registry.SetDword(kSettingsRoot, kSettingsKey, kHourlyFrequency, 3);
    registry.SetDword(kSettingsRoot, kSettingsKey, kHourlyScheduleCloseBrowser, 1);
    window.Form_Load();
    EXPECT_EQ(c.cmbScheduleType.Text(), "Hourly");
    EXPECT_EQ(c.cmbHour.Items(), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(c.cmbHour.Text(), "3");
    EXPECT_TRUE(c.cmbHour.Visible() && !c.dtStartTime.Visible());
    EXPECT_TRUE(c.chkCloseBrowser.Checked());
    EXPECT_TRUE(c.Check1.Checked());
    EXPECT_TRUE(c.Check2.Checked());
    EXPECT_FALSE(c.cmdEnable.Enabled());
    EXPECT_TRUE(c.cmdDisable.Enabled());

    // "True" is compared exactly; a daily time shows with its seconds kept.
    SettingsWindow other(store, dialogs, shell, host, &errors);
    registry.SetString(kSettingsRoot, kSettingsKey, kRunOnExit, "true");
    registry.SetDword(kSettingsRoot, kSettingsKey, kHourlyFrequency, 0);
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleDay, 0);
    registry.SetString(kSettingsRoot, kSettingsKey, kDailyScheduleTime, "07:30:15");
    other.Form_Load();
    SettingsControls& o = other.Controls();
    EXPECT_FALSE(o.Check2.Checked());
    EXPECT_EQ(o.cmbScheduleType.Text(), "Daily");
    EXPECT_EQ(o.dtStartTime.Hour() * 10000 + o.dtStartTime.Minute() * 100 + o.dtStartTime.Second(),
              73015);
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(SettingsWindowTest, OpeningOnNoneStateOrDamagedValuesSelectsWhatItCan) {
    registry.SetDword(kSettingsRoot, kSettingsKey, kHourlyFrequency, 0);
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleDay, 0);
    registry.SetString(kSettingsRoot, kSettingsKey, kDailyScheduleTime, "");
    window.Form_Load();
    EXPECT_EQ(c.cmbScheduleType.ListIndex(), -1);
    EXPECT_FALSE(c.cmdScheduleSet.Enabled());
    for (ui::Control* control :
         {static_cast<ui::Control*>(&c.cmbHour), static_cast<ui::Control*>(&c.cmbWeekDays),
          static_cast<ui::Control*>(&c.dtStartTime)}) {
        EXPECT_FALSE(control->Visible()) << control->Name();
    }

    SettingsWindow other(store, dialogs, shell, host, &errors);
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleDay, 9);
    registry.SetString(kSettingsRoot, kSettingsKey, kWeeklyScheduleTime, "half past");
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleCloseBrowser, 1);
    other.Form_Load();
    EXPECT_EQ(other.Controls().cmbScheduleType.Text(), "Weekly");
    EXPECT_EQ(other.Controls().cmbWeekDays.ListIndex(), -1);
    EXPECT_TRUE(other.Controls().chkCloseBrowser.Checked());  // later steps still ran
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(SettingsWindowTest, ChoosingATypeLoadsItsStoredValues) {
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleDay, 4);
    registry.SetString(kSettingsRoot, kSettingsKey, kWeeklyScheduleTime, "21:05:00");
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleCloseBrowser, 0);
    window.Form_Load();
    Choose("Hourly");  // nothing stored: frequency 1, close-browser ticked
    EXPECT_EQ(c.cmbHour.Items(), (std::vector<std::string>{"1", "1", "2", "3", "4"}));
    EXPECT_EQ(c.cmbHour.ListIndex(), 0);
    EXPECT_TRUE(c.chkCloseBrowser.Checked());
    EXPECT_FALSE(c.dtStartTime.Visible());
    Choose("Daily");  // nothing stored: 00:00, close-browser clear
    EXPECT_TRUE(c.dtStartTime.Visible() && !c.cmbWeekDays.Visible());
    EXPECT_EQ(c.dtStartTime.Hour() + c.dtStartTime.Minute(), 0);
    EXPECT_FALSE(c.chkCloseBrowser.Checked());
    Choose("Weekly");
    EXPECT_EQ(c.cmbWeekDays.Text(), "Wednesday");
    EXPECT_EQ(c.dtStartTime.Hour() * 100 + c.dtStartTime.Minute(), 2105);
    EXPECT_FALSE(c.chkCloseBrowser.Checked());
}

TEST_F(SettingsWindowTest, SetHourlyStoresTheFrequencyAndClearsTheOtherSchedules) {
    registry.SetString(kSettingsRoot, kSettingsKey, kDailyScheduleTime, "06:00:00");
    registry.SetDword(kSettingsRoot, kSettingsKey, kDailyScheduleCloseBrowser, 1);
    window.Form_Load();
    Choose("Hourly");
    c.cmbHour.SetListIndexFromUser(3);
    c.cmdScheduleSet.Click();
    EXPECT_EQ(Long(kHourlyFrequency), 3);
    EXPECT_EQ(Long(kHourlyScheduleCloseBrowser), 1);
    EXPECT_EQ(Long(kWeeklyScheduleDay), 0);
    EXPECT_EQ(Text(kWeeklyScheduleTime), "");
    EXPECT_EQ(Long(kWeeklyScheduleCloseBrowser), 0);
    EXPECT_EQ(Text(kDailyScheduleTime), "");
    EXPECT_EQ(Long(kDailyScheduleCloseBrowser), 0);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(host.unloads, 0);  // the window stays open
}

TEST_F(SettingsWindowTest, SetWeeklyWithoutADayIsRefusedAndLeavesNoSchedule) {
    registry.SetDword(kSettingsRoot, kSettingsKey, kHourlyFrequency, 2);
    registry.SetDword(kSettingsRoot, kSettingsKey, kWeeklyScheduleDay, 0);
    window.Form_Load();
    Choose("Weekly");
    EXPECT_EQ(c.cmbWeekDays.ListIndex(), -1);
    c.cmdScheduleSet.Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, "Please select the time.");
    EXPECT_EQ(dialogs.shown[0].buttons, ui::vbOKOnly);
    EXPECT_EQ(dialogs.shown[0].title, "Clearwell");
    ExpectNoneState("refused weekly");
}

TEST_F(SettingsWindowTest, SetDailyStoresTheTimeWithItsSecondsAndTheTimerRunsAtIt) {
    window.Form_Load();
    Choose("Daily");
    c.dtStartTime.SetTimeFromUser(7, 30, 42);
    c.chkCloseBrowser.SetValueFromUser(ui::kChecked);
    c.cmdScheduleSet.Click();
    EXPECT_EQ(Text(kDailyScheduleTime), "07:30:42");
    EXPECT_EQ(Long(kDailyScheduleCloseBrowser), 1);
    EXPECT_EQ(Long(kWeeklyScheduleDay), 0);
    EXPECT_EQ(RunsOverAWeek(), std::vector<int>(7, kDailyScheduleKind));
}

TEST_F(SettingsWindowTest, DisableReportsAndLeavesAScheduleThatNeverRuns) {
    window.Form_Load();  // Weekly, Sunday
    c.cmbWeekDays.SetListIndexFromUser(3);
    c.dtStartTime.SetTimeFromUser(21, 5, 0);
    c.cmdScheduleSet.Click();
    EXPECT_EQ(Long(kWeeklyScheduleDay), 4);
    EXPECT_EQ(Text(kWeeklyScheduleTime), "21:05:00");
    EXPECT_EQ(RunsOverAWeek(), std::vector<int>{kWeeklyScheduleKind});

    c.cmdDisableSchedule.Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, "WEEKLY SCHEDULE disabled.");
    EXPECT_EQ(dialogs.shown[0].buttons, ui::vbOKOnly);
    ExpectNoneState("disabled weekly");
    EXPECT_TRUE(RunsOverAWeek().empty());
    EXPECT_EQ(c.cmbWeekDays.Text(), "Wednesday");  // the controls stay as they were

    // Reopened, the window shows no schedule rather than a made-up one.
    SettingsWindow reopened(store, dialogs, shell, host, &errors);
    reopened.Form_Load();
    EXPECT_EQ(reopened.Controls().cmbScheduleType.ListIndex(), -1);

    Choose("Hourly");
    c.cmdDisableSchedule.Click();
    Choose("Daily");
    c.cmdDisableSchedule.Click();
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[1].prompt, "HOURLY SCHEDULE disabled.");
    EXPECT_EQ(dialogs.shown[2].prompt, "DAILY SCHEDULE disabled.");
}

TEST_F(SettingsWindowTest, OkWritesTheStartupEntryAndRunOnExitThenCloses) {
    shell.modulePath = "C:\\cwtest\\Clearwell.exe";
    window.Form_Load();
    c.Check1.SetValueFromUser(ui::kChecked);
    c.Check2.SetValueFromUser(ui::kChecked);
    c.cmdOK.Click();
    EXPECT_EQ(RunEntry(), "C:\\cwtest\\Clearwell.exe");
    EXPECT_EQ(Text(kRunOnExit), "True");
    EXPECT_EQ(host.unloads, 1);
    EXPECT_EQ(Text(kHourlyFrequency), "<missing>");  // OK does not save the schedule

    // A path with blanks is quoted, so Windows cannot start "C:\Program.exe" instead.
    SettingsWindow again(store, dialogs, shell, host, &errors);
    again.Form_Load();
    EXPECT_TRUE(again.Controls().Check1.Checked());
    shell.modulePath = "C:\\Program Files\\Clearwell\\Clearwell.exe";
    again.Controls().cmdOK.Click();
    EXPECT_EQ(RunEntry(), "\"C:\\Program Files\\Clearwell\\Clearwell.exe\"");

    // Unticked removes the entry, also when it is already gone.
    for (int i = 0; i < 2; ++i) {
        SettingsWindow third(store, dialogs, shell, host, &errors);
        third.Form_Load();
        third.Controls().Check1.SetValueFromUser(ui::kUnchecked);
        third.Controls().Check2.SetValueFromUser(ui::kUnchecked);
        third.Controls().cmdOK.Click();
        EXPECT_EQ(RunEntry(), "<missing>");
        EXPECT_EQ(Text(kRunOnExit), "False");
    }
    EXPECT_EQ(host.unloads, 4);
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(SettingsWindowTest, OkWithoutTheProgramsPathReportsAndStillSavesAndCloses) {
    registry.SetString(kHkeyCurrentUser, kRunKey, kRunValue, "C:\\old\\Clearwell.exe");
    shell.modulePath = "";
    window.Form_Load();
    c.cmdOK.Click();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].tag, "frmSettings,cmdOK_Click");
    EXPECT_EQ(RunEntry(), "C:\\old\\Clearwell.exe");
    EXPECT_EQ(Text(kRunOnExit), "False");
    EXPECT_EQ(host.unloads, 1);
}

TEST_F(SettingsWindowTest, CancelClosesAndKeepsWhatSetSaved) {
    window.Form_Load();
    Choose("Daily");
    c.dtStartTime.SetTimeFromUser(18, 45, 0);
    c.cmdScheduleSet.Click();
    c.Check1.SetValueFromUser(ui::kChecked);
    c.cmdCancel.Click();
    EXPECT_EQ(host.unloads, 1);
    EXPECT_EQ(Text(kDailyScheduleTime), "18:45:00");
    EXPECT_EQ(RunEntry(), "<missing>");
    EXPECT_EQ(Text(kRunOnExit), "<missing>");
}

TEST_F(SettingsWindowTest, EnableAndDisableStoreAutoCheckAtOnce) {
    window.Form_Load();
    c.cmdEnable.Click();
    EXPECT_EQ(Text(kAutoCheck), "True");
    EXPECT_FALSE(c.cmdEnable.Enabled());
    EXPECT_TRUE(c.cmdDisable.Enabled());
    c.cmdDisable.Click();
    EXPECT_EQ(Text(kAutoCheck), "False");
    EXPECT_TRUE(c.cmdEnable.Enabled());
    EXPECT_FALSE(c.cmdDisable.Enabled());
    EXPECT_EQ(host.unloads, 0);
}

}  // namespace
}  // namespace cw
