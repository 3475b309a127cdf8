#include <gtest/gtest.h>

#include "app/BrowserWindowHider.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "host/MainWindowWorld.h"

namespace cw {
namespace {

std::intptr_t HotKeyParam(std::uint32_t mods, std::uint32_t key) {
    return static_cast<std::intptr_t>((key << 16) | mods);
}

TEST(BrowserWindowHiderTest, HidesBothBrowserClassesAndRestoresTheirPlacements) {
    fakes::FakeDesktop desktop;
    BrowserWindowHider browsers(desktop);
    browsers.RestoreBrowserWindows();  // before any hide: nothing to do, nothing fails

    WindowHandle ie = desktop.Add("IEFrame", "Home - Internet Explorer");
    WindowHandle folder = desktop.Add("CabinetWClass", "My Documents");
    WindowHandle other = desktop.Add("Notepad", "Untitled - Notepad");
    WindowHandle lookalike = desktop.Add("ieframe", "lower case class");
    desktop.Window(folder).placement = {44, 0, kSwShowMinimized, 1, 2, 3, 4, 50, 60, 450, 360};

    browsers.HideBrowserWindows();
    EXPECT_FALSE(desktop.IsVisible(ie));
    EXPECT_FALSE(desktop.IsVisible(folder));
    EXPECT_TRUE(desktop.IsVisible(other));
    EXPECT_TRUE(desktop.IsVisible(lookalike));
    const auto& hidden = browsers.HiddenBrowserWindows();
    ASSERT_EQ(hidden.size(), 3u);
    EXPECT_EQ(hidden.back().window, 0u);

    browsers.RestoreBrowserWindows();
    EXPECT_TRUE(desktop.IsVisible(ie));
    EXPECT_TRUE(desktop.IsVisible(folder));
    WindowPlacement p;
    desktop.GetPlacement(folder, p);
    EXPECT_EQ(p.showCmd, static_cast<std::uint32_t>(kSwShowMinimized));
    EXPECT_EQ(p.left, 50);
    EXPECT_EQ(p.bottom, 360);
    EXPECT_EQ(browsers.HiddenBrowserWindows().size(), 3u);  // kept for another restore
}

TEST(BrowserWindowHiderTest, ASecondHideStartsAfreshAndAClosedWindowDoesNotStopTheRestore) {
    fakes::FakeDesktop desktop;
    BrowserWindowHider browsers(desktop);
    browsers.HideBrowserWindows();
    EXPECT_EQ(browsers.HiddenBrowserWindows().size(), 1u);  // only the empty record

    WindowHandle a = desktop.Add("IEFrame", "a");
    WindowHandle b = desktop.Add("IEFrame", "b");
    desktop.Window(a).placement.showCmd = kSwShowMaximized;
    browsers.HideBrowserWindows();
    browsers.HideBrowserWindows();  // records the hidden windows again, in the state they have
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
    fakes::FakeServices& f = w.f;
    MainWindow& window = w.window;
    WindowHandle ie = f.desktop.Add("IEFrame", "x");

    window.MainWindowProc(kWmHotkey, 95, HotKeyParam(8, 0x5A));  // before the load
    EXPECT_TRUE(f.desktop.IsVisible(ie));
    window.Form_Load();
    window.MainWindowProc(kWmHotkey, 95, HotKeyParam(12, 0x5A));  // id and chord disagree
    window.MainWindowProc(kWmHotkey, 111, HotKeyParam(8, 0x5A));
    window.MainWindowProc(0x0111, 95, HotKeyParam(8, 0x5A));  // not a hotkey message
    EXPECT_TRUE(f.desktop.IsVisible(ie));
    window.MainWindowProc(kWmHotkey, 95, HotKeyParam(8, 0x5A));
    EXPECT_FALSE(f.desktop.IsVisible(ie));
    window.MainWindowProc(kWmHotkey, 111, HotKeyParam(12, 0x5A));
    EXPECT_TRUE(f.desktop.IsVisible(ie));
}

TEST(StartupTest, ASecondCopyBringsTheFirstCopysWindowToTheFrontRestored) {
    fakes::FakeDesktop desktop;
    fakes::RecordingErrorSink errors;
    EXPECT_FALSE(ShowPrevInstance(desktop, errors));
    EXPECT_TRUE(desktop.shows.empty());

    WindowHandle first = desktop.Add(kMainWindowClass, "Clearwell v2.10");
    desktop.Window(first).placement.showCmd = kSwShowMinimized;
    desktop.Window(first).visible = false;  // minimised into the tray
    WindowHandle other = desktop.Add("Notepad", "Untitled");
    desktop.foreground = other;

    EXPECT_TRUE(ShowPrevInstance(desktop, errors));
    EXPECT_TRUE(desktop.IsVisible(first));
    WindowPlacement p;
    desktop.GetPlacement(first, p);
    EXPECT_EQ(p.showCmd, static_cast<std::uint32_t>(kSwShowNormal));
    EXPECT_EQ(desktop.foreground, first);
    EXPECT_TRUE(errors.reports.empty());
}

}  // namespace
}  // namespace cw
