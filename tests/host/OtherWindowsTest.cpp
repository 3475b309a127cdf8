// The other windows the main window opens, in what the real windows cannot arrange: a window
// closed while its own code runs, windows that cannot be created, the unload's order.

#include <gtest/gtest.h>

#include "fakes/FakeOtherWindowViews.h"
#include "host/MainWindowWorld.h"

namespace cw::testing {
namespace {

using Log = std::vector<std::string>;

// The views outlive the window, which closes them as it goes.
struct Views {
    fakes::FakeOtherWindowViews views;
};

struct OtherWindowsFixture : ::testing::Test, Views, MainWindowWorld {
    OtherWindows& others = window.Others();

    OtherWindowsFixture() { window.AttachOtherViews(views); }
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
    EXPECT_EQ(std::tuple(std::count(log.begin(), log.end(), "settings closed"),
                         std::count(log.begin(), log.end(), "settings destroyed")),
              std::tuple(1, 0));

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
    EXPECT_EQ(
        std::tuple(f.errors.reports[0].tag, f.errors.reports[0].number, f.errors.reports[1].tag),
        std::tuple("frmMain,mAboutClearwell_Click", 7, "frmMain,mSettings_Click"));
    EXPECT_EQ(others.About(), nullptr);
    views.failing.clear();
    c.mSettings.Click();
    EXPECT_NE(others.Settings(), nullptr);
}

TEST_F(OtherWindowsFixture, EachWindowOpensOnceComesToTheFrontAndTheUnloadClosesThemInReverse) {
    c.privacy.chkUrls.SetValue(ui::kChecked);
    c.privacy.cmdAnalyze.Click();
    AnalysisWindow* analysis = others.Analysis();
    ASSERT_NE(analysis, nullptr);
    analysis->Controls().timAnalyze.Tick();
    EXPECT_EQ(analysis->Controls().lvwAnalysis.Rows().front().front(), "IE Typed Web Address");
    c.mKeepCookies.Click();
    c.mSettings.Click();
    c.mAboutClearwell.Click();
    c.mCheckUpgrades.Click();
    EXPECT_EQ(Taken(), (Log{"analysis created", "analysis shown", "keep created", "keep shown",
                            "settings created", "settings shown", "about created", "about shown",
                            "update created", "update shown"}));

    // Asked again: the same windows in front; the analysis starts over with today's boxes.
    c.privacy.chkRecBin.SetValue(ui::kChecked);
    c.privacy.cmdAnalyze.Click();
    c.mKeepCookies.Click();
    EXPECT_EQ(Taken(), (Log{"analysis shown", "keep shown"}));
    EXPECT_EQ(others.Analysis(), analysis);
    EXPECT_TRUE(analysis->Controls().lvwAnalysis.Rows().empty());

    others.UnloadAll();
    EXPECT_EQ(Taken(), (Log{"update closed", "about closed", "settings closed", "keep closed",
                            "analysis closed"}));
    EXPECT_TRUE(others.Analysis() == nullptr && others.KeepCookies() == nullptr);
}

TEST_F(OtherWindowsFixture, KeepOnTheNetscapePageStoresTheSelectedDomainAndTheOpenWindowShowsIt) {
    c.cookies.cmdKeep.Click();
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].prompt, "Please select a domain in the list first.");

    c.mKeepCookies.Click();
    c.cookies.List1.SetItems({".bank.example", "ads.example"});
    c.cookies.List1.SetListIndex(0);
    c.cookies.cmdKeep.Click();
    EXPECT_EQ(Stored("KeepCookies"), "bank.example");
    EXPECT_EQ(others.KeepCookies()->Controls().lstDomains.Items(),
              std::vector<std::string>{"bank.example"});
    ASSERT_EQ(f.dialogs.shown.size(), 2u);
    EXPECT_EQ(std::tuple(f.dialogs.shown[1].prompt, f.dialogs.shown[1].title),
              std::tuple("Every cleaning now keeps the cookies of bank.example and its subdomains.",
                         "Cookies to Keep -- Clearwell"));
    EXPECT_TRUE(f.errors.reports.empty());
}

}  // namespace
}  // namespace cw::testing
