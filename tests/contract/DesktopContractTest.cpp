#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "contract/ContractWorld.h"

namespace cw::contract {
namespace {

using DesktopContract = ContractTest;
using NotifyIconContract = ContractTest;

TEST_F(DesktopContract, FindsWindowsByClassAndClosesOnRequest) {
    Desktop& desktop = world.desktop();
    WindowHandle a = world.Open("CwContractA", "First window");
    WindowHandle b = world.Open("CwContractB", "Second window");
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);

    auto windows = desktop.TopLevelWindows();
    EXPECT_EQ(std::count(windows.begin(), windows.end(), a), 1);
    EXPECT_EQ(std::count(windows.begin(), windows.end(), b), 1);
    EXPECT_EQ(desktop.ClassName(a), "CwContractA");
    EXPECT_EQ(desktop.Title(b), "Second window");
    EXPECT_EQ(desktop.FindByClass("CwContractB"), b);
    EXPECT_EQ(desktop.FindByClass("CwContractNoSuchClass"), 0u);
    EXPECT_TRUE(desktop.IsWindow(a));
    EXPECT_TRUE(desktop.IsVisible(a));

    EXPECT_TRUE(desktop.Post(a, kWmClose, 0, 0));
    world.Settle(100);
    EXPECT_FALSE(desktop.IsWindow(a));
}

TEST_F(DesktopContract, HidingByPlacementKeepsTheStateAndRestoringShowsItAgain) {
    Desktop& desktop = world.desktop();
    WindowHandle w = world.Open("CwContractA", "Placed window");
    auto placement = [&] {
        WindowPlacement p;
        EXPECT_TRUE(desktop.GetPlacement(w, p));
        return p;
    };
    auto placed = [&](WindowPlacement p, std::uint32_t showCmd) {
        p.showCmd = showCmd;
        EXPECT_TRUE(desktop.SetPlacement(w, p));
        return placement();
    };
    const std::uint32_t normalState = kSwShowNormal, minimised = kSwShowMinimized;

    const WindowPlacement normal = placement();
    EXPECT_EQ(normal.showCmd, normalState);
    EXPECT_GT(normal.right, normal.left);
    WindowPlacement whileHidden = placed(normal, kSwHide);
    EXPECT_FALSE(desktop.IsVisible(w));
    EXPECT_EQ(std::tie(whileHidden.showCmd, whileHidden.left, whileHidden.bottom),
              std::tie(normalState, normal.left, normal.bottom));

    WindowPlacement moved = normal;
    moved.left += 10;
    moved.right += 10;
    WindowPlacement now = placed(moved, normal.showCmd);
    EXPECT_TRUE(desktop.IsVisible(w));
    EXPECT_EQ(std::tie(now.left, now.right), std::tie(moved.left, moved.right));

    // A minimised window stays minimised while hidden, and OpenIcon restores it.
    desktop.Show(w, kSwMinimize);
    EXPECT_EQ(placement().showCmd, minimised);
    EXPECT_EQ(placed(placement(), kSwHide).showCmd, minimised);
    EXPECT_FALSE(desktop.IsVisible(w));
    EXPECT_TRUE(desktop.Restore(w));
    EXPECT_EQ(placement().showCmd, normalState);
    EXPECT_TRUE(desktop.IsVisible(w));

    EXPECT_TRUE(desktop.Show(w, kSwHide));  // it was visible
    EXPECT_FALSE(desktop.IsVisible(w));
    EXPECT_FALSE(desktop.Show(w, kSwShow));  // it was hidden
    EXPECT_TRUE(desktop.IsVisible(w));
}

TEST_F(NotifyIconContract, OneIconPerWindowAndId) {
    WindowHandle w = world.Open("CwContractA", "Tray owner");
    NotifyIcon& tray = world.notifyIcon();
    NotifyIconData icon;
    icon.window = w;
    icon.id = 1;
    icon.flags = kNifMessage | kNifTip;
    icon.callbackMessage = 0x8001;
    icon.tip = std::string(70, 'x');  // longer than the record holds: cut, not refused

    EXPECT_TRUE(tray.Add(icon));
    EXPECT_FALSE(tray.Add(icon));
    NotifyIconData second = icon;
    second.id = 2;
    EXPECT_TRUE(tray.Add(second));
    EXPECT_TRUE(tray.Delete(icon));
    EXPECT_TRUE(tray.Delete(second));
    EXPECT_TRUE(tray.Add(icon));  // a removed icon can come back
    EXPECT_TRUE(tray.Delete(icon));
}

}  // namespace
}  // namespace cw::contract
