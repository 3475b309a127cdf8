// The places where the main window calls into parts of the program that other features
// provide. Each feature fills in its own function.

#include <string>

#include "app/MainWindow.h"
#include "errors/ErrorTrap.h"

namespace cw {

// The load: lblOSVer = GetOSVer, lblIEVer = GetIeVer (system information).
void MainWindow::ShowVersionLabels() {}

// The load: the cookie viewer reads the Netscape cookie file (LoadCookieDomains).
void MainWindow::LoadCookieDomains() {}

// The load: txtHomePageURL = GetIEStartPage, chkLockIEHomepage = ReadHomePageLock, then the lock
// timer (the home page's LoadHomePage, under the load's trap). Until the home page is read, the
// lock timer stays off.
void MainWindow::LoadHomePage(ErrorTrap& trap) {
    trap([&] { c_.homePage.timIEURL.SetEnabled(false); });
}

// The load: files dropped on lstFiles come to the shredder (ClsDrag).
void MainWindow::AttachDropTarget() {}

// The load: lStat and cmdShredDelete follow the shred list (the shredder's Check).
void MainWindow::Check() {}

// The load: the shredder's security levels, "50" selected.
void MainWindow::FillSecurityLevels() {
    ui::ComboBox& levels = c_.shredder.cmbOver;
    for (int level = 10; level <= 110; level += 10)
        levels.AddItem(std::to_string(level));
    levels.SetListIndex(4);
}

// The unattended cleaning run of the given schedule kind (the cleaning run's ClearData).
void MainWindow::ClearData(int) {}

// The unload: the Favorites guard stops watching (WatchDelete).
void MainWindow::StopFavoritesWatch() {}

// The unload: the settings, about and update windows close, last opened first.
void MainWindow::UnloadOtherWindows() {
    others_.UnloadAll();
}

// Menu Options, "Settings": frmSettings, modeless.
void MainWindow::ShowSettingsWindow() {
    others_.ShowSettings();
}

// Menu Options, "Check for Upgrades": frmAutoUpdate, modeless.
void MainWindow::ShowUpdateWindow() {
    others_.ShowUpdate();
}

// Menu Help, "About Clearwell": frmAbout, modeless.
void MainWindow::ShowAboutWindow() {
    others_.ShowAbout();
}

}  // namespace cw
