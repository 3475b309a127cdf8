// The real Clearwell.exe under Wine, driven from outside as a user would.

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
            if (window_->ToolbarButtonPressed(m::tlbMain, i)) pressed = pressed ? -1 : i;
        }
        return pressed;
    }
};

TEST_F(MainWindowGui, EachToolbarButtonBringsItsPageToTheFront) {
    Window& w = *window_;
    EXPECT_EQ(w.Title(), "Clearwell v2.10");
    EXPECT_EQ(VisiblePage(), 0);
    EXPECT_EQ(PressedButton(), 1);
    EXPECT_EQ(w.ToolbarButtonCount(m::tlbMain), 7);
    EXPECT_EQ(w.Text(m::cmbOver), "50");
    EXPECT_EQ(w.Items(m::cmbOver).size(), 11u);
    EXPECT_EQ(w.Text(m::lStat), "Waiting...");
    EXPECT_NE(w.StatusText(m::stbMain).find("Internet connection"), std::string::npos);

    const char* names[] = {"page0-main",     "page1-privacy",     "page2-ie-cache",
                           "page3-netscape", "page4-system-info", "page5-shredder"};
    for (int button = 1; button <= 6; ++button) {
        w.ClickToolbarButton(m::tlbMain, button);
        WaitUntil([&] { return VisiblePage() == button - 1; },
                  "page " + std::to_string(button - 1) + " alone in front");
        EXPECT_EQ(PressedButton(), button);
        w.Screenshot(names[button - 1]);
    }
}

TEST_F(MainWindowGui, ControlsTakeWhatTheUserDoes) {
    Window& w = *window_;
    w.ClickToolbarButton(m::tlbMain, 2);
    w.SetChecked(m::chkCookies, true);
    w.SetChecked(m::chkTemp, true);
    w.SetChecked(m::chkTemp, false);
    EXPECT_TRUE(w.Checked(m::chkCookies));
    EXPECT_FALSE(w.Checked(m::chkTemp));

    w.ClickToolbarButton(m::tlbMain, 6);
    w.Select(m::cmbOver, 9);
    WaitUntil([&] { return w.Text(m::cmbOver) == "100"; }, "the security level 100");
    w.Type(m::txtShredFolder, "C:\\Shred");
    EXPECT_EQ(w.Text(m::txtShredFolder), "C:\\Shred");
    w.Select(m::cmbHour, 3);
    EXPECT_EQ(w.Selected(m::cmbHour), 3);
    EXPECT_EQ(w.Items(m::cmbMinute), (std::vector<std::string>{"0", "10", "20", "30", "40", "50"}));
}

TEST_F(MainWindowGui, ClosingAsksAndNoKeepsItRunning) {
    window_->Post(WM_CLOSE);
    HWND box = WaitForMessageBox(*app_, kExitQuestion);
    EXPECT_EQ(TextOf(box), "Clearwell");
    Answer(box, IDNO);
    KeepsTrue([&] { return app_->Running() && window_->Visible(); }, "Clearwell runs on", 1500);

    // Exit from the File menu asks too; Yes ends the program.
    window_->Command(m::mExit);
    Answer(WaitForMessageBox(*app_, kExitQuestion), IDYES);
    EXPECT_TRUE(app_->WaitForExit(10000)) << "Clearwell did not end after Yes";
    EXPECT_EQ(app_->ExitCode(), 0u);
}

TEST_F(MainWindowGui, MinimisingHidesTheWindowAndTheTrayIconBringsItBack) {
    window_->Post(WM_SYSCOMMAND, SC_MINIMIZE);
    WaitUntil([&] { return !window_->Visible(); }, "the minimised window to leave the screen");

    // The tray icon's left click, as the shell reports it to the window.
    window_->Post(kTrayCallbackMessage, kTrayIconId, kTrayLeftButtonUp);
    WaitUntil([&] { return window_->Visible() && !window_->Minimized(); },
              "the window back in its normal state");
    WaitUntil([&] { return window_->InFront(); }, "the window in front");
}

TEST_F(MainWindowGui, ASecondCopyEndsAndBringsTheFirstToTheFront) {
    window_->Post(WM_SYSCOMMAND, SC_MINIMIZE);
    WaitUntil([&] { return !window_->Visible(); }, "the first copy in the tray");

    Process second = Process::Start("Clearwell.exe");
    EXPECT_TRUE(second.WaitForExit(10000)) << "the second copy did not end";
    EXPECT_EQ(second.ExitCode(), 0u);
    WaitUntil([&] { return window_->Visible() && !window_->Minimized(); },
              "the first copy's window restored");
    WaitUntil([&] { return window_->InFront(); }, "the first copy's window in front");
    EXPECT_TRUE(app_->Running());
}

TEST_F(MainWindowGui, WindowsZHidesBrowserWindowsAndWindowsShiftZRestoresThem) {
    Process browsers = Process::Start("BrowserWindows.exe");
    HWND ie = browsers.WaitForWindow("IEFrame", "Test Page - Internet Explorer");
    HWND folder = nullptr;
    WaitUntil([&] { return (folder = browsers.FindWindowOfClass("CabinetWClass")) != nullptr; },
              "the folder window");
    HWND other = browsers.WaitForWindow("Notepad", "Untitled - Notepad");
    WINDOWPLACEMENT ieBefore = PlacementOf(ie), folderBefore = PlacementOf(folder);
    ASSERT_EQ(folderBefore.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));

    // The chord as keyboard input; where the display cannot deliver it, as the hotkey
    // message the system would send.
    PressKeys({VK_LWIN, 'Z'});
    try {
        WaitUntil([&] { return !IsWindowVisible(ie); }, "Windows+Z", 2000);
        RecordProperty("WindowsZ", "keyboard");
    } catch (const DriverError&) {
        RecordProperty("WindowsZ", "WM_HOTKEY");
        window_->Post(WM_HOTKEY, 95, MAKELPARAM(MOD_WIN, 'Z'));
    }
    WaitUntil([&] { return !IsWindowVisible(ie) && !IsWindowVisible(folder); },
              "the browser and folder windows hidden");
    EXPECT_TRUE(IsWindowVisible(other));

    PressKeys({VK_LWIN, VK_SHIFT, 'Z'});
    try {
        WaitUntil([&] { return IsWindowVisible(ie); }, "Windows+Shift+Z", 2000);
        RecordProperty("WindowsShiftZ", "keyboard");
    } catch (const DriverError&) {
        RecordProperty("WindowsShiftZ", "WM_HOTKEY");
        window_->Post(WM_HOTKEY, 111, MAKELPARAM(MOD_WIN | MOD_SHIFT, 'Z'));
    }
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
