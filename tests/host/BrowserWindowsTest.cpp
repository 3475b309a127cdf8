#include "clean/BrowserWindows.h"

#include <gtest/gtest.h>

#include "fakes/FakeClock.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeMessageWait.h"

namespace cw {
namespace {

class BrowserWindowsTest : public ::testing::Test {
  protected:
    fakes::FakeDesktop desktop;
    fakes::FakeDialogs dialogs;
    fakes::FakeClock clock;
    fakes::FakeMessageWait wait{clock};
    BrowserWindows browsers{desktop, dialogs, clock, wait};
};

// Frames closed, the first title match only, and a frame that refuses past the bound: on
// windows of another process under Wine, target BrowserClosingIntegrationTest.
TEST_F(BrowserWindowsTest, CloseRequestsLetMessagesThroughAndCarryTheirParameters) {
    WindowHandle other = desktop.Add("Notepad", "Internet Explorer notes");
    desktop.Add("IEFrame", "");
    desktop.Add("IEFrame", "Google - Microsoft Internet Explorer");
    EXPECT_EQ(browsers.CloseIEWindows(), 2);
    EXPECT_TRUE(desktop.IsWindow(other));
    for (const auto& p : desktop.posted) {
        EXPECT_EQ(p.message, kWmClose);
        EXPECT_EQ(p.wParam, 1u);
        EXPECT_EQ(p.lParam, 1);
    }
    EXPECT_GE(dialogs.doEventsCalls, 3) << "messages let through first and after each request";

    desktop.posted.clear();
    WindowHandle titled = desktop.Add("Y", "Bookmarks - netscape");
    desktop.Add("A", "Netscap e");
    EXPECT_TRUE(browsers.CloseWindowByTitle("Netscape"));
    EXPECT_FALSE(desktop.IsWindow(titled));
    ASSERT_EQ(desktop.posted.size(), 1u);
    EXPECT_EQ(desktop.posted[0].wParam, 0u);
    EXPECT_EQ(desktop.posted[0].lParam, 0);
    EXPECT_FALSE(browsers.CloseWindowByTitle("Netscape"));
}

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

TEST_F(BrowserWindowsTest, MinimizeAllAsksTheTaskbarAndPostsNothingWithoutOne) {
    browsers.MinimizeAllWindows();
    EXPECT_TRUE(desktop.posted.empty());
    WindowHandle taskbar = desktop.Add("Shell_TrayWnd", "");
    browsers.MinimizeAllWindows();
    ASSERT_EQ(desktop.posted.size(), 1u);
    EXPECT_EQ(desktop.posted[0].window, taskbar);
    EXPECT_EQ(desktop.posted[0].message, 273u);
    EXPECT_EQ(desktop.posted[0].wParam, 419u);
}

}  // namespace
}  // namespace cw
