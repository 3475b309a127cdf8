// Closing browser windows before a run, and hiding and restoring them past what the GUI test
// (gui MainWindowGuiTest, WindowsZHidesBrowserWindowsAndWindowsShiftZRestoresThem) shows with
// real windows: a second hide, a window closed while hidden, and hotkey messages that must
// not act.

#include "clean/BrowserWindows.h"

#include <gtest/gtest.h>

#include "browser/BrowserWindowHider.h"
#include "contract/Services.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeMessageWait.h"
#include "host/MainWindowWorld.h"

namespace cw::testing {
namespace {

class BrowserWindowsTest : public ::testing::Test, public Services<FakePlatform> {
  protected:
    fakes::FakeDesktop desktop;
    fakes::FakeMessageWait wait{clock};
    BrowserWindows browsers{desktop, dialogs, clock, wait};
};

TEST_F(BrowserWindowsTest, AWindowThatTakesAMomentToCloseIsAskedOnce) {
    WindowHandle slow = desktop.Add("IEFrame", "", false);
    int polls = 0;
    // The browser gets round to the request after three polls.
    wait.onWait = [&] {
        if (++polls == 3) {
            desktop.Window(slow).closesOnRequest = true;
            desktop.Post(slow, kWmClose, 0, 0);
        }
    };
    EXPECT_EQ(browsers.CloseIEWindows(), 1);
    EXPECT_FALSE(desktop.IsWindow(slow));
    const std::size_t posted = desktop.posted.size();
    browsers.MinimizeAllWindows();  // without a taskbar: nothing posted
    EXPECT_EQ(desktop.posted.size(), posted);
}

TEST_F(BrowserWindowsTest, ABrowserThatKeepsOpeningWindowsGetsAtMostFiftyRequests) {
    desktop.Add("IEFrame", "");
    // Every window closes at once and a new one takes its place: no time passes.
    dialogs.onDoEvents = [&] {
        if (desktop.FindByClass("IEFrame") == 0) desktop.Add("IEFrame", "");
    };
    EXPECT_EQ(browsers.CloseIEWindows(), 50);
    EXPECT_EQ(desktop.posted.size(), 50u);
}

TEST_F(BrowserWindowsTest, AFrameThatRefusesToCloseIsLeftOnceTheTimeBoundIsReached) {
    WindowHandle stubborn = desktop.Add("IEFrame", "Stubborn - Microsoft Internet Explorer", false);
    const std::uint32_t start = clock.TickCount();
    int requests = browsers.CloseIEWindows();
    const std::uint32_t took = clock.TickCount() - start;
    EXPECT_TRUE(took >= kCloseIEWindowsMaxMs && took <= kCloseIEWindowsMaxMs + 1000) << took;
    EXPECT_TRUE(requests >= 2 && requests <= 50) << requests;
    EXPECT_TRUE(desktop.IsWindow(stubborn));
}

TEST(BrowserWindowHiderTest, ASecondHideStartsAfreshAndAClosedWindowDoesNotStopTheRestore) {
    fakes::FakeDesktop desktop;
    BrowserWindowHider browsers(desktop);
    browsers.RestoreBrowserWindows();  // before any hide: nothing to do, nothing fails
    WindowHandle a = desktop.Add("IEFrame", "a");
    WindowHandle b = desktop.Add("IEFrame", "b");
    WindowHandle lookalike = desktop.Add("ieframe", "lower case class");
    desktop.Window(a).placement.showCmd = kSwShowMaximized;
    browsers.HideBrowserWindows();
    browsers.HideBrowserWindows();  // records the hidden windows again, in the state they have
    EXPECT_TRUE(desktop.IsVisible(lookalike));
    ASSERT_EQ(browsers.HiddenBrowserWindows().size(), 3u);
    desktop.Remove(b);
    browsers.RestoreBrowserWindows();
    EXPECT_TRUE(desktop.IsVisible(a) && desktop.Window(a).placement.showCmd == kSwShowMaximized);
}

TEST(BrowserWindowHiderTest, OnlyTheTwoHotKeysOfTheTableActOnceInstalled) {
    MainWindowWorld w;
    WindowHandle ie = w.f.desktop.Add("IEFrame", "x");
    w.window.HotKey(95, 8, 0x5A);  // before the load
    EXPECT_TRUE(w.f.desktop.IsVisible(ie));
    w.window.Form_Load();
    w.window.HotKey(95, 12, 0x5A);  // id and chord disagree
    w.window.HotKey(111, 8, 0x5A);
    w.window.HotKey(95, 8, 0x51);  // another key
    EXPECT_TRUE(w.f.desktop.IsVisible(ie));
}

}  // namespace
}  // namespace cw::testing
