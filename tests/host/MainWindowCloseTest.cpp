#include <gtest/gtest.h>

#include "host/MainWindowWorld.h"

namespace cw::testing {
namespace {

struct CloseFixture : ::testing::Test, MainWindowWorld {
    WindowHandle ie = 0, folder = 0;

    CloseFixture() {
        window.Form_Load();
        ie = f.desktop.Add("IEFrame", "Start - Internet Explorer");
        folder = f.desktop.Add("CabinetWClass", "C:\\");
        window.HotKey(95, 8, 0x5A);  // Windows+Z
    }
    // What the panic run does around its cleaning.
    bool PanicClose() {
        window.SetUnattendedExit();
        window.HideMainWindow();
        window.RemoveTrayIcon();
        return window.Unload(UnloadMode::FormCode);
    }
};

TEST_F(CloseFixture, TheExitQuestionsNoKeepsEverythingAndYesSavesNothing) {
    c.privacy.chkCookies.SetValue(1);
    auto before = f.registry.Dump();
    f.dialogs.answers = {ui::vbNo};
    EXPECT_FALSE(window.Unload(UnloadMode::FormControlMenu));
    ASSERT_EQ(f.dialogs.shown.size(), 1u);  // the question's text: gui MainWindowGuiTest
    EXPECT_EQ(f.dialogs.shown[0].buttons, ui::vbYesNo + ui::vbQuestion);
    EXPECT_TRUE(!window.Unloaded() && !view.closed && f.notifyIcon.icons.size() == 1);
    EXPECT_EQ(f.registry.Dump(), before);

    f.dialogs.answers = {ui::vbYes};
    c.mExit.Click();
    EXPECT_TRUE(window.Unloaded() && view.closed && f.notifyIcon.icons.empty());
    EXPECT_EQ(f.registry.Dump(), before);
    // The user's close leaves hidden browser windows hidden.
    EXPECT_FALSE(f.desktop.IsVisible(ie));
    // A window that is gone takes no more close requests.
    EXPECT_FALSE(window.Unload(UnloadMode::FormCode));
    EXPECT_EQ(f.dialogs.shown.size(), 2u);
}

TEST_F(CloseFixture, TheUnattendedCloseSavesTheBoxesInOrderAndRestoresHiddenWindows) {
    c.privacy.chkCookies.SetValue(1);
    c.privacy.netscape3.SetValue(1);
    c.privacy.chkAutoComplete.SetValue(1);
    EXPECT_TRUE(PanicClose());

    EXPECT_TRUE(f.dialogs.shown.empty());
    std::vector<std::string> names;
    f.registry.EnumValueNames(settings::kSettingsRoot, settings::kSettingsKey, names);
    EXPECT_EQ(names, std::vector<std::string>(settings::kCleaningBoxes.begin(),
                                              settings::kCleaningBoxes.end()));
    for (const char* name : settings::kCleaningBoxes) {
        bool ticked = std::string(name) == "chkCookies" || std::string(name) == "netscape3" ||
                      std::string(name) == "chkAutoComplete";
        EXPECT_EQ(Stored(name), ticked ? "1" : "0") << name;
    }
    EXPECT_TRUE(f.desktop.IsVisible(ie) && f.desktop.IsVisible(folder));
    EXPECT_TRUE(window.Unloaded() && view.closed && f.notifyIcon.icons.empty());
}

TEST_F(CloseFixture, RunOnExitKeepsTheProgramInTheTrayWhereTheUserCanReachAndCloseIt) {
    Store("RunOnExit", "True");
    EXPECT_FALSE(PanicClose());

    EXPECT_FALSE(window.Unloaded() || view.Visible());
    EXPECT_EQ(std::tuple(view.State(), Stored("chkCookies"), f.desktop.IsVisible(ie)),
              std::tuple(WindowState::Minimized, "0", true));
    // The tray icon is back, so the program can be reached...
    ASSERT_EQ(f.notifyIcon.icons.size(), 1u);
    window.TrayIcon_Event(kTrayLeftButtonUp);
    EXPECT_TRUE(view.Visible());
    // ...and the next Exit is the user's own: it asks.
    EXPECT_FALSE(window.UnattendedExit());
    f.dialogs.answers = {ui::vbYes};
    c.mPopExit.Click();
    EXPECT_TRUE(f.dialogs.shown.size() == 1 && window.Unloaded());
}

// Explorer's restart takes every icon with it; the new taskbar's message brings the program's
// back. Without an icon, a minimised window stays on the task bar, where it can be reached.
TEST_F(CloseFixture, TheTrayIconComesBackWithANewTaskbarAndWithoutItTheWindowStaysReachable) {
    f.notifyIcon.icons.clear();
    f.notifyIcon.refuses = true;  // the new shell is not ready yet
    window.TaskbarCreated();
    view.SetState(WindowState::Minimized);
    EXPECT_TRUE(view.Visible());

    f.notifyIcon.refuses = false;
    window.TaskbarCreated();
    ASSERT_EQ(f.notifyIcon.icons.size(), 1u);
    EXPECT_EQ(f.notifyIcon.icons[0].callbackMessage, kTrayCallbackMessage);
    window.Form_Resize();
    EXPECT_FALSE(view.Visible());
    // Once the program removed its icon, a new taskbar gets none.
    window.RemoveTrayIcon();
    window.TaskbarCreated();
    EXPECT_TRUE(f.notifyIcon.icons.empty());
}

TEST_F(CloseFixture, RunOnExitUnderTheSettingsKeyComesBeforeTheApplicationArea) {
    const std::string area = "Software\\VB and VBA Program Settings\\Clearwell\\Install";
    f.registry.SetString(kHkeyCurrentUser, area, "RunOnExit", "True");
    Store("RunOnExit", "False");
    EXPECT_TRUE(PanicClose());  // the settings key says no: the program ends
    MainWindowWorld other;      // without it, the application area is asked
    other.window.Form_Load();
    other.f.registry.SetString(kHkeyCurrentUser, area, "RunOnExit", "True");
    other.window.SetUnattendedExit();
    EXPECT_FALSE(other.window.Unload(UnloadMode::FormCode) || other.window.Unloaded());
}

// (The user's close at Windows' shutdown: MainWindowWiringTest.)
TEST_F(CloseFixture, WindowsShuttingDownEndsAnUnattendedProgramEvenWithRunOnExit) {
    Store("RunOnExit", "True");
    window.SetUnattendedExit();
    c.privacy.chkTemp.SetValue(1);
    EXPECT_TRUE(window.QueryEndSession());  // with RunOnExit the session still ends
    EXPECT_TRUE(f.dialogs.shown.empty() && Stored("chkTemp") == "1" && !window.Unloaded());
    window.EndSession(true);
    EXPECT_TRUE(window.Unloaded() && f.notifyIcon.icons.empty());
}

TEST_F(CloseFixture, ACloseRequestWhileTheQuestionIsOpenIsTurnedDown) {
    // The question box lets messages through: the tray's Exit arrives behind it.
    bool nestedClosed = true;
    f.dialogs.onMsgBox = [&] { nestedClosed = window.Unload(UnloadMode::FormCode); };
    f.dialogs.answers = {ui::vbYes};
    EXPECT_TRUE(window.Unload(UnloadMode::FormControlMenu) && !nestedClosed);
    EXPECT_TRUE(f.dialogs.shown.size() == 1 && window.Unloaded());
}

}  // namespace
}  // namespace cw::testing
