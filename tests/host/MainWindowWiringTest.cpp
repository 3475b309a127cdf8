// The features as the main window wires them on the fakes.

#include <gtest/gtest.h>

#include "host/MainWindowWorld.h"

namespace cw::testing {
namespace {

struct World : MainWindowWorld {
    World() {
        // Traces of the Run list (a ticked item) and of the printer ports (not ticked).
        f.registry.SetString(kHkeyCurrentUser, settings::kRunMruKey, "a", "notepad\\1");
        f.registry.SetString(kHkeyCurrentUser, settings::kRunMruKey, "MRUList", "a");
        f.registry.SetString(kHkeyCurrentUser, settings::kPrnPortsMruKey, "a", "LPT1:");
        Store("chkRunMenu", "1");
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

// (The cookie lists, the version texts and a drop on the shred list, each filled or taken
// by the real window: gui BrowserPagesGuiTest and PagesGuiTest.)
TEST(MainWindowWiringTest, AStoredLockKeepsTheHomePageTimerRunningFromStartUp) {
    World w;
    w.f.registry.SetString(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage,
                           "http://home.example/");
    w.f.registry.SetString(kHkeyCurrentUser, settings::kIEMainKey, "Lock", "1");
    w.window.Form_Load();
    const HomePageControls& home = w.c.homePage;
    EXPECT_EQ(std::tuple(home.txtHomePageURL.Text(), home.chkLockIEHomepage.Checked(),
                         home.timIEURL.Enabled(), w.f.errors.reports.size()),
              std::tuple("http://home.example/", true, true, 0u));
}

// (The Panic Key on the toolbar, through the real window: gui PagesGuiTest.)
TEST(MainWindowWiringTest, TheTraysPanicCleansWhatIsTickedWithoutTickingTheRest) {
    World tray;
    tray.window.Form_Load();
    tray.c.mPopPanic.Click();
    EXPECT_TRUE(tray.window.Unloaded() && tray.RunListCleaned() && tray.PrinterPortsKept());
    EXPECT_EQ(tray.Stored("chkPrinterPorts"), "0");
}

TEST(MainWindowWiringTest, TheUnloadEndsTheFavoritesGuard) {
    World w;
    w.f.fs.AddDirectory("C:\\Documents and Settings\\bob\\Favorites");
    w.window.Form_Load();
    w.c.favorites.cmdEnableAutoBookMark.Click();
    ASSERT_TRUE(w.window.Features().favorites.Watching());
    ASSERT_TRUE(w.c.favorites.timFavoritesWatch.Enabled());
    w.f.dialogs.answers = {ui::vbYes};
    EXPECT_TRUE(w.window.Unload(UnloadMode::FormControlMenu));
    EXPECT_FALSE(w.window.Features().favorites.Guarding() ||
                 w.window.Features().favorites.Watching() ||
                 w.c.favorites.timFavoritesWatch.Enabled());
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
        EXPECT_EQ(std::tuple(w.RunListCleaned(), w.PrinterPortsKept()), std::tuple(k.cleaned, true))
            << label;
        EXPECT_EQ(w.Stored("chkTemp"), "<none>") << label << ": the user's close saves nothing";
        w.window.EndSession(k.mayEnd);
        EXPECT_EQ(w.window.Unloaded(), k.mayEnd) << label;
    }

    // The close box and the menu's Exit never clean, whatever the setting.
    World box;
    box.Store(settings::kRunOnExit, "True");
    box.window.Form_Load();
    EXPECT_TRUE(box.window.Unload(UnloadMode::FormControlMenu) && !box.RunListCleaned());
}

}  // namespace
}  // namespace cw::testing
