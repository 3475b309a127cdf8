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

TEST_F(BrowserWindowsTest, AFrameThatRefusesToCloseIsLeftOnceTheTimeBoundIsReached) {
    WindowHandle stubborn = desktop.Add("IEFrame", "Stubborn - Microsoft Internet Explorer", false);
    const std::uint32_t start = clock.TickCount();
    int requests = browsers.CloseIEWindows();
    EXPECT_GE(clock.TickCount() - start, kCloseIEWindowsMaxMs);
    EXPECT_LE(clock.TickCount() - start, kCloseIEWindowsMaxMs + 1000);
    EXPECT_TRUE(desktop.IsWindow(stubborn));
    EXPECT_GE(requests, 2);
    EXPECT_LE(requests, 50);
}

TEST_F(BrowserWindowsTest, MinimizeAllPostsNothingWithoutATaskbar) {
    browsers.MinimizeAllWindows();
    EXPECT_TRUE(desktop.posted.empty());
}

}  // namespace
}  // namespace cw
