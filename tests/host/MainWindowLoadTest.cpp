#include <gtest/gtest.h>

#include "app/HotKeys.h"
#include "host/MainWindowWorld.h"

namespace cw::testing {
namespace {

struct MainWindowFixture : ::testing::Test, MainWindowWorld {
    int PressedButton() {
        int pressed = 0;
        for (int i = 1; i <= c.tlbMain.ButtonCount(); ++i) {
            if (c.tlbMain.Button(i).pressed) pressed = pressed ? -1 : i;
        }
        return pressed;
    }
    int VisiblePage() {
        int shown = -1;
        for (int i = 0; i < kPageCount; ++i) {
            if (c.fraMain[static_cast<std::size_t>(i)].Visible()) shown = shown >= 0 ? -2 : i;
        }
        return shown;
    }
};

TEST_F(MainWindowFixture, FirstStartWithAnEmptyStore) {
    f.shell.modulePath = "C:\\Program Files\\Clearwell\\CLEARWELL.EXE";
    window.Form_Load();

    for (ui::CheckBox* box : c.privacy.InRunOrder())
        EXPECT_EQ(box->Value(), 0) << box->Name();
    EXPECT_EQ(c.shredder.cmbOver.ListCount(), 11);
    EXPECT_EQ(c.shredder.cmbOver.List(10), "110");
    EXPECT_EQ(c.shredder.cmbOver.ListIndex(), 4);
    EXPECT_EQ(c.shredder.cmbOver.Text(), "50");
    EXPECT_EQ(VisiblePage(), 0);
    EXPECT_EQ(PressedButton(), 1);
    RegValue ver;
    ASSERT_EQ(f.registry.QueryValue(kHkeyLocalMachine, "Software\\Microsoft\\ClearMem", "ver", ver),
              0);
    EXPECT_EQ(TextUpToZero(ver.data), "5");

    EXPECT_EQ(c.shredFolder.txtShredFolder.Text(), "");
    EXPECT_EQ(c.shredFolder.cmbHour.Text(), "");
    EXPECT_EQ(c.shredder.lStat.Caption(), "Waiting...");
    EXPECT_EQ(c.stbMain.Text(), "Internet connection via a LAN\r\n.");
    EXPECT_EQ(window.ExePath(), "C:\\Program Files\\Clearwell\\CLEARWELL.exe");
    EXPECT_FALSE(c.homePage.timIEURL.Enabled());
    EXPECT_TRUE(c.timScheduler.Enabled());
    EXPECT_EQ(c.timScheduler.Interval(), 10000);
    EXPECT_TRUE(c.timAutoUpdate.Enabled());
    EXPECT_TRUE(c.shredFolder.timShredFolder.Enabled());
    EXPECT_FALSE(c.Timer1.Enabled());
    EXPECT_TRUE(view.Visible());
    EXPECT_FALSE(window.UnattendedExit());
    EXPECT_TRUE(f.errors.reports.empty());
    EXPECT_TRUE(f.dialogs.shown.empty());

    // The tray icon: the window, id 1, message, icon and tip, the caption padded to 64.
    ASSERT_EQ(f.notifyIcon.icons.size(), 1u);
    const NotifyIconData& icon = f.notifyIcon.icons[0];
    EXPECT_EQ(icon.window, view.Handle());
    EXPECT_EQ(icon.id, 1u);
    EXPECT_EQ(icon.flags, 7u);
    EXPECT_EQ(icon.callbackMessage, kTrayCallbackMessage);
    EXPECT_EQ(icon.icon, view.Icon());
    EXPECT_EQ(icon.tip, "Clearwell v2.10" + std::string(64 - 15, ' '));

    // Ctrl+Shift+Q for the window (not Shift+Q, which would take every capital Q typed
    // anywhere), then Windows+Z and Windows+Shift+Z.
    ASSERT_EQ(f.desktop.sent.size(), 1u);
    EXPECT_EQ(f.desktop.sent[0].message, 0x0032u);
    EXPECT_EQ(f.desktop.sent[0].wParam, 0x0351u);
    ASSERT_EQ(f.desktop.hotkeys.size(), 2u);
    EXPECT_EQ(f.desktop.hotkeys[0].id, 95);
    EXPECT_EQ(f.desktop.hotkeys[0].modifiers, 8u);
    EXPECT_EQ(f.desktop.hotkeys[0].key, 0x5Au);
    EXPECT_EQ(f.desktop.hotkeys[1].id, 111);
    EXPECT_EQ(f.desktop.hotkeys[1].modifiers, 12u);
}

TEST_F(MainWindowFixture, StoredSettingsLoadAndBadValuesLeaveOnlyTheirOwnBox) {
    f.registry.SetString(kHkeyLocalMachine, "Software\\Microsoft\\ClearMem", "ver", "7");
    Store("chkUrls", "abc");   // not a number: skipped without a report
    Store("chkCookies", "1");  // after the bad one: still loaded
    Store("netscape3", "1");   // the last box
    Store("chkVb", "5");       // a number no check box takes: reported
    Store("chkTemp", "0");
    Store("ShredFolder", "C:\\Shred");
    Store("ShredFolderHour", "2");
    Store("ShredFolderMinute", "30");
    window.Form_Load();

    EXPECT_EQ(c.privacy.chkUrls.Value(), 0);
    EXPECT_EQ(c.privacy.chkCookies.Value(), 1);
    EXPECT_EQ(c.privacy.netscape3.Value(), 1);
    EXPECT_EQ(c.privacy.chkVb.Value(), 0);
    EXPECT_EQ(c.privacy.chkWordPad.Value(), 0);
    ASSERT_EQ(f.errors.reports.size(), 1u);
    EXPECT_EQ(f.errors.reports[0].tag, "frmMain,Form_Load");
    EXPECT_EQ(f.errors.reports[0].number, 380);

    EXPECT_EQ(c.shredFolder.txtShredFolder.Text(), "C:\\Shred");
    EXPECT_EQ(c.shredFolder.cmbHour.Text(), "2");
    EXPECT_EQ(c.shredFolder.cmbHour.ListIndex(), 2);
    EXPECT_EQ(c.shredFolder.cmbMinute.Text(), "30");
    RegValue ver;
    f.registry.QueryValue(kHkeyLocalMachine, "Software\\Microsoft\\ClearMem", "ver", ver);
    EXPECT_EQ(TextUpToZero(ver.data), "7");
}

TEST_F(MainWindowFixture, ARefusedWindowHotKeyIsToldAndTheLoadGoesOn) {
    f.desktop.sendResult = 2;  // another window holds the key
    window.Form_Load();
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].prompt, "You need another hotkey");
    EXPECT_EQ(f.dialogs.shown[0].title, "Error");
    EXPECT_EQ(f.dialogs.shown[0].buttons, ui::vbOKOnly);
    EXPECT_EQ(f.notifyIcon.icons.size(), 1u);
    EXPECT_EQ(c.shredder.cmbOver.Text(), "50");

    // A system without window hotkeys answers 0: nothing to tell the user.
    MainWindowWorld other;
    other.f.desktop.sendResult = 0;
    other.window.Form_Load();
    EXPECT_TRUE(other.f.dialogs.shown.empty());
}

TEST_F(MainWindowFixture, ConnectionStatusForEachFlagCombination) {
    struct Case {
        bool connected;
        std::uint32_t flags;
        const char* text;
    } cases[] = {
        {false, 0x02, "You are currently not connected to the internet."},
        {true, 0x00, "."},
        {true, 0x02, "Internet connection via a LAN\r\n."},
        {true, 0x12, "Internet connection via a LAN\r\n."},
        {true, 0x06,
         "Internet connection via a LAN\r\n, and connection is through a proxy server."},
        {true, 0x04, ", and connection is through a proxy server."},
        {true, 0x01, "Internet connection via a Modem\r\n"},
        {true, 0x03, "Internet connection via a Modem\r\n"},
        {true, 0x09,
         "Internet connection via a Modem\r\nModem is busy with a non-Internet connection."},
        {true, 0x0A,
         "Internet connection via a LAN\r\n.Modem is busy with a non-Internet connection."},
        {true, 0x22, "Internet connection is currently offline."},
        {true, 0x28,
         "Internet connection is currently offline.Modem is busy with a non-Internet connection."},
    };
    for (const Case& k : cases) {
        f.internet.SetConnectedState(k.connected, k.flags);
        EXPECT_EQ(window.GetConnectionStatus(), k.text) << "flags " << k.flags;
    }
}

TEST_F(MainWindowFixture, ToolbarBringsEachPageToTheFrontAndPanicKeyNone) {
    window.Form_Load();
    for (int button = 1; button <= 6; ++button) {
        c.tlbMain.ButtonClick(button);
        EXPECT_EQ(VisiblePage(), button - 1);
        EXPECT_EQ(PressedButton(), button);
    }
    c.tlbMain.ButtonClick(3);
    std::vector<std::string> clicks;
    c.privacy.cmdSelectAll.onClick = [&] { clicks.push_back("cmdSelectAll"); };
    c.panic.cmdPanic.onClick = [&] { clicks.push_back("cmdPanic"); };
    c.tlbMain.ButtonClick(7);
    EXPECT_EQ(PressedButton(), 0);
    EXPECT_EQ(VisiblePage(), 2);
    EXPECT_EQ(clicks, (std::vector<std::string>{"cmdSelectAll", "cmdPanic"}));
}

TEST_F(MainWindowFixture, MinimisingGoesToTheTrayAndTheTrayBringsItBack) {
    window.Form_Load();
    view.SetState(WindowState::Minimized);
    EXPECT_FALSE(view.Visible());
    EXPECT_EQ(f.notifyIcon.icons.size(), 1u);

    // A right click shows the pop-up menu and leaves the window hidden.
    window.TrayIcon_Event(kTrayRightButtonUp);
    EXPECT_EQ(view.popups, (std::vector<std::string>{"mPopupSys"}));
    EXPECT_FALSE(view.Visible());
    window.TrayIcon_Event(0x0200);  // a mere mouse move over the icon
    EXPECT_FALSE(view.Visible());

    c.mPopRestore.Click();
    EXPECT_TRUE(view.Visible());
    EXPECT_EQ(view.State(), WindowState::Normal);
    EXPECT_EQ(f.desktop.foreground, view.Handle());

    for (int message : {kTrayLeftButtonUp, kTrayLeftDoubleClick}) {
        view.SetState(WindowState::Minimized);
        f.desktop.foreground = 0;
        window.TrayIcon_Event(message);
        EXPECT_TRUE(view.Visible());
        EXPECT_EQ(view.State(), WindowState::Normal);
        EXPECT_EQ(f.desktop.foreground, view.Handle());
    }

    int panics = 0;
    c.panic.cmdPanic.onClick = [&] { ++panics; };
    c.mPopPanic.Click();
    EXPECT_EQ(panics, 1);
}

TEST_F(MainWindowFixture, HelpOpensTheMakersHelpPage) {
    c.mHelpArticles.Click();
    ASSERT_EQ(f.shell.executions.size(), 1u);
    const auto& run = f.shell.executions[0];
    EXPECT_EQ(run.file.substr(run.file.size() - 6), "/help/");
    EXPECT_EQ(run.file.find("//help"), std::string::npos);
    EXPECT_EQ(run.showCommand, kSwShowNormal);
}

}  // namespace
}  // namespace cw::testing
