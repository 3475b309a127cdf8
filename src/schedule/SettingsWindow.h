#pragma once
// frmSettings, "Settings -- Clearwell": the cleaning schedule, start with Windows, cleaning
// at shutdown ("RunOnExit") and the automatic update check. The window runs nothing
// itself; each group is saved to the registry when its own button is pressed, and every
// control is filled from the registry when the window opens.

#include <cstdint>
#include <string>

#include "errors/ErrorTrap.h"
#include "platform/Shell.h"
#include "schedule/ScheduleKind.h"
#include "schedule/SettingsControls.h"
#include "schedule/SettingsHost.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"

namespace cw {

class SettingsWindow {
  public:
    // Connects the controls' events to the handlers below. errors receives what the OK and
    // Cancel handlers report.
    SettingsWindow(SettingsStore& store, ui::Dialogs& dialogs, Shell& shell, SettingsHost& host,
                   ErrorSink& errors);
    SettingsWindow(const SettingsWindow&) = delete;
    SettingsWindow& operator=(const SettingsWindow&) = delete;

    SettingsControls& Controls() { return c_; }

    // Opening: fills every control from the stored values.
    void Form_Load();
    // A schedule type was chosen: shows its controls and loads its stored values.
    void cmbScheduleType_Click();
    void cmdScheduleSet_Click();
    void cmdDisableSchedule_Click();
    void cmdEnable_Click();
    void cmdDisable_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

  private:
    ScheduleType SelectedType() const;
    ScheduleType LoadStoredSchedule(ErrorTrap& trap);
    void ShowControlsOf(ScheduleType type);
    void LoadHourly(ErrorTrap& trap);
    void LoadWeekly(ErrorTrap& trap);
    void LoadDaily(ErrorTrap& trap);
    void SetPickerTo(const std::string& storedTime);
    void ShowAutoCheck(bool enabled);
    // Shows "Please select the time." when the list has no selection.
    bool Refused(const ui::ComboBox& list);

    std::int32_t Long(const char* name, std::int32_t def);
    std::string Text(const char* name, const std::string& def);
    void SetLong(const char* name, std::int32_t value);
    void SetText(const char* name, const std::string& value);

    SettingsControls c_;
    SettingsStore& store_;
    ui::Dialogs& dialogs_;
    Shell& shell_;
    SettingsHost& host_;
    ErrorSink* errors_;
    // While the window opens, choosing the stored type shows its controls but keeps the
    // values the opening read.
    bool opening_ = false;
};

// The data of the start-up entry for an executable: its full path, in quotes when it holds
// a blank so that Windows cannot take a shorter path for the program.
std::string StartupCommand(const std::string& exePath);

}  // namespace cw
