#pragma once
// The automatic update check: the first tick of the main window's timAutoUpdate (one
// minute after start) asks about a newer release when "AutoCheck" is "True", and the timer
// never ticks again.

#include "errors/ErrorSink.h"
#include "report/ConnectionTest.h"
#include "settings/SettingsStore.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "update/AutoUpdateWindow.h"
#include "update/Updater.h"

namespace cw::update {

inline constexpr const char kUpdateQuestion[] =
    "A new update is available. Would you like to download it ?";
inline constexpr const char kUpdateQuestionTitle[] = "Update Available";

class AutoUpdateTimer {
  public:
    // Connects the timer's tick to timAutoUpdate_Timer.
    AutoUpdateTimer(ui::Timer& timAutoUpdate, Updater& updater, AutoUpdateWindow& window,
                    ConnectionTest& connection, SettingsStore& settings, ui::Dialogs& dialogs,
                    ErrorSink& errors);

    void timAutoUpdate_Timer();

  private:
    ui::Timer& timAutoUpdate_;
    Updater& updater_;
    AutoUpdateWindow& window_;
    ConnectionTest& connection_;
    SettingsStore& settings_;
    ui::Dialogs& dialogs_;
    ErrorSink* errors_;
};

}  // namespace cw::update
