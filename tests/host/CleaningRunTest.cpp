#include "clean/CleaningRun.h"

#include <gtest/gtest.h>

#include "clean/CleaningSelection.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeMessageWait.h"
#include "fakes/FakePanicHost.h"
#include "fakes/FakeRegistry.h"
#include "fakes/RecordingCleaners.h"
#include "settings/SettingNames.h"

namespace cw {
namespace {

using Calls = std::vector<std::string>;

const Calls kAllSteps = {
    "ClearRecentDocuments",    "ClearIEHistory",         "ClearRunMRU",
    "ClearNetscapeHistory",    "ClearNetscapeCache",     "ClearNetscapeCookies",
    "DeleteTypedUrls",         "ClearTempFolder",        "ClearFindFilesMRU",
    "ClearFindComputersMRU",   "ClearPrinterPortsMRU",   "DisableAutoComplete",
    "EmptyRecycleBinSilently", "ClearWinZipFileMenu",    "ClearWinZipExtractMenu",
    "ClearVBRecentFiles",      "ClearWordPadRecentList", "ClearIECookies",
    "ClearPaintRecentList",    "ClearMediaPlayerLists",  "ClearIECache",
    "ScheduleIndexDatDeletion"};

Calls Without(Calls calls, const std::string& name) {
    std::erase(calls, name);
    return calls;
}

Calls Concat(Calls a, const Calls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class CleaningRunTest : public ::testing::Test {
  protected:
    bool Marker() {
        return registry.HasValue(kHkeyLocalMachine, settings::kMarkerKey, settings::kMarkerValue);
    }
    // The messages the run posted, in order.
    std::vector<std::uint32_t> PostedMessages() {
        std::vector<std::uint32_t> messages;
        for (const auto& p : desktop.posted)
            messages.push_back(p.message);
        return messages;
    }
    void SetCloseBrowser(const char* name, int value) {
        registry.SetDword(kHkeyCurrentUser, settings::kSettingsKey, name, value);
    }

    fakes::CallLog log;
    fakes::RecordingTraceCleaners cleaners{log};
    fakes::RecordingBrowserSteps browserSteps{log};
    fakes::FakePanicHost host{log};
    fakes::FakeRegistry registry;
    SettingsStore settings{registry};
    fakes::FakeDialogs dialogs;
    fakes::FakeDesktop desktop;
    fakes::FakeClock clock;
    fakes::FakeMessageWait wait{clock};
    BrowserWindows browsers{desktop, dialogs, clock, wait};
    PrivacyControls privacy;
    PanicControls panic;
    CleaningRun run{privacy, panic,
                    CleaningRunServices{settings, dialogs, browsers, cleaners, browserSteps, host}};
};

TEST_F(CleaningRunTest, EveryVariantRunsTheTickedStepsInTableOrder) {
    privacy.cmdSelectAll.Click();
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_EQ(log.calls, kAllSteps);

    log.calls.clear();
    EXPECT_TRUE(run.ClearData(kScheduleDaily));
    EXPECT_EQ(log.calls, Without(kAllSteps, "ScheduleIndexDatDeletion"));

    log.calls.clear();
    panic.cmdPanic.Click();
    EXPECT_EQ(log.calls,
              Concat(Concat({"SetUnattendedExit", "HideMainWindow", "RemoveTrayIcon"}, kAllSteps),
                     {"UnloadMainWindow"}));
    EXPECT_EQ(cleaners.recycleBinOwner, host.mainWindow);

    log.calls.clear();
    privacy.cmdDeselectAll.Click();
    privacy.chkVb.SetValue(1);
    privacy.chkRunMenu.SetValue(1);
    privacy.chkClearIndexDAT.SetValue(1);
    run.ClearData(kScheduleHourly);
    EXPECT_EQ(log.calls, (Calls{"ClearRunMRU", "ClearVBRecentFiles"}));
}

TEST_F(CleaningRunTest, InteractiveRunAsksClosesBrowsersWithoutMinimisingAndReports) {
    WindowHandle ie1 = desktop.Add("IEFrame", "Home - Microsoft Internet Explorer");
    WindowHandle ie2 = desktop.Add("IEFrame", "Search - Microsoft Internet Explorer");
    WindowHandle nav = desktop.Add("MozillaWindowClass", "Welcome - Netscape 7.1");
    WindowHandle taskbar = desktop.Add("Shell_TrayWnd", "");
    std::size_t postedBeforeFirstStep = 0;
    log.actions["ClearRunMRU"] = [&] { postedBeforeFirstStep = desktop.posted.size(); };
    privacy.chkRunMenu.SetValue(1);

    privacy.cmdCleanSelectedItems.Click();

    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].prompt, "Do you want to shred selected items now?");
    EXPECT_EQ(dialogs.shown[0].buttons, ui::vbYesNo);
    EXPECT_EQ(dialogs.shown[0].title, "Clearwell");
    EXPECT_EQ(dialogs.shown[1].prompt, "Your system has now been cleaned");
    EXPECT_EQ(dialogs.shown[1].buttons, ui::vbInformation);
    EXPECT_EQ(dialogs.shown[1].title, "Done....");
    EXPECT_EQ(dialogs.waitCursor, (std::vector<bool>{true, false}));
    EXPECT_FALSE(desktop.IsWindow(ie1) || desktop.IsWindow(ie2) || desktop.IsWindow(nav));
    EXPECT_TRUE(desktop.IsWindow(taskbar));
    EXPECT_EQ(postedBeforeFirstStep, 3u) << "the browsers are closed before the first step";
    for (const auto& p : desktop.posted)
        EXPECT_NE(p.message, kWmCommand) << "no minimise-all";
    EXPECT_EQ(log.calls, (Calls{"ClearRunMRU"}));
    EXPECT_FALSE(host.unattendedExit);
}

TEST_F(CleaningRunTest, AnsweringNoChangesNothingAndNothingTickedStillCleansAndReports) {
    WindowHandle ie = desktop.Add("IEFrame", "Microsoft Internet Explorer");
    privacy.cmdSelectAll.Click();
    dialogs.answers = {ui::vbNo};
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_TRUE(desktop.IsWindow(ie));
    EXPECT_TRUE(desktop.posted.empty());
    EXPECT_TRUE(log.calls.empty());
    EXPECT_TRUE(dialogs.waitCursor.empty());
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_FALSE(Marker());
    EXPECT_TRUE(privacy.cmdCleanSelectedItems.Enabled());

    privacy.cmdDeselectAll.Click();
    dialogs.shown.clear();
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_FALSE(desktop.IsWindow(ie));
    EXPECT_TRUE(log.calls.empty());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].prompt, "Your system has now been cleaned");
}

TEST_F(CleaningRunTest, OnlyTheInteractiveRunWritesTheMarkerAndOnlyAfterTheCookieStep) {
    privacy.chkCookies.SetValue(1);
    run.ClearData(kScheduleDaily);
    panic.cmdPanic.Click();
    EXPECT_FALSE(Marker());

    privacy.chkCookies.SetValue(0);
    privacy.chkPbrush.SetValue(1);
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_FALSE(Marker());

    privacy.chkCookies.SetValue(1);
    bool markerWhenCookiesRan = true;
    bool markerWhenPaintRan = false;
    log.actions["ClearIECookies"] = [&] { markerWhenCookiesRan = Marker(); };
    log.actions["ClearPaintRecentList"] = [&] { markerWhenPaintRan = Marker(); };
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_FALSE(markerWhenCookiesRan);
    EXPECT_TRUE(markerWhenPaintRan);
    RegValue marker;
    registry.QueryValue(kHkeyLocalMachine, "Software\\Microsoft\\Tolvex", "cookies", marker);
    EXPECT_EQ(marker.type, kRegSz);
    EXPECT_EQ(marker.data, std::string("tt\0", 3));
}

TEST_F(CleaningRunTest, UnattendedRunClosesAndMinimisesOnlyWhenItsKindsSettingSaysSo) {
    desktop.Add("Shell_TrayWnd", "");
    WindowHandle ie = desktop.Add("IEFrame", "Microsoft Internet Explorer");
    SetCloseBrowser(settings::kDailyScheduleCloseBrowser, 0);
    SetCloseBrowser(settings::kWeeklyScheduleCloseBrowser, 1);
    SetCloseBrowser(settings::kHourlyScheduleCloseBrowser, 1);

    run.ClearData(kScheduleDaily);
    run.ClearData(7);  // an unknown kind reads nothing and does not close
    EXPECT_TRUE(desktop.posted.empty());
    EXPECT_TRUE(desktop.IsWindow(ie));
    EXPECT_TRUE(dialogs.shown.empty());

    run.ClearData(kScheduleWeekly);
    EXPECT_FALSE(desktop.IsWindow(ie));
    ASSERT_FALSE(desktop.posted.empty());
    const fakes::PostedMessage& last = desktop.posted.back();
    EXPECT_EQ(desktop.ClassName(last.window), "Shell_TrayWnd");
    EXPECT_EQ(last.message, kWmCommand);
    EXPECT_EQ(last.wParam, 419u);
    EXPECT_EQ(last.lParam, 0);

    desktop.posted.clear();
    SetCloseBrowser(settings::kDailyScheduleCloseBrowser, -1);  // any non-zero number
    run.ClearData(kScheduleDaily);
    EXPECT_EQ(PostedMessages(), (std::vector<std::uint32_t>{kWmCommand}));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(dialogs.waitCursor.empty());
}

TEST_F(CleaningRunTest, EachBoxIsReadWhenItsStepComesUp) {
    privacy.chkDocuments.SetValue(1);
    privacy.chkMediaPlayer.SetValue(1);
    // The first step unticks a later box and ticks another, as a click during the run would.
    log.actions["ClearRecentDocuments"] = [&] {
        privacy.chkMediaPlayer.SetValue(0);
        privacy.chkWordPad.SetValue(1);
    };
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_EQ(log.calls, (Calls{"ClearRecentDocuments", "ClearWordPadRecentList"}));
}

TEST_F(CleaningRunTest, AFailingStepDoesNotStopTheRun) {
    privacy.cmdSelectAll.Click();
    log.Fail("ClearIEHistory");
    log.Fail("ClearIECookies", err::kTypeMismatch);
    log.actions["ClearTempFolder"] = [] { throw std::runtime_error("unexpected"); };
    privacy.cmdCleanSelectedItems.Click();
    EXPECT_EQ(log.calls, kAllSteps);
    EXPECT_TRUE(Marker()) << "the cookie step ran, even though it failed";
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].prompt, "Your system has now been cleaned");

    log.calls.clear();
    log.Fail("UnloadMainWindow");
    log.Fail("HideMainWindow");
    panic.cmdPanic.Click();
    EXPECT_EQ(log.calls.size(), 22u + 4u);
}

TEST_F(CleaningRunTest, SelectAllThenPanicStoresEveryItemAndTheNextStartShowsThemTicked) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "test");
    host.onUnload = [&] { SaveCleaningSelection(privacy, settings, trap); };
    desktop.Add("Shell_TrayWnd", "");
    WindowHandle ie = desktop.Add("IEFrame", "x");
    privacy.cmdSelectAll.Click();
    panic.cmdPanic.Click();

    EXPECT_TRUE(host.unattendedExit);
    EXPECT_FALSE(desktop.IsWindow(ie));
    EXPECT_EQ(desktop.posted.back().message, kWmCommand) << "windows minimised";
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(dialogs.waitCursor.empty());
    for (const char* name : settings::kCleaningBoxes) {
        EXPECT_EQ(settings.GetSettingString(kHkeyCurrentUser, settings::kSettingsKey, name), "1")
            << name;
    }
    PrivacyControls nextStart;
    LoadCleaningSelection(nextStart, settings, trap);
    for (ui::CheckBox* box : nextStart.InRunOrder())
        EXPECT_TRUE(box->Checked()) << box->Name();
}

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
    EXPECT_FALSE(wipeEnabledDuringRun);
    EXPECT_FALSE(nestedStarted);
    EXPECT_EQ(nestedCalls, 0);
    EXPECT_EQ(log.calls, (Calls{"ClearRunMRU", "ClearTempFolder"}));
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(privacy.cmdCleanSelectedItems.Enabled());
    EXPECT_FALSE(run.RunUnderWay());

    // A button disabled before the run stays disabled after it.
    privacy.cmdCleanSelectedItems.SetEnabled(false);
    EXPECT_TRUE(run.ClearData(kScheduleDaily));
    EXPECT_FALSE(privacy.cmdCleanSelectedItems.Enabled());
}

TEST_F(CleaningRunTest, APanicDuringARunProceedsAndTheInterruptedRunStopsQuietly) {
    privacy.cmdSelectAll.Click();
    // The tray's "Panic" is chosen while the recycle bin step lets messages through.
    log.actions["EmptyRecycleBinSilently"] = [&] {
        log.actions.erase("EmptyRecycleBinSilently");
        panic.cmdPanic.Click();
    };
    privacy.cmdCleanSelectedItems.Click();

    Calls upToBin(kAllSteps.begin(), kAllSteps.begin() + 13);
    Calls expected = Concat(upToBin, {"SetUnattendedExit", "HideMainWindow", "RemoveTrayIcon"});
    expected = Concat(Concat(expected, kAllSteps), {"UnloadMainWindow"});
    EXPECT_EQ(log.calls, expected);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "no report after the program closed";
    EXPECT_FALSE(run.RunUnderWay());

    // The tray's "Panic" while the question is open: the answer Yes that follows closes no
    // browser opened meanwhile and cleans nothing more.
    log.calls.clear();
    WindowHandle later = 0;
    struct PanicWhileAsking : fakes::FakeDialogs {
        std::function<void()> whileOpen;
        int MsgBox(const std::string& p, int b, const std::string& t) override {
            if (whileOpen) std::exchange(whileOpen, nullptr)();
            return FakeDialogs::MsgBox(p, b, t);
        }
    } asking;
    BrowserWindows quiet(desktop, asking, clock, wait);
    PrivacyControls boxes;
    PanicControls panicFrame;
    CleaningRun second(boxes, panicFrame,
                       CleaningRunServices{settings, asking, quiet, cleaners, browserSteps, host});
    asking.whileOpen = [&] {
        panicFrame.cmdPanic.Click();
        later = desktop.Add("IEFrame", "opened after the panic");
    };
    boxes.chkVb.SetValue(1);
    boxes.cmdCleanSelectedItems.Click();
    EXPECT_EQ(log.calls, (Calls{"SetUnattendedExit", "HideMainWindow", "RemoveTrayIcon",
                                "ClearVBRecentFiles", "UnloadMainWindow"}));
    EXPECT_TRUE(desktop.IsWindow(later));
    EXPECT_EQ(asking.shown.size(), 1u);
}

}  // namespace
}  // namespace cw
