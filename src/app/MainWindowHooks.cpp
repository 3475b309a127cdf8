// The places where the main window calls into parts of the program that other features
// provide. Each feature fills in its own function.

#include <string>

#include "app/MainWindow.h"

namespace cw {

// Load step 8: lblOSVer = GetOSVer, lblIEVer = GetIeVer (system information).
void MainWindow::ShowVersionLabels() {}

// Load step 10: the cookie viewer reads the Netscape cookie file (LoadCookieDomains).
void MainWindow::LoadCookieDomains() {}

// Load step 12: txtHomePageURL = GetIEStartPage, chkLockIEHomepage = ReadHomePageLock.
void MainWindow::LoadHomePage() {}

// Load step 16: files dropped on lstFiles come to the shredder (ClsDrag).
void MainWindow::AttachDropTarget() {}

// Load step 17: lStat and cmdShredDelete follow the shred list (the shredder's Check).
void MainWindow::Check() {}

// Load step 18: the shredder's security levels, "50" selected.
void MainWindow::FillSecurityLevels() {
    ui::ComboBox& levels = c_.shredder.cmbOver;
    for (int level = 10; level <= 110; level += 10)
        levels.AddItem(std::to_string(level));
    levels.SetListIndex(4);
}

// The unattended cleaning run of the given schedule kind (the cleaning run's ClearData).
void MainWindow::ClearData(int) {}

// Unload step 1: the Favorites guard stops watching (WatchDelete).
void MainWindow::StopFavoritesWatch() {}

// Unload step 3: the settings, about and update windows close, last opened first.
void MainWindow::UnloadOtherWindows() {}

// Menu Options, "Settings": frmSettings, modeless.
void MainWindow::ShowSettingsWindow() {}

// Menu Options, "Check for Upgrades": frmAutoUpdate, modeless.
void MainWindow::ShowUpdateWindow() {}

// Menu Help, "About Clearwell": frmAbout, modeless.
void MainWindow::ShowAboutWindow() {}

}  // namespace cw
