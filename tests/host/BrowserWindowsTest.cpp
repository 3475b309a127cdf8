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

// (Frames closed, the first title match only, and a frame that refuses past the bound: on
// windows of another process under Wine, target BrowserClosingIntegrationTest.)
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

TEST_F(BrowserWindowsTest, MinimizeAllPostsNothingWithoutATaskbar) {
    browsers.MinimizeAllWindows();
    EXPECT_TRUE(desktop.posted.empty());
}

}  // namespace
}  // namespace cw
