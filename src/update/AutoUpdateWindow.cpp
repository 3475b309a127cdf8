#include "update/AutoUpdateWindow.h"

#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"

namespace cw::update {

AutoUpdateWindow::AutoUpdateWindow(Updater& updater, ConnectionTest& connection,
                                   SettingsStore& settings, ErrorSink& errors)
    : updater_(updater), connection_(connection), settings_(settings), errors_(&errors) {
    cmdProceed.onClick = [this] { cmdProceed_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void AutoUpdateWindow::Show() {
    if (!open_) {
        ListView1.Clear();
        StatusBar1.SetText("");
        cmdProceed.SetEnabled(true);
        open_ = true;
    }
    if (onShow) onShow();
}

void AutoUpdateWindow::Form_Unload() {
    if (updater_.Busy()) updater_.CancelTransfer();
    if (!open_) return;
    open_ = false;
    if (onUnload) onUnload();
}

void AutoUpdateWindow::cmdCancel_Click() {
    updater_.CancelTransfer();
    Form_Unload();
}

void AutoUpdateWindow::cmdProceed_Click() {
    // Proceed waits for the network while window messages run; a second click meanwhile
    // would start a second update over the first one's transfer.
    if (!cmdProceed.Enabled()) return;
    cmdProceed.SetEnabled(false);
    Proceed();
    cmdProceed.SetEnabled(true);
}

void AutoUpdateWindow::Proceed() {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, "frmAutoUpdate,cmd_Proceed");
    auto add = [this](const char* line, int image) { ListView1.Add(line, image); };
    bool connected = false, available = false;
    trap([&] { ListView1.Clear(); });
    trap([&] { add(kLineChecking, kImageProgress); });
    trap([&] { connected = connection_.TestConnection(); });
    if (!connected) {
        trap([&] { add(kLineNotConnected, kImageNegative); });
        return;
    }
    std::string installed;
    trap([&] {
        installed = settings_.GetOrSeedSettingString(settings::kUpdateRoot, settings::kUpdateKey,
                                                     settings::kUpdateVer, "5");
    });
    trap([&] { available = updater_.CheckForUpdate(installed); });
    if (updater_.Cancelled()) return;
    if (!available) {
        trap([&] { add(kLineNoUpdate, kImageNegative); });
        return;
    }
    trap([&] { add(kLineAvailable, kImageProgress); });
    trap([&] { add(kLineDownloading, kImageProgress); });
    trap([&] { add(kLineMayTakeTime, 0); });
    trap([&] { add(kLineDependsOnSpeed, 0); });
    HandOver result = HandOver::Failed;
    trap([&] { result = updater_.DownloadAndHandOver(); });
    if (result == HandOver::Failed) trap([&] { add(kLineDownloadFailed, kImageNegative); });
    if (result == HandOver::Unverified) trap([&] { add(kLineUnverified, kImageNegative); });
}

}  // namespace cw::update
