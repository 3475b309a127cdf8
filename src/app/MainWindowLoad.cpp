// The load of the main window: the steps run in a fixed order, each statement under the
// load's trap (a type mismatch, such as a setting that holds no number, is passed over
// silently; any other failure is reported), and the load goes on after a failure.

#include "app/HotKeys.h"
#include "app/MainWindow.h"
#include "clean/CleaningSelection.h"
#include "errors/ErrorTrap.h"
#include "files/Paths.h"
#include "settings/SettingNames.h"

namespace cw {

namespace {

constexpr char kHotkeyHelp[] =
    "\r\nWinStartKey + Z = Hide All IE Windows\r\nWinStartKey + Shift + Z = Restore All IE Windows";

// The program's folder, a backslash, the executable's base name and ".exe".
std::string BuildExePath(const std::string& modulePath) {
    std::string name = FileNamePart(modulePath);
    std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.resize(dot);
    return AddSlash(FolderPart(modulePath)) + name + ".exe";
}

}  // namespace

void MainWindow::Form_Load() {
    ErrorTrap trap(TrapKind::SkipTypeMismatchThenReport, &s_.errors, "frmMain,Form_Load");
    MainFeatures& f = features_;
    trap([&] {
        s_.settings.GetOrSeedSettingString(settings::kUpdateRoot, settings::kUpdateKey,
                                           settings::kUpdateVer, "5");
    });
    trap([&] { unattendedExit_ = false; });
    trap([&] { view_->Hide(); });
    trap([&] { exePath_ = BuildExePath(s_.shell.ModulePath()); });
    trap([&] { view_->Show(); });
    trap([&] { ShowPage(0); });
    trap([&] { c_.tlbMain.SetPressed(1, true); });
    trap([&] { c_.lblIEHotkey.SetCaption(kHotkeyHelp); });
    trap([&] { f.shredFolder.Load(); });
    trap([&] { c_.stbMain.SetText(GetConnectionStatus()); });
    trap([&] { f.systemInfo.ShowVersions(); });
    InstallHotKeys(trap);
    trap([&] { f.cookies.LoadCookieDomains(); });
    trap([&] { c_.sysInfo.cmdGetSystemInfo.Click(); });
    // The address, the lock box and the lock timer: a stored lock is kept from start-up.
    f.homePage.LoadHomePage(trap);
    trap([&] { view_->Show(); });
    trap([&] { AddTrayIcon(); });
    trap([&] { view_->AcceptDroppedFiles(f.shredder.obj); });
    // The status texts, Check, and the security levels with "50" selected.
    trap([&] { f.shredder.Load(); });
    LoadCleaningSelection(c_.privacy, s_.settings, trap);
}

void MainWindow::InstallHotKeys(ErrorTrap& trap) {
    trap([&] { SetWindowHotKey(s_.desktop, s_.dialogs, view_->Handle(), kWindowHotKey); });
    trap([&] { s_.desktop.RegisterHotKey(view_->Handle(), kHideHotKeyId, kModWin, kHotKeyZ); });
    trap([&] {
        s_.desktop.RegisterHotKey(view_->Handle(), kRestoreHotKeyId, kModWin | kModShift, kHotKeyZ);
    });
    trap([&] { hotKeysInstalled_ = true; });
}

}  // namespace cw
