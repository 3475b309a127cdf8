// The settings, About and update windows the main window opens, in what the GUI tests (gui
// OtherWindowsGuiTest) cannot arrange: a window closed while its own code runs, and windows
// that cannot be created.

#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "fakes/FakeMainView.h"
#include "fakes/FakeOtherWindowViews.h"
#include "fakes/FakeServices.h"

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
    Log Taken() { return std::exchange(views.log, {}); }
};

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
    EXPECT_EQ(others.Settings()->Controls().cmbScheduleType.Text(), "") << "afresh: no Hourly";
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
    views.failing.clear();
    c.mSettings.Click();
    EXPECT_NE(others.Settings(), nullptr);
}

}  // namespace
}  // namespace cw
