#include <gtest/gtest.h>

#include "clean/CleaningItems.h"

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

    for (const CleaningItemRow& row : kCleaningItems)
        EXPECT_EQ(BoxOf(c.privacy, row).Value(), 0) << BoxOf(c.privacy, row).Name();
    const ui::ComboBox& over = c.shredder.cmbOver;
    EXPECT_EQ(std::tuple(over.ListCount(), over.List(10), over.ListIndex(), over.Text()),
              std::tuple(11, "110", 4, "50"));
    EXPECT_EQ(f.settings.GetSettingString(kHkeyLocalMachine, settings::kUpdateKey, "ver"), "5");

    EXPECT_EQ(window.ExePath(), "C:\\Program Files\\Clearwell\\CLEARWELL.exe");
    EXPECT_FALSE(c.homePage.timIEURL.Enabled());
    EXPECT_TRUE(c.timScheduler.Enabled() && c.timAutoUpdate.Enabled() &&
                c.shredFolder.timShredFolder.Enabled());
    EXPECT_TRUE(f.errors.reports.empty() && f.dialogs.shown.empty());
    // The tray tip is the caption padded to 64.
    ASSERT_EQ(f.notifyIcon.icons.size(), 1u);
    EXPECT_EQ(f.notifyIcon.icons[0].tip, "Clearwell v2.10" + std::string(64 - 15, ' '));

    // Ctrl+Shift+Q for the window (not Shift+Q, which would take every capital Q typed
    // anywhere), then Windows+Z and Windows+Shift+Z.
    ASSERT_EQ(f.desktop.sent.size(), 1u);
    EXPECT_EQ(std::tuple(f.desktop.sent[0].message, f.desktop.sent[0].wParam),
              std::tuple(0x0032u, 0x0351u));
    std::vector<std::tuple<int, std::uint32_t, std::uint32_t>> hotkeys;
    for (const fakes::HotKey& h : f.desktop.hotkeys)
        hotkeys.emplace_back(h.id, h.modifiers, h.key);
    EXPECT_EQ(hotkeys, (decltype(hotkeys){{95, 8, 0x5A}, {111, 12, 0x5A}}));
}

TEST_F(MainWindowFixture, StoredSettingsLoadAndBadValuesOrARefusedHotKeyStopNothing) {
    f.registry.SetString(kHkeyLocalMachine, settings::kUpdateKey, "ver", "7");
    Store("chkUrls", "abc");   // not a number: skipped without a report
    Store("chkCookies", "1");  // after the bad one: still loaded
    Store("netscape3", "1");   // the last box
    Store("chkVb", "5");       // a number no check box takes: reported
    Store("chkTemp", "0");
    Store("ShredFolder", "C:\\Shred");
    Store("ShredFolderHour", "2");
    Store("ShredFolderMinute", "30");
    f.desktop.sendResult = 2;  // another window holds the key (0: no window hotkeys at all)
    window.Form_Load();

    const ui::CheckBox* boxes[] = {&c.privacy.chkUrls, &c.privacy.chkCookies, &c.privacy.netscape3,
                                   &c.privacy.chkVb, &c.privacy.chkWordPad};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(boxes[i]->Value(), i == 1 || i == 2) << boxes[i]->Name();
    ASSERT_EQ(f.errors.reports.size(), 1u);
    EXPECT_EQ(std::tuple(f.errors.reports[0].tag, f.errors.reports[0].number),
              std::tuple("frmMain,Form_Load", 380));

    const ScheduledShredderControls& shred = c.shredFolder;
    EXPECT_EQ(std::tuple(shred.txtShredFolder.Text(), shred.cmbHour.Text(),
                         shred.cmbHour.ListIndex(), shred.cmbMinute.Text()),
              std::tuple("C:\\Shred", "2", 2, "30"));
    EXPECT_EQ(f.settings.GetSettingString(kHkeyLocalMachine, settings::kUpdateKey, "ver"), "7");
    // The refused window hotkey is told, and the load went on.
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(std::tuple(f.dialogs.shown[0].prompt, f.dialogs.shown[0].title),
              std::tuple("You need another hotkey", "Error"));
}

TEST_F(MainWindowFixture, ConnectionStatusTakesTheFlagsInOrderOfPrecedence) {
    struct Case {
        bool connected;
        std::uint32_t flags;
        const char* text;
    } cases[] = {
        {false, 0x02, "You are currently not connected to the internet."},
        {true, 0x00, "."},
        {true, 0x16,
         "Internet connection via a LAN\r\n, and connection is through a proxy server."},
        {true, 0x07, "Internet connection via a Modem\r\n"},  // the modem comes first
        {true, 0x0A,
         "Internet connection via a LAN\r\n.Modem is busy with a non-Internet connection."},
        {true, 0x2F,  // offline before all, the busy modem said after it
         "Internet connection is currently offline.Modem is busy with a non-Internet connection."},
    };
    for (const Case& k : cases) {
        f.internet.SetConnectedState(k.connected, k.flags);
        EXPECT_EQ(window.GetConnectionStatus(), k.text) << "flags " << k.flags;
    }
}

// (Each page button, on the real window: gui MainWindowGuiTest.)
TEST_F(MainWindowFixture, PanicKeyPressesNoButtonAndLeavesThePage) {
    window.Form_Load();
    c.tlbMain.ButtonClick(3);
    c.privacy.cmdSelectAll.onClick = [] {};  // the panic run itself: gui PagesGuiTest
    c.panic.cmdPanic.onClick = [] {};
    c.tlbMain.ButtonClick(7);
    EXPECT_EQ(std::tuple(VisiblePage(), PressedButton()), std::tuple(2, 0));
}

}  // namespace
}  // namespace cw::testing
