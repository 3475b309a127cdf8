// The update window's Proceed and Cancel, and the automatic check on the timer's first tick.

#include <gtest/gtest.h>

#include <set>

#include "host/UpdateTestWorld.h"
#include "update/AutoUpdateLayout.h"
#include "update/AutoUpdateTimer.h"
#include "update/AutoUpdateWindow.h"

namespace cw::update {
namespace {

using namespace testing;
using Lines = std::vector<std::pair<std::string, int>>;

class AutoUpdateWindowTest : public ::testing::Test, public UpdateWorld {
  protected:
    AutoUpdateWindow window{updater, connection, settings, &errors};
    int shows = 0, unloads = 0;

    AutoUpdateWindowTest() {
        window.onShow = [this] { ++shows; };
        window.onUnload = [this] { ++unloads; };
        SetUpdate("ver", "5");
    }
    Lines Shown() const {
        Lines lines;
        for (const auto& item : window.ListView1.Items())
            lines.emplace_back(item.text, item.image);
        return lines;
    }
    static Lines Downloading() {
        return {{"Checking for updates...", 1},
                {"New Update available.", 1},
                {"Dowanloading New Version...Please wait.", 1},
                {"This may take some time...", 0},
                {"Depending on your Internet connection speed", 0}};
    }
};

TEST_F(AutoUpdateWindowTest, ProceedReportsNoConnectionAndNoUpdateAndStartsFromAnEmptyList) {
    window.Show();
    internet.SetReachable(kProbeUrl, false);
    window.cmdProceed.Click();
    EXPECT_EQ(Shown(), (Lines{{"Checking for updates...", 1},
                              {"You are currently not conneted to the Internet", 2}}));
    EXPECT_TRUE(internet.requests.empty());

    internet.SetReachable(kProbeUrl, true);
    ServeNotFound(kVersionUrl);
    window.cmdProceed.Click();
    EXPECT_EQ(Shown(), (Lines{{"Checking for updates...", 1}, {"No new update available.", 2}}));
    EXPECT_TRUE(window.IsOpen());
    EXPECT_TRUE(window.cmdProceed.Enabled());
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(AutoUpdateWindowTest, ClosingTheWindowDuringTheCheckAbortsItToo) {
    internet.Serve(kVersionUrl, "6", 50);
    window.Show();
    int polls = 0;
    dialogs.onDoEvents = [&] {
        EXPECT_FALSE(window.cmdProceed.Enabled());  // no second Proceed inside the first
        if (++polls == 10) window.Form_Unload();
    };
    window.cmdProceed.Click();
    EXPECT_FALSE(window.IsOpen());
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(Shown(), (Lines{{"Checking for updates...", 1}}));
    EXPECT_EQ(RequestsOf(kVersionUrl), 1);
    EXPECT_EQ(programEnds, 0);

    window.Show();  // reopened, it starts afresh
    EXPECT_TRUE(window.ListView1.Items().empty());
    EXPECT_TRUE(window.cmdProceed.Enabled());
}

TEST_F(AutoUpdateWindowTest, AnErrorInProceedIsReportedUnderItsTagAndProceedGoesOn) {
    internet.Serve(kVersionUrl, "99999999999", 1);  // overflows a whole number
    window.Show();
    window.cmdProceed.Click();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].tag, "frmAutoUpdate,cmd_Proceed");
    EXPECT_EQ(errors.reports[0].number, 6);
    EXPECT_EQ(Shown(), (Lines{{"Checking for updates...", 1}, {"No new update available.", 2}}));
    EXPECT_FALSE(updater.Busy());
}

class AutoUpdateTimerTest : public AutoUpdateWindowTest {
  protected:
    ui::Timer timAutoUpdate{"timAutoUpdate", 60000, true};
    AutoUpdateTimer timer{timAutoUpdate, updater, window, connection, settings, dialogs, &errors};

    void SetAutoCheck(const std::string& value) {
        registry.SetString(settings::kSettingsRoot, settings::kSettingsKey, "AutoCheck", value);
    }
};

TEST_F(AutoUpdateTimerTest, YesOpensTheWindowAndRunsProceedAsAClickWould) {
    SetAutoCheck("True");
    internet.Serve(kVersionUrl, "6", 1);
    ServeExe(Executable(1001), 1001);
    dialogs.answers.push_back(ui::vbYes);
    timAutoUpdate.Tick();
    EXPECT_TRUE(window.IsOpen());
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(Shown(), Downloading());
    EXPECT_EQ(RequestsOf(kVersionUrl), 4);  // the tick's check, then Proceed's
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(timAutoUpdate.Enabled());
}

TEST_F(AutoUpdateTimerTest, AnErrorInTheTickIsReportedUnderTheMainWindowsTag) {
    SetAutoCheck("True");
    SetUpdate("ver", "99999999999");
    internet.Serve(kVersionUrl, "6", 1);
    timAutoUpdate.Tick();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].tag, "frmMain,timeAutoUpdate_Timer");
    EXPECT_FALSE(timAutoUpdate.Enabled());
}

}  // namespace
}  // namespace cw::update

namespace cw::update {
namespace {

TEST(AutoUpdateLayoutTest, EveryControlHasAPlaceOfItsOwnInsideTheWindow) {
    testing::UpdateWorld world;
    AutoUpdateWindow window{world.updater, world.connection, world.settings, nullptr};
    std::multiset<std::string> names{window.Label1.Name(),     window.ListView1.Name(),
                                     window.cmdProceed.Name(), window.cmdCancel.Name(),
                                     window.StatusBar1.Name(), window.imgCatchUp.Name()};
    std::multiset<std::string> placed;
    for (const ControlPlacement& p : kAutoUpdateLayout) {
        placed.insert(std::string(p.name));
        EXPECT_GE(p.x, 0) << p.name;
        EXPECT_LE(p.x + p.width, kAutoUpdateClientWidth) << p.name;
        EXPECT_LE(p.y + p.height, kAutoUpdateClientHeight) << p.name;
    }
    EXPECT_EQ(placed, names);
    // No two controls overlap.
    for (std::size_t i = 0; i < kAutoUpdateLayout.size(); ++i) {
        for (std::size_t j = i + 1; j < kAutoUpdateLayout.size(); ++j) {
            const ControlPlacement& a = kAutoUpdateLayout[i];
            const ControlPlacement& b = kAutoUpdateLayout[j];
            bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y ||
                         b.y + b.height <= a.y;
            EXPECT_TRUE(apart) << a.name << " and " << b.name;
        }
    }
}

}  // namespace
}  // namespace cw::update
