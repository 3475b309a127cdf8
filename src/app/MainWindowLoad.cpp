// The load of the main window: the steps run in a fixed order, each statement under the
// load's trap (a type mismatch, such as a setting that holds no number, is passed over
// silently; any other failure is reported), and the load goes on after a failure.

#include "app/HotKeys.h"
#include "app/MainWindow.h"
#include "errors/ErrorTrap.h"
#include "files/Paths.h"
#include "settings/SettingNames.h"
#include "text/Convert.h"

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
    LoadScheduledShredder(trap);
    trap([&] { c_.stbMain.SetText(GetConnectionStatus()); });
    trap([&] { ShowVersionLabels(); });
    InstallHotKeys(trap);
    trap([&] { LoadCookieDomains(); });
    trap([&] { c_.sysInfo.cmdGetSystemInfo.Click(); });
    LoadHomePage(trap);
    trap([&] { view_->Show(); });
    trap([&] { AddTrayIcon(); });
    trap([&] { AttachDropTarget(); });
    trap([&] { c_.shredder.lStat.SetCaption("Waiting..."); });
    trap([&] { c_.shredder.lFC.SetCaption(""); });
    trap([&] { Check(); });
    trap([&] { FillSecurityLevels(); });
    LoadCleaningBoxes(trap);
}

void MainWindow::LoadScheduledShredder(ErrorTrap& trap) {
    auto get = [&](const char* name, const std::string& def) {
        return s_.settings.GetSettingString(settings::kSettingsRoot, settings::kSettingsKey, name,
                                            def);
    };
    auto& shred = c_.shredFolder;
    trap([&] { shred.txtShredFolder.SetText(get(settings::kShredFolder, "")); });
    trap([&] { shred.cmbHour.SetText(get(settings::kShredFolderHour, "")); });
    trap([&] {
        shred.cmbMinute.SetText(get(settings::kShredFolderMinute, shred.cmbMinute.Text()));
    });
}

void MainWindow::InstallHotKeys(ErrorTrap& trap) {
    trap([&] { SetWindowHotKey(s_.desktop, s_.dialogs, view_->Handle(), kWindowHotKey); });
    trap([&] { s_.desktop.RegisterHotKey(view_->Handle(), kHideHotKeyId, kModWin, kHotKeyZ); });
    trap([&] {
        s_.desktop.RegisterHotKey(view_->Handle(), kRestoreHotKeyId, kModWin | kModShift, kHotKeyZ);
    });
    trap([&] { windowProcInstalled_ = true; });
}

void MainWindow::LoadCleaningBoxes(ErrorTrap& trap) {
    for (const char* name : settings::kCleaningBoxes) {
        trap([&] {
            std::string stored = s_.settings.GetSettingString(settings::kSettingsRoot,
                                                              settings::kSettingsKey, name, "0");
            c_.privacy.ByName(name)->SetValue(text::ToInteger(stored));
        });
    }
}

}  // namespace cw
