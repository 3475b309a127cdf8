// The features as the main window wires them: what the load fills in, the schedule, the
// panic run from the toolbar and the tray, the guard's end at unload, and the cleaning at
// Windows shutdown after the user's Yes.

#include <gtest/gtest.h>

#include <memory>

#include "app/MainWindow.h"
#include "fakes/FakeMainView.h"
#include "fakes/FakeServices.h"
#include "settings/SettingNames.h"

namespace cw {
namespace {

using settings::kSettingsKey;
using settings::kSettingsRoot;

constexpr char kNavigator[] = "C:\\Program Files\\Netscape\\Users\\bob";

struct World {
    fakes::FakeServices f;
    fakes::FakeMainView view{f.desktop};
    MainWindow window{f.services};
    MainControls& c = window.Controls();

    World() {
        window.AttachView(view);
        view.onResize = [this] { window.Form_Resize(); };
        // Traces of the Run list (a ticked item) and of the printer ports (not ticked).
        f.registry.SetString(kHkeyCurrentUser, settings::kRunMruKey, "a", "notepad\\1");
        f.registry.SetString(kHkeyCurrentUser, settings::kRunMruKey, "MRUList", "a");
        f.registry.SetString(kHkeyCurrentUser, settings::kPrnPortsMruKey, "a", "LPT1:");
        Store("chkRunMenu", "1");
    }
    void Store(const std::string& name, const std::string& text) {
        f.registry.SetString(kSettingsRoot, kSettingsKey, name, text);
    }
    std::string Stored(const std::string& name) {
        return f.settings.GetSettingString(kSettingsRoot, kSettingsKey, name, "<none>");
    }
    bool RunListCleaned() {
        return f.settings.GetSettingString(kHkeyCurrentUser, settings::kRunMruKey, "a", "<none>") ==
               "<none>";
    }
    bool PrinterPortsKept() {
        return f.settings.GetSettingString(kHkeyCurrentUser, settings::kPrnPortsMruKey, "a") ==
               "LPT1:";
    }
};

TEST(MainWindowWiringTest, TheLoadFillsThePagesFromTheirFeatures) {
    World w;
    w.f.registry.SetString(kHkeyCurrentUser, settings::kNetscapeBiffKey, "CurrentUser", "bob");
    w.f.registry.SetString(kHkeyCurrentUser, settings::kNetscapeMainKey, "Install Directory",
                           "C:\\Program Files\\Netscape\\Communicator");
    w.f.fileSystem.AddFile(std::string(kNavigator) + "\\cookies.txt",
                           "# Netscape HTTP Cookie File\r\n\r\n\r\n\r\n\r\n\r\n"
                           ".a.example\tTRUE\t/\tFALSE\t0\tid\tv1\r\n"
                           ".b.example\tTRUE\t/\tFALSE\t0\tid\tv2\r\n"
                           ".a.example\tTRUE\t/\tFALSE\t0\tsid\tv3\r\n");
    w.f.registry.SetString(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage,
                           "http://home.example/");
    w.f.registry.SetString(kHkeyCurrentUser, settings::kIEMainKey, "Lock", "1");
    w.Store(settings::kShredFolder, "C:\\Shred");
    w.f.osVersion.SetWindows2000();
    w.window.Form_Load();
    MainControls& c = w.c;

    EXPECT_EQ(c.cookies.List1.Items(), (std::vector<std::string>{".a.example", ".b.example"}));
    EXPECT_EQ(c.cookies.List2.Items(), (std::vector<std::string>{"2", "1"}));
    EXPECT_EQ(c.sysInfo.lblOSVer.Caption(), "Windows 2000 Professional");
    EXPECT_NE(c.sysInfo.lblWinVer.Value().Caption(), "");
    EXPECT_EQ(c.homePage.txtHomePageURL.Text(), "http://home.example/");
    EXPECT_TRUE(c.homePage.chkLockIEHomepage.Checked());
    EXPECT_TRUE(c.homePage.timIEURL.Enabled()) << "a stored lock is kept from start-up";
    EXPECT_EQ(c.shredFolder.txtShredFolder.Text(), "C:\\Shred");
    EXPECT_EQ(c.privacy.chkRunMenu.Value(), 1);
    EXPECT_FALSE(c.shredder.pb1.Visible());
    EXPECT_FALSE(c.shredder.cmdShredDelete.Enabled());
    EXPECT_TRUE(w.f.errors.reports.empty());

    // The shred list takes what is dropped on it.
    ASSERT_EQ(w.view.dropTarget, &w.window.Features().shredder.obj);
    w.view.dropTarget->Dropped("  C:\\Documents\\old.txt ");
    EXPECT_EQ(c.shredder.lstFiles.Items(), (std::vector<std::string>{"C:\\Documents\\old.txt"}));
    EXPECT_EQ(c.shredder.lStat.Caption(), "Ready...");
    EXPECT_TRUE(c.shredder.cmdShredDelete.Enabled());
}

TEST(MainWindowWiringTest, TheScheduleTimerRunsTheTickedItems) {
    World w;
    w.Store(settings::kDailyScheduleTime, "07:30:00");
    w.f.clock.Set(2026, 3, 2, 7, 29, 50);
    w.window.Form_Load();
    w.c.timScheduler.Tick();
    EXPECT_FALSE(w.RunListCleaned()) << "not yet the set minute";
    w.f.clock.Set(2026, 3, 2, 7, 30, 0);
    w.c.timScheduler.Tick();
    EXPECT_TRUE(w.RunListCleaned());
    EXPECT_TRUE(w.PrinterPortsKept());
    EXPECT_TRUE(w.f.dialogs.shown.empty());
    EXPECT_FALSE(w.window.Unloaded());
}

TEST(MainWindowWiringTest, PanicKeyAndTrayPanicCleanStoreEveryBoxAndEndTheProgram) {
    World w;
    w.window.Form_Load();
    w.c.tlbMain.ButtonClick(7);
    EXPECT_TRUE(w.window.Unloaded());
    EXPECT_TRUE(w.view.closed);
    EXPECT_TRUE(w.f.notifyIcon.icons.empty());
    EXPECT_TRUE(w.f.dialogs.shown.empty());
    for (const char* name : settings::kCleaningBoxes)
        EXPECT_EQ(w.Stored(name), "1") << name;
    EXPECT_TRUE(w.RunListCleaned());
    EXPECT_FALSE(w.PrinterPortsKept());

    // The tray's "Panic" cleans what is ticked, without ticking the rest.
    World tray;
    tray.window.Form_Load();
    tray.c.mPopPanic.Click();
    EXPECT_TRUE(tray.window.Unloaded());
    EXPECT_TRUE(tray.RunListCleaned());
    EXPECT_TRUE(tray.PrinterPortsKept());
    EXPECT_EQ(tray.Stored("chkPrinterPorts"), "0");
}

TEST(MainWindowWiringTest, TheUnloadEndsTheFavoritesGuard) {
    World w;
    w.f.fileSystem.AddDirectory("C:\\Documents and Settings\\bob\\Favorites");
    w.window.Form_Load();
    w.c.favorites.cmdEnableAutoBookMark.Click();
    ASSERT_TRUE(w.window.Features().favorites.Watching());
    ASSERT_TRUE(w.c.favorites.timFavoritesWatch.Enabled());
    w.f.dialogs.answers = {ui::vbYes};
    EXPECT_TRUE(w.window.Unload(UnloadMode::FormControlMenu));
    EXPECT_FALSE(w.window.Features().favorites.Guarding());
    EXPECT_FALSE(w.window.Features().favorites.Watching());
    EXPECT_FALSE(w.c.favorites.timFavoritesWatch.Enabled());
}

// Windows shutting down with the user's own close: the usual question, and on Yes the
// ticked items are cleaned when "RunOnExit" is exactly "True".
TEST(MainWindowWiringTest, ShutdownCleansAfterTheUsersYesWhenRunOnExitIsTrue) {
    struct Case {
        const char* runOnExit;  // under the settings key; nullptr: absent
        int answer;
        bool mayEnd;
        bool cleaned;
    } cases[] = {
        {"True", ui::vbYes, true, true},   {"True", ui::vbNo, false, false},
        {nullptr, ui::vbYes, true, false}, {"true", ui::vbYes, true, false},
        {"False", ui::vbYes, true, false},
    };
    for (const Case& k : cases) {
        std::string label = std::string(k.runOnExit ? k.runOnExit : "absent") + " " +
                            (k.answer == ui::vbYes ? "Yes" : "No");
        World w;
        if (k.runOnExit) w.Store(settings::kRunOnExit, k.runOnExit);
        w.window.Form_Load();
        w.c.privacy.chkTemp.SetValue(1);
        w.f.dialogs.answers = {k.answer};
        EXPECT_EQ(w.window.QueryEndSession(), k.mayEnd) << label;
        ASSERT_EQ(w.f.dialogs.shown.size(), 1u) << label;
        EXPECT_EQ(w.f.dialogs.shown[0].prompt, "Are you sure you want to exit this program?");
        EXPECT_EQ(w.RunListCleaned(), k.cleaned) << label;
        EXPECT_TRUE(w.PrinterPortsKept()) << label;
        EXPECT_EQ(w.Stored("chkTemp"), "<none>") << label << ": the user's close saves nothing";
        w.window.EndSession(k.mayEnd);
        EXPECT_EQ(w.window.Unloaded(), k.mayEnd) << label;
    }

    // Read as the close reads it: the application-settings area when the settings key has
    // no value.
    World area;
    area.f.registry.SetString(kHkeyCurrentUser,
                              "Software\\VB and VBA Program Settings\\Clearwell\\Install",
                              "RunOnExit", "True");
    area.window.Form_Load();
    EXPECT_TRUE(area.window.QueryEndSession());
    EXPECT_TRUE(area.RunListCleaned());

    // The close box and the menu's Exit never clean, whatever the setting.
    World box;
    box.Store(settings::kRunOnExit, "True");
    box.window.Form_Load();
    EXPECT_TRUE(box.window.Unload(UnloadMode::FormControlMenu));
    EXPECT_FALSE(box.RunListCleaned());
}

// The whole story of the setting: a panic run with "RunOnExit" set leaves the program in the
// tray with UnattendedExit cleared; when Windows then shuts down, the user is asked, and the
// Yes cleans before the program ends.
TEST(MainWindowWiringTest, AfterAPanicLeftItInTheTrayTheShutdownStillCleans) {
    World w;
    w.Store(settings::kRunOnExit, "True");
    w.window.Form_Load();
    w.c.panic.cmdPanic.Click();
    ASSERT_FALSE(w.window.Unloaded());
    ASSERT_FALSE(w.window.UnattendedExit());
    ASSERT_TRUE(w.RunListCleaned());

    // New traces appear while the program waits in the tray.
    w.f.registry.SetString(kHkeyCurrentUser, settings::kRunMruKey, "a", "regedit\\1");
    w.f.registry.SetString(kHkeyCurrentUser, settings::kRunMruKey, "MRUList", "a");
    w.f.dialogs.answers = {ui::vbYes};
    EXPECT_TRUE(w.window.QueryEndSession());
    EXPECT_EQ(w.f.dialogs.shown.size(), 1u);
    EXPECT_TRUE(w.RunListCleaned());
    w.window.EndSession(true);
    EXPECT_TRUE(w.window.Unloaded());
}

}  // namespace
}  // namespace cw
