// The places where the main window calls into parts of the program that other features
// provide. Each feature fills in its own function.

#include <string>

#include "app/MainWindow.h"
#include "errors/ErrorTrap.h"

namespace cw {

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
