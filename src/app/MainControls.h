#pragma once
// Every control of the main window frmMain: the window's own (pages, toolbar, status bar,
// menus, timers) and the groups each feature owns.

#include <array>
#include <string>

#include "browser/BrowserControls.h"
#include "clean/CacheControls.h"
#include "clean/PrivacyControls.h"
#include "shred/ShredderControls.h"
#include "sysinfo/SystemInfoControls.h"
#include "ui/Controls.h"

namespace cw {

inline constexpr const char kMainCaption[] = "Clearwell v2.10";
inline constexpr int kPageCount = 6;

struct MainControls {
    // Pages: fraMain(0) to fraMain(5), laid over the placeholder fraContainer.
    ui::Frame fraContainer{"fraContainer", ""};
    std::array<ui::Frame, kPageCount> fraMain{
        ui::Frame{"fraMain(0)", ""}, ui::Frame{"fraMain(1)", ""}, ui::Frame{"fraMain(2)", ""},
        ui::Frame{"fraMain(3)", ""}, ui::Frame{"fraMain(4)", ""}, ui::Frame{"fraMain(5)", ""}};

    ui::Toolbar tlbMain{"tlbMain",
                        {{"Main", "", false},
                         {"Privacy", "", false},
                         {"IE Cache", "", false},
                         {"Netscape", "", false},
                         {"System Info", "", false},
                         {"Shredder", "About Tracebane", false},
                         {"Panic Key", "", false}}};
    ui::StatusBar stbMain{"stbMain"};

    ui::MenuItem mnuFile{"mnuFile", "&File"};
    ui::MenuItem mExit{"mExit", "E&xit"};
    ui::MenuItem mnuOptions{"mnuOptions", "&Options"};
    ui::MenuItem mSettings{"mSettings", "&Settings"};
    ui::MenuItem mCheckUpgrades{"mCheckUpgrades", "Check for Upgrades"};
    ui::MenuItem mKeepCookies{"mKeepCookies", "Cookies to Keep"};
    ui::MenuItem mnuHelp{"mnuHelp", "&Help"};
    ui::MenuItem mHelpArticles{"mHelpArticles", "Help Articles"};
    ui::MenuItem mBlank{"mBlank", "-"};
    ui::MenuItem mAboutClearwell{"mAboutClearwell", "About Clearwell"};
    ui::MenuItem mPopupSys{"mPopupSys", "SysTray"};
    ui::MenuItem mPopPanic{"mPopPanic", "Panic"};
    ui::MenuItem mPopRestore{"mPopRestore", "Restore"};
    ui::MenuItem mSepSysTray{"mSepSysTray", "-"};
    ui::MenuItem mPopExit{"mPopExit", "Exit"};

    ui::Timer timScheduler{"timScheduler", 10000, true};
    ui::Timer timAutoUpdate{"timAutoUpdate", 60000, true};
    ui::Timer Timer1{"Timer1", 300, false};  // never started; only its control ID is used

    // Page 0, "Main".
    ui::Label lblIEHotkey{"lblIEHotkey"};
    ui::Image imgBanner{"imgBanner"};
    BrowserButtonControls browserButton;
    FavoritesGuardControls favorites;
    PanicControls panic;
    // Page 1, "Privacy".
    PrivacyControls privacy;
    // Page 2, "IE Cache".
    CacheControls cache;
    HomePageControls homePage;  // its Netscape part sits on page 3
    // Page 3, "Netscape".
    CookieViewerControls cookies;
    // Page 4, "System Info".
    SystemInfoControls sysInfo;
    // Page 5, "Shredder".
    ShredderControls shredder;
    ScheduledShredderControls shredFolder;

    MainControls() { mPopupSys.SetVisible(false); }
};

}  // namespace cw
