// Hiding and restoring browser windows, past what the GUI test (gui MainWindowGuiTest,
// WindowsZHidesBrowserWindowsAndWindowsShiftZRestoresThem) shows with real windows: a second
// hide, a window closed while hidden, and hotkey messages that must not act.

#include <gtest/gtest.h>

#include "browser/BrowserWindowHider.h"
#include "host/MainWindowWorld.h"

namespace cw {
namespace {

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
    EXPECT_TRUE(desktop.IsVisible(a));
    WindowPlacement p;
    desktop.GetPlacement(a, p);
    EXPECT_EQ(p.showCmd, static_cast<std::uint32_t>(kSwShowMaximized));
}

TEST(BrowserWindowHiderTest, OnlyTheTwoHotKeysOfTheTableActOnceInstalled) {
    testing::MainWindowWorld w;
    WindowHandle ie = w.f.desktop.Add("IEFrame", "x");
    w.window.HotKey(95, 8, 0x5A);  // before the load
    EXPECT_TRUE(w.f.desktop.IsVisible(ie));
    w.window.Form_Load();
    w.window.HotKey(95, 12, 0x5A);  // id and chord disagree
    w.window.HotKey(111, 8, 0x5A);
    w.window.HotKey(95, 8, 0x51);  // another key
    EXPECT_TRUE(w.f.desktop.IsVisible(ie));
    w.window.HotKey(95, 8, 0x5A);
    EXPECT_FALSE(w.f.desktop.IsVisible(ie));
    w.window.HotKey(111, 12, 0x5A);
    EXPECT_TRUE(w.f.desktop.IsVisible(ie));
}

}  // namespace
}  // namespace cw
