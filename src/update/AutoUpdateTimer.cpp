#include "update/AutoUpdateTimer.h"

#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"

namespace cw::update {

AutoUpdateTimer::AutoUpdateTimer(ui::Timer& timAutoUpdate, Updater& updater,
                                 AutoUpdateWindow& window, ConnectionTest& connection,
                                 SettingsStore& settings, ui::Dialogs& dialogs, ErrorSink& errors)
    : timAutoUpdate_(timAutoUpdate),
      updater_(updater),
      window_(window),
      connection_(connection),
      settings_(settings),
      dialogs_(dialogs),
      errors_(&errors) {
    timAutoUpdate_.onTimer = [this] { timAutoUpdate_Timer(); };
}

void AutoUpdateTimer::timAutoUpdate_Timer() {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, "frmMain,timeAutoUpdate_Timer");
    // Off before anything waits for the network, so that no second tick can run inside
    // this one while messages are let through.
    trap([&] { timAutoUpdate_.SetEnabled(false); });
    bool wanted = false, available = false;
    trap([&] {
        wanted = settings_.GetSettingString(settings::kSettingsRoot, settings::kSettingsKey,
                                            settings::kAutoCheck) == "True" &&
                 connection_.TestConnection();
    });
    if (!wanted) return;
    std::string installed;
    trap([&] {
        installed = settings_.GetOrSeedSettingString(settings::kUpdateRoot, settings::kUpdateKey,
                                                     settings::kUpdateVer, "5");
    });
    trap([&] { available = updater_.CheckForUpdate(installed); });
    if (!available) return;
    int answer = ui::vbNo;
    trap([&] { answer = dialogs_.MsgBox(kUpdateQuestion, ui::vbYesNo, kUpdateQuestionTitle); });
    if (answer != ui::vbYes) return;
    trap([&] { window_.Show(); });
    trap([&] { window_.cmdProceed.Click(); });
}

}  // namespace cw::update
