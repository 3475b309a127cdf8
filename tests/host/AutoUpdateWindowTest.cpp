// The update window and the automatic check on scripted servers: no connection, a close
// during the check, failures reported under their tags, and the tick's question.

#include <gtest/gtest.h>

#include "host/UpdateTestWorld.h"
#include "update/AutoUpdateTimer.h"
#include "update/AutoUpdateWindow.h"

namespace cw::update {
namespace {

using namespace testing;
using Lines = std::vector<std::pair<std::string, int>>;

class AutoUpdateWindowTest : public ::testing::Test, public UpdateWorld {
  protected:
    AutoUpdateWindow window{updater, connection, settings, errors};
    ui::Timer timAutoUpdate{"timAutoUpdate", 60000, true};
    AutoUpdateTimer timer{timAutoUpdate, updater, window, connection, settings, dialogs, errors};
    int unloads = 0;

    AutoUpdateWindowTest() {
        window.onUnload = [this] { ++unloads; };
        SetUpdate("ver", "5");
    }
    Lines Shown() const {
        Lines lines;
        for (const auto& item : window.ListView1.Items())
            lines.emplace_back(item.text, item.image);
        return lines;
    }
    void SetAutoCheck(const char* value = "True") {
        registry.SetString(settings::kSettingsRoot, settings::kSettingsKey, "AutoCheck", value);
    }
};

TEST_F(AutoUpdateWindowTest, ProceedOfflineSaysSoAndAnErrorIsReportedUnderItsTag) {
    window.Show();
    internet.SetReachable(kProbeUrl, false);
    window.cmdProceed.Click();
    EXPECT_EQ(Shown(), (Lines{{"Checking for updates...", 1},
                              {"You are currently not conneted to the Internet", 2}}));
    EXPECT_TRUE(internet.requests.empty());

    internet.SetReachable(kProbeUrl, true);
    internet.Serve(kVersionUrl, "99999999999", 1);  // overflows a whole number
    window.cmdProceed.Click();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(std::tuple(errors.reports[0].tag, errors.reports[0].number),
              std::tuple("frmAutoUpdate,cmd_Proceed", 6));
    EXPECT_EQ(Shown(), (Lines{{"Checking for updates...", 1}, {"No new update available.", 2}}));
    EXPECT_TRUE(window.cmdProceed.Enabled());

    // A download the maker did not sign is refused, and the window says why.
    internet.Serve(kVersionUrl, "6", 1);
    ServeExe(Executable(1001), 1001);
    internet.Serve(kSignatureUrl, "not a signature", 1);
    window.cmdProceed.Click();
    EXPECT_EQ(Shown().back(),
              (std::pair<std::string, int>{
                  "The update could not be verified, so it was not installed.", 2}));
    EXPECT_TRUE(programEnds == 0 && window.IsOpen());
}

TEST_F(AutoUpdateWindowTest, ClosingTheWindowDuringTheCheckAbortsIt) {
    internet.Serve(kVersionUrl, "6", 50);
    window.Show();
    int polls = 0;
    dialogs.onDoEvents = [&] {
        EXPECT_FALSE(window.cmdProceed.Enabled());  // no second Proceed inside the first
        if (++polls == 10) window.Form_Unload();
    };
    window.cmdProceed.Click();
    EXPECT_FALSE(window.IsOpen());
    EXPECT_EQ(Shown(), (Lines{{"Checking for updates...", 1}}));
    EXPECT_EQ(std::tuple(unloads, RequestsOf(kVersionUrl), programEnds), std::tuple(1, 1, 0));
}

TEST_F(AutoUpdateWindowTest, WithoutAutoCheckTrueATickOnlyStopsTheTimerAndNoAsksNothingMore) {
    internet.Serve(kVersionUrl, "6", 1);
    for (const char* value : {"", "False", "true"}) {
        if (*value) SetAutoCheck(value);
        timAutoUpdate.SetEnabled(true);
        timAutoUpdate.Tick();
        EXPECT_FALSE(timAutoUpdate.Enabled()) << value;
    }
    // Not even the connection test.
    EXPECT_TRUE(internet.requests.empty() && internet.probes.empty() && dialogs.shown.empty());

    SetAutoCheck();
    dialogs.answers.push_back(ui::vbNo);
    timAutoUpdate.SetEnabled(true);
    timAutoUpdate.Tick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const fakes::ShownMessage& m = dialogs.shown[0];
    EXPECT_EQ(std::tuple(m.prompt, m.buttons, m.title),
              std::tuple("A new update is available. Would you like to download it ?", ui::vbYesNo,
                         "Update Available"));
    EXPECT_FALSE(window.IsOpen() || timAutoUpdate.Enabled());
}

TEST_F(AutoUpdateWindowTest, TheTicksYesRunsProceedAndItsErrorsGoUnderTheMainWindowsTag) {
    SetAutoCheck();
    internet.Serve(kVersionUrl, "6", 1);
    ServeExe(Executable(1001), 1001);
    dialogs.answers.push_back(ui::vbYes);
    timAutoUpdate.Tick();
    EXPECT_TRUE(window.IsOpen());
    EXPECT_EQ(Shown().back(),
              (std::pair<std::string, int>{"Depending on your Internet connection speed", 0}));
    // The tick's check, then Proceed's.
    EXPECT_EQ(std::tuple(RequestsOf(kVersionUrl), programEnds), std::tuple(4, 1));
    EXPECT_FALSE(timAutoUpdate.Enabled());

    SetUpdate("ver", "99999999999");
    timAutoUpdate.SetEnabled(true);
    timAutoUpdate.Tick();
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].tag, "frmMain,timeAutoUpdate_Timer");
    EXPECT_FALSE(timAutoUpdate.Enabled());
}

}  // namespace
}  // namespace cw::update
