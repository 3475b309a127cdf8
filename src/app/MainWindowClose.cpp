// The two ways the main window closes: the user's close, which asks and saves nothing, and
// the program's own close after a panic run (UnattendedExit), which asks nothing, brings
// hidden browser windows back and saves the cleaning selection.

#include "app/MainWindow.h"
#include "clean/CleaningSelection.h"
#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"

namespace cw {

bool MainWindow::Unload(UnloadMode mode) {
    // A second close request while the first one still asks (the tray's Exit behind the
    // open question) is turned down; the first one decides.
    if (unloaded_ || closeRequestRunning_) return false;
    closeRequestRunning_ = true;
    bool cancel = Form_QueryUnload(mode);
    closeRequestRunning_ = false;
    if (cancel) return false;
    Form_Unload();
    return true;
}

bool MainWindow::QueryEndSession() {
    if (unloaded_) return true;
    if (closeRequestRunning_) return false;
    closeRequestRunning_ = true;
    bool cancel = Form_QueryUnload(UnloadMode::AppWindows);
    closeRequestRunning_ = false;
    sessionMayEnd_ = !cancel;
    return !cancel;
}

void MainWindow::EndSession(bool ending) {
    if (ending && sessionMayEnd_ && !unloaded_) Form_Unload();
    sessionMayEnd_ = false;
}

bool MainWindow::Form_QueryUnload(UnloadMode mode) {
    ErrorTrap trap(TrapKind::ReportAndContinue, &s_.errors, "frmMain,QueryUnload");
    if (unattendedExit_) return UnattendedQueryUnload(mode, trap);
    bool cancel = false;
    trap([&] {
        cancel = s_.dialogs.MsgBox("Are you sure you want to exit this program?",
                                   ui::vbYesNo + ui::vbQuestion, ui::kAppTitle) == ui::vbNo;
    });
    if (cancel || mode != UnloadMode::AppWindows) return cancel;
    // Windows is shutting down or the user logs off, and the user agreed to end the program:
    // "Shred files when shutting down" cleans the ticked items first. (Only the panic run
    // sets UnattendedExit, and a cancelled unattended close clears it again, so this is the
    // way the setting takes effect.)
    std::string runOnExit = "False";
    trap([&] { runOnExit = ReadRunOnExit(); });
    if (runOnExit == "True") trap([&] { ClearData(kScheduleDaily); });
    return false;
}

bool MainWindow::UnattendedQueryUnload(UnloadMode mode, ErrorTrap& trap) {
    trap([&] { browserHider_.RestoreBrowserWindows(); });
    std::string runOnExit = "False";
    trap([&] { runOnExit = ReadRunOnExit(); });
    SaveCleaningSelection(c_.privacy, s_.settings, trap);
    if (mode == UnloadMode::AppWindows) {
        if (runOnExit == "True") trap([&] { ClearData(kScheduleDaily); });
        return false;
    }
    if (runOnExit != "True") return false;
    // The program stays in the tray (minimising hides the window once the icon is there).
    // The panic run removed the tray icon, so it comes back, or nothing would lead to the
    // program; and the user's next Exit is an ordinary one that asks first.
    trap([&] { AddTrayIcon(); });
    trap([&] { view_->SetState(WindowState::Minimized); });
    unattendedExit_ = false;
    return true;
}

std::string MainWindow::ReadRunOnExit() {
    // The settings window writes "RunOnExit" under the settings key; the per-user
    // application-settings area is asked only when that value is absent.
    RegValue value;
    if (s_.registry.QueryValue(settings::kSettingsRoot, settings::kSettingsKey,
                               settings::kRunOnExit, value) == 0) {
        return s_.settings.GetSettingString(settings::kSettingsRoot, settings::kSettingsKey,
                                            settings::kRunOnExit, "False");
    }
    return s_.settings.GetAppSetting(settings::kAppName, settings::kInstallSection,
                                     settings::kRunOnExit, "False");
}

void MainWindow::Form_Unload() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &s_.errors, "frmMain,Form_Unload");
    trap([&] { features_.favorites.WatchDelete(); });
    trap([&] { tray_.Remove(); });
    // The settings, About and update windows close, the last opened first.
    trap([&] { others_.UnloadAll(); });
    unloaded_ = true;
    trap([&] { view_->Close(); });
}

}  // namespace cw
