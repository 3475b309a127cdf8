#include "clean/CleaningRun.h"

#include <gtest/gtest.h>

#include "contract/Services.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeMessageWait.h"
#include "fakes/FakePanicHost.h"
#include "fakes/RecordingCleaners.h"
#include "settings/SettingNames.h"

namespace cw::testing {
namespace {

using Calls = std::vector<std::string>;

const Calls kAllSteps = {"chkDocuments", "chkInternetHistory", "chkRunMenu",      "NetScape1",
                         "netscape2",    "netscape3",          "chkUrls",         "chkTemp",
                         "chkFindFiles", "chkFindComputers",   "chkPrinterPorts", "chkAutoComplete",
                         "chkRecBin",    "chkWzip1",           "chkWzip2",        "chkVb",
                         "chkWordPad",   "chkCookies",         "chkPbrush",       "chkMediaPlayer",
                         "chkIECache",   "chkClearIndexDAT"};

Calls Concat(Calls a, const Calls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Calls kPanicRun =
    Concat(Concat({"SetUnattendedExit", "HideMainWindow", "RemoveTrayIcon"}, kAllSteps),
           {"UnloadMainWindow"});

class CleaningRunTest : public ::testing::Test, public Services<FakePlatform> {
  protected:
    bool Marker() {
        return registry.HasValue(kHkeyLocalMachine, settings::kMarkerKey, settings::kMarkerValue);
    }
    void SetCloseBrowser(const char* name, int value) {
        registry.SetDword(kHkeyCurrentUser, settings::kSettingsKey, name, value);
    }

    fakes::CallLog log;
    fakes::RecordingItemCleaners cleaners{log};
    fakes::FakePanicHost host{log};
    fakes::FakeDesktop desktop;
    fakes::FakeMessageWait wait{clock};
    BrowserWindows browsers{desktop, dialogs, clock, wait};
    PrivacyControls privacy;
    PanicControls panic;
    CleaningRun run{privacy, panic,
                    CleaningRunServices{settings, dialogs, browsers, cleaners, host}};
};

TEST_F(CleaningRunTest, ScheduledRunsRunTheTickedStepsInTableOrder) {
    privacy.cmdSelectAll.Click();
    EXPECT_TRUE(run.ClearData(kScheduleDaily));
    EXPECT_EQ(log.calls, Calls(kAllSteps.begin(), kAllSteps.end() - 1)) << "no index.dat";

    log.calls.clear();
    privacy.cmdDeselectAll.Click();
    privacy.chkVb.SetValue(1);
    privacy.chkRunMenu.SetValue(1);
    privacy.chkClearIndexDAT.SetValue(1);
    run.ClearData(kScheduleHourly);
    EXPECT_EQ(log.calls, (Calls{"chkRunMenu", "chkVb"}));

    // Each box is read when its step comes up: the first step unticks a later box and ticks
    // another, as a click during the run would.
    log.calls.clear();
    log.actions["chkRunMenu"] = [&] {
        privacy.chkVb.SetValue(0);
        privacy.chkWordPad.SetValue(1);
    };
    run.ClearData(kScheduleHourly);
    EXPECT_EQ(log.calls, (Calls{"chkRunMenu", "chkWordPad"}));
}

// (The question, the report and the marker on the real window: gui PagesGuiTest, CleaningGui.)
TEST_F(CleaningRunTest, InteractiveRunClosesBrowsersFirstWithoutMinimisingAndNoChangesNothing) {
    WindowHandle ie = desktop.Add("IEFrame", "Home - Microsoft Internet Explorer");
    WindowHandle nav = desktop.Add("MozillaWindowClass", "Welcome - Netscape 7.1");
    desktop.Add("Shell_TrayWnd", "");
    privacy.chkRunMenu.SetValue(1);
    dialogs.answers = {ui::vbNo};
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_TRUE(desktop.IsWindow(ie) && desktop.posted.empty() && log.calls.empty() &&
                dialogs.waitCursor.empty());
    EXPECT_TRUE(dialogs.shown.size() == 1 && privacy.cmdCleanSelectedItems.Enabled());

    std::size_t postedBeforeFirstStep = 0;
    log.actions["chkRunMenu"] = [&] { postedBeforeFirstStep = desktop.posted.size(); };
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_FALSE(desktop.IsWindow(ie) || desktop.IsWindow(nav));
    EXPECT_EQ(postedBeforeFirstStep, 2u) << "the browsers are closed before the first step";
    for (const auto& p : desktop.posted)
        EXPECT_NE(p.message, kWmCommand) << "no minimise-all";
    EXPECT_EQ(std::tuple(log.calls, dialogs.waitCursor),
              std::tuple(Calls{"chkRunMenu"}, std::vector<bool>{true, false}));

    // Nothing ticked: still cleans nothing and reports.
    privacy.cmdDeselectAll.Click();
    dialogs.shown.clear();
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_EQ(log.calls, (Calls{"chkRunMenu"}));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].prompt,
              "Your system has now been cleaned\n0 traces removed, 0 bytes freed.");
}

TEST_F(CleaningRunTest, OnlyTheInteractiveRunWritesTheMarkerAndOnlyAfterTheCookieStep) {
    privacy.chkCookies.SetValue(1);
    privacy.chkPbrush.SetValue(1);
    run.ClearData(kScheduleDaily);
    EXPECT_FALSE(Marker());
    bool markerWhenCookiesRan = true;
    bool markerWhenPaintRan = false;
    log.actions["chkCookies"] = [&] { markerWhenCookiesRan = Marker(); };
    log.actions["chkPbrush"] = [&] { markerWhenPaintRan = Marker(); };
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_TRUE(!markerWhenCookiesRan && markerWhenPaintRan);
}

TEST_F(CleaningRunTest, UnattendedRunClosesAndMinimisesOnlyWhenItsKindsSettingSaysSo) {
    desktop.Add("Shell_TrayWnd", "");
    WindowHandle ie = desktop.Add("IEFrame", "Microsoft Internet Explorer");
    SetCloseBrowser(settings::kDailyScheduleCloseBrowser, 0);
    SetCloseBrowser(settings::kWeeklyScheduleCloseBrowser, 1);
    SetCloseBrowser(settings::kHourlyScheduleCloseBrowser, 1);

    run.ClearData(kScheduleDaily);
    run.ClearData(7);  // an unknown kind reads nothing and does not close
    EXPECT_TRUE(desktop.posted.empty() && desktop.IsWindow(ie) && dialogs.shown.empty());

    run.ClearData(kScheduleWeekly);
    EXPECT_FALSE(desktop.IsWindow(ie));
    ASSERT_FALSE(desktop.posted.empty());
    const fakes::PostedMessage& last = desktop.posted.back();
    EXPECT_EQ(std::tuple(desktop.ClassName(last.window), last.message, last.wParam, last.lParam),
              std::tuple("Shell_TrayWnd", kWmCommand, 419u, 0));

    desktop.posted.clear();
    SetCloseBrowser(settings::kDailyScheduleCloseBrowser, -1);  // any non-zero number
    run.ClearData(kScheduleDaily);
    ASSERT_EQ(desktop.posted.size(), 1u);
    EXPECT_EQ(desktop.posted[0].message, kWmCommand);
    EXPECT_TRUE(dialogs.shown.empty() && dialogs.waitCursor.empty());
}

TEST_F(CleaningRunTest, AFailingStepDoesNotStopTheRun) {
    privacy.cmdSelectAll.Click();
    cleaners.removedEach = {2, 1536, {}};
    log.Fail("chkInternetHistory");
    log.Fail("chkCookies", err::kTypeMismatch);
    log.actions["chkTemp"] = [] { throw std::runtime_error("unexpected"); };
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_EQ(log.calls, kAllSteps);
    EXPECT_TRUE(Marker()) << "the cookie step ran, even though it failed";
    ASSERT_EQ(dialogs.shown.size(), 2u);
    // What the 19 steps that did not fail removed.
    EXPECT_EQ(dialogs.shown[1].prompt,
              "Your system has now been cleaned\n38 traces removed, 28.5 KB freed.");

    log.calls.clear();
    log.Fail("UnloadMainWindow");
    log.Fail("HideMainWindow");
    panic.cmdPanic.Click();
    EXPECT_EQ(log.calls.size(), 22u + 4u);
}

// (Select All and the panic run storing every box, through the real window: gui PagesGuiTest,
// CleaningGui.PanicKeyCleansEveryItemStoresEveryBoxAndEndsTheProgram.)
TEST_F(CleaningRunTest, ARunUnderWayRefusesAScheduledRunAndDisablesWipe) {
    privacy.chkRunMenu.SetValue(1);
    privacy.chkTemp.SetValue(1);
    desktop.Add("IEFrame", "slow");
    bool wipeEnabledDuringRun = true;
    bool nestedStarted = true;
    int nestedCalls = -1;
    // A schedule falls due while the run lets messages through (closing the browsers).
    dialogs.onDoEvents = [&] {
        dialogs.onDoEvents = nullptr;
        wipeEnabledDuringRun = privacy.cmdCleanSelectedItems.Enabled();
        nestedStarted = run.ClearData(kScheduleDaily);
        privacy.cmdCleanSelectedItems.Click();  // a click from code on the disabled button
        nestedCalls = static_cast<int>(log.calls.size());
    };
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_EQ(std::tuple(wipeEnabledDuringRun, nestedStarted, nestedCalls),
              std::tuple(false, false, 0));
    EXPECT_EQ(log.calls, (Calls{"chkRunMenu", "chkTemp"}));
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(privacy.cmdCleanSelectedItems.Enabled() && !run.RunUnderWay());

    // A button disabled before the run stays disabled after it.
    privacy.cmdCleanSelectedItems.SetEnabled(false);
    EXPECT_TRUE(run.ClearData(kScheduleDaily) && !privacy.cmdCleanSelectedItems.Enabled());
}

TEST_F(CleaningRunTest, APanicDuringARunProceedsAndTheInterruptedRunStopsQuietly) {
    privacy.cmdSelectAll.Click();
    // The tray's "Panic" is chosen while the recycle bin step lets messages through.
    log.actions["chkRecBin"] = [&] {
        log.actions.erase("chkRecBin");
        panic.cmdPanic.Click();
    };
    privacy.cmdCleanSelectedItems.Click();

    EXPECT_EQ(log.calls, Concat(Calls(kAllSteps.begin(), kAllSteps.begin() + 13), kPanicRun));
    EXPECT_TRUE(dialogs.shown.size() == 1 && !run.RunUnderWay()) << "no report after the close";
}

// What the wipes left is told in the closing message, on a line of its own; the panic and
// scheduled runs show nothing and leave their count for the next closing message, once.
TEST_F(CleaningRunTest, WhatTheWipesLeftIsToldInTheClosingMessage) {
    const std::string cleaned =
        "Your system has now been cleaned\n0 traces removed, 0 bytes freed.";
    privacy.chkTemp.SetValue(ui::kChecked);
    cleaners.removedEach.left = {1, 1, 0};
    privacy.cmdCleanSelectedItems.Click();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].prompt,
              cleaned + "\n2 items could not be removed: 1 in use, 1 link.");

    EXPECT_TRUE(run.ClearData(kScheduleDaily));
    cleaners.removedEach.left = {0, 1, 2};
    panic.cmdPanic.Click();
    cleaners.removedEach.left = {0, 1, 0};
    dialogs.shown.clear();
    privacy.cmdCleanSelectedItems.Click();
    const std::string now = "\n1 item could not be removed: 1 link.";
    EXPECT_EQ(dialogs.shown[1].prompt,
              cleaned + now +
                  "\nEarlier scheduled or panic cleanings: 5 items could not be removed: 1 in "
                  "use, 2 links, 2 refused.");
    dialogs.shown.clear();
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_EQ(dialogs.shown[1].prompt, cleaned + now) << "told once";
    cleaners.removedEach.left = {};
    dialogs.shown.clear();
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_EQ(dialogs.shown[1].prompt, cleaned) << "nothing left, no line";
}

}  // namespace
}  // namespace cw::testing
