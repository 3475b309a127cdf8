// The main window's settings, About and update windows: one of each, opened from the menus,
// closed last opened first by the unload, and never destroyed while their code runs.

#include <gtest/gtest.h>

#include "BuildConfig.h"
#include "app/MainWindow.h"
#include "fakes/FakeMainView.h"
#include "fakes/FakeOtherWindowViews.h"
#include "fakes/FakeServices.h"
#include "host/UpdateTestWorld.h"
#include "settings/SettingNames.h"

namespace cw {
namespace {

using Log = std::vector<std::string>;

struct OtherWindowsFixture : ::testing::Test {
    fakes::FakeServices f;
    fakes::FakeMainView view{f.desktop};
    fakes::FakeOtherWindowViews views;
    MainWindow window{f.services};
    MainControls& c = window.Controls();
    OtherWindows& others = window.Others();

    OtherWindowsFixture() {
        window.AttachView(view);
        window.AttachOtherViews(views);
    }
    Log Taken() {
        Log log = views.log;
        views.log.clear();
        return log;
    }
};

TEST_F(OtherWindowsFixture, EachMenuItemOpensOneWindowAndBringsItBackWhenClickedAgain) {
    c.mSettings.Click();
    EXPECT_EQ(Taken(), (Log{"settings created", "settings shown"}));
    ASSERT_NE(others.Settings(), nullptr);
    // Filled from the store before it shows: an empty store opens on Weekly, Sunday.
    SettingsControls& s = others.Settings()->Controls();
    EXPECT_EQ(s.cmbScheduleType.Text(), "Weekly");
    EXPECT_EQ(s.cmbWeekDays.Text(), "Sunday");
    EXPECT_TRUE(s.cmdEnable.Enabled());
    c.mSettings.Click();
    EXPECT_EQ(Taken(), (Log{"settings shown"}));
    EXPECT_EQ(&others.Settings()->Controls(), &s);

    c.mAboutClearwell.Click();
    c.mAboutClearwell.Click();
    EXPECT_EQ(Taken(), (Log{"about created", "about shown", "about shown"}));
    c.mCheckUpgrades.Click();
    c.mCheckUpgrades.Click();
    EXPECT_EQ(Taken(), (Log{"update created", "update shown", "update shown"}));
    EXPECT_TRUE(others.Update().IsOpen());
    EXPECT_TRUE(f.errors.reports.empty());
}

TEST_F(OtherWindowsFixture, TheUnloadClosesTheWindowsLastOpenedFirst) {
    c.mCheckUpgrades.Click();
    c.mSettings.Click();
    c.mAboutClearwell.Click();
    // Closed and opened again, the settings window is now the last one opened.
    others.Settings()->Controls().cmdCancel.Click();
    c.mSettings.Click();
    Taken();

    c.mExit.Click();  // "Are you sure ...?" Yes
    EXPECT_TRUE(window.Unloaded());
    EXPECT_EQ(Taken(), (Log{"settings closed", "about closed", "update closed"}));
    EXPECT_EQ(others.Settings(), nullptr);
    EXPECT_EQ(others.About(), nullptr);
    EXPECT_FALSE(others.Update().IsOpen());
    EXPECT_TRUE(f.errors.reports.empty());
}

TEST_F(OtherWindowsFixture, AClosedWindowLivesOnWhileItsCodeRunsAndOpensAfresh) {
    c.mSettings.Click();
    fakes::FakeOtherWindowView* first = views.settings;
    SettingsControls& s = others.Settings()->Controls();
    s.cmbScheduleType.SetListIndex(0);  // Hourly, not saved
    first->inUse = true;                // Cancel's click is still on the window's stack
    s.cmdCancel.Click();
    EXPECT_EQ(others.Settings(), nullptr);
    c.mAboutClearwell.Click();
    Log log = Taken();
    EXPECT_EQ(std::count(log.begin(), log.end(), "settings closed"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "settings destroyed"), 0);

    first->inUse = false;
    c.mSettings.Click();
    EXPECT_EQ(Taken(), (Log{"settings destroyed", "settings created", "settings shown"}));
    // A new window, filled from the store again.
    EXPECT_EQ(others.Settings()->Controls().cmbScheduleType.Text(), "Weekly");
    EXPECT_FALSE(others.Settings()->Controls().cmbHour.Visible());

    // OK closes through the host as well.
    views.settingsModel->Controls().cmdOK.Click();
    EXPECT_EQ(others.Settings(), nullptr);
    EXPECT_EQ(Taken(), (Log{"settings closed"}));
}

TEST_F(OtherWindowsFixture, AWindowThatCannotBeCreatedIsReportedUnderItsMenuItem) {
    views.failing = "about";
    c.mAboutClearwell.Click();
    views.failing = "settings";
    c.mSettings.Click();
    ASSERT_EQ(f.errors.reports.size(), 2u);
    EXPECT_EQ(f.errors.reports[0].tag, "frmMain,mAboutClearwell_Click");
    EXPECT_EQ(f.errors.reports[0].number, 7);
    EXPECT_EQ(f.errors.reports[1].tag, "frmMain,mSettings_Click");
    EXPECT_EQ(others.About(), nullptr);
    EXPECT_EQ(others.Settings(), nullptr);

    views.failing.clear();
    c.mSettings.Click();
    EXPECT_NE(others.Settings(), nullptr);
}

TEST_F(OtherWindowsFixture, TheAutomaticCheckShowsTheUpdateWindowAndTheHandOverEndsTheProgram) {
    const std::string server = build::kServerUrl;
    f.internet.SetReachable("http://test.invalid/", true);
    f.internet.Serve(server + "/cwl.txt", "6\r\n");
    f.internet.Serve(server + "/cwlupdate.exe", update::testing::Executable(2000));
    f.fileSystem.AddFile(f.shell.modulePath, "installed program");
    f.registry.SetString(settings::kUpdateRoot, settings::kUpdateKey, "ver", "5");
    f.registry.SetString(settings::kSettingsRoot, settings::kSettingsKey, "AutoCheck", "True");

    c.timAutoUpdate.Tick();  // "A new update is available. ..." Yes

    EXPECT_EQ(Taken(), (Log{"update created", "update shown", "program ended"}));
    EXPECT_FALSE(c.timAutoUpdate.Enabled());
    ASSERT_EQ(f.shell.processes.size(), 1u);
    EXPECT_EQ(f.shell.processes[0].commandLine, "\"C:\\Program Files\\Clearwell\\cwl.exe\"");
    EXPECT_TRUE(f.errors.reports.empty());
}

}  // namespace
}  // namespace cw
