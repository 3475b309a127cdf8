// The real Clearwell.exe under Wine, driven from outside as a user would.

#include <windows.h>
#include <commctrl.h>

#include "ClearwellGui.h"
#include "app/TrayIcon.h"

namespace cw::gui {
namespace {

WINDOWPLACEMENT PlacementOf(HWND hwnd) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd, &placement);
    return placement;
}

class MainWindowGui : public ClearwellGui {
  protected:
    void SetUp() override {
        ClearwellGui::SetUp();
        Start();
    }
    int PressedButton() {
        int pressed = 0;
        for (int i = 1; i <= 7; ++i) {
            if (W().ToolbarButtonPressed(m::tlbMain, i)) pressed = pressed ? -1 : i;
        }
        return pressed;
    }
    void MinimiseToTray() {
        W().Post(WM_SYSCOMMAND, SC_MINIMIZE);
        WaitUntil([&] { return !W().Visible(); }, "the minimised window to leave the screen");
    }
    void ExpectRestoredInFront() {
        WaitUntil([&] { return W().Visible() && !IsIconic(W().hwnd()) && W().InFront(); },
                  "the window back in its normal state, in front");
    }
};

TEST_F(MainWindowGui, EachToolbarButtonBringsItsPageToTheFront) {
    EXPECT_EQ(VisiblePage(), 0);
    EXPECT_EQ(PressedButton(), 1);
    EXPECT_EQ(SendTo(W().Control(m::tlbMain), TB_BUTTONCOUNT), 7);
    EXPECT_NE(W().Text(m::stbMain).find("Internet connection"), std::string::npos);

    const char* names[] = {"main", "privacy", "ie-cache", "netscape", "system-info", "shredder"};
    for (int page = 0; page < 6; ++page) {
        ShowPage(page);
        EXPECT_EQ(PressedButton(), page + 1);
        W().Screenshot("page" + std::to_string(page) + "-" + names[page]);
    }
    // The shredder page's controls, made when it first shows, start as stored.
    EXPECT_EQ(W().Text(m::cmbOver), "50");
    EXPECT_EQ(W().Items(m::cmbMinute),
              (std::vector<std::string>{"0", "10", "20", "30", "40", "50"}));
    EXPECT_EQ(W().Text(m::lStat), "Waiting...");
}

TEST_F(MainWindowGui, ClosingAsksAndNoKeepsItRunning) {
    W().Post(WM_CLOSE);
    HWND box = WaitForMessageBox(App(), kExitQuestion);
    EXPECT_EQ(TextOf(box), "Clearwell");
    Answer(box, IDNO);
    KeepsTrue([&] { return App().Running() && W().Visible(); }, "Clearwell runs on", 1500);
}

TEST_F(MainWindowGui, MinimisingHidesTheWindowAndTheTrayIconBringsItBack) {
    MinimiseToTray();
    // The tray icon's left click, as the shell reports it to the window.
    W().Post(kTrayCallbackMessage, kTrayIconId, kTrayLeftButtonUp);
    ExpectRestoredInFront();
}

TEST_F(MainWindowGui, ASecondCopyEndsAndBringsTheFirstToTheFront) {
    MinimiseToTray();
    Process second = Process::Start("Clearwell.exe");
    EXPECT_EQ(second.WaitForExit(10000), 0) << "the second copy did not end";
    ExpectRestoredInFront();
    EXPECT_TRUE(App().Running());
}

TEST_F(MainWindowGui, WindowsZHidesBrowserWindowsAndWindowsShiftZRestoresThem) {
    Process browsers = Process::Start(
        "cwwindows.exe",
        "\"normal:IEFrame:Test Page - Internet Explorer\" minimised:CabinetWClass:Documents");
    HWND ie = browsers.WaitForWindow("IEFrame", "Test Page - Internet Explorer");
    HWND folder = browsers.WindowsOfClass("CabinetWClass").at(0);
    WINDOWPLACEMENT ieBefore = PlacementOf(ie), folderBefore = PlacementOf(folder);
    ASSERT_EQ(folderBefore.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));

    // The chords as keyboard input: they reach the program only if it registered them.
    PressKeys({VK_LWIN, 'Z'});
    WaitUntil([&] { return !IsWindowVisible(ie) && !IsWindowVisible(folder); },
              "the browser and folder windows hidden");

    PressKeys({VK_LWIN, VK_SHIFT, 'Z'});
    WaitUntil([&] { return IsWindowVisible(ie) && IsWindowVisible(folder); },
              "the browser and folder windows back");
    WINDOWPLACEMENT ieAfter = PlacementOf(ie), folderAfter = PlacementOf(folder);
    EXPECT_EQ(ieAfter.showCmd, ieBefore.showCmd);
    EXPECT_EQ(ieAfter.rcNormalPosition.left, ieBefore.rcNormalPosition.left);
    EXPECT_EQ(ieAfter.rcNormalPosition.bottom, ieBefore.rcNormalPosition.bottom);
    EXPECT_EQ(folderAfter.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    EXPECT_EQ(folderAfter.rcNormalPosition.top, folderBefore.rcNormalPosition.top);
}

}  // namespace
}  // namespace cw::gui
