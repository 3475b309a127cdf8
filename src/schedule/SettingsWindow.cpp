#include "schedule/SettingsWindow.h"

#include "schedule/ScheduleValues.h"
#include "settings/SettingNames.h"
#include "text/Ansi.h"
#include "text/Convert.h"

namespace cw {

namespace {

using namespace settings;

constexpr const char kTrue[] = "True";
constexpr const char kFalse[] = "False";
constexpr const char kOwner[] = "frmSettings,";

int BoxValue(bool ticked) {
    return ticked ? ui::kChecked : ui::kUnchecked;
}

}  // namespace

std::string StartupCommand(const std::string& exePath) {
    if (exePath.find(' ') == std::string::npos) return exePath;
    return "\"" + exePath + "\"";
}

SettingsWindow::SettingsWindow(SettingsStore& store, ui::Dialogs& dialogs, Shell& shell,
                               SettingsHost& host, ErrorSink& errors)
    : store_(store), dialogs_(dialogs), shell_(shell), host_(host), errors_(&errors) {
    c_.cmbScheduleType.onClick = [this] { cmbScheduleType_Click(); };
    c_.cmdScheduleSet.onClick = [this] { cmdScheduleSet_Click(); };
    c_.cmdDisableSchedule.onClick = [this] { cmdDisableSchedule_Click(); };
    c_.cmdEnable.onClick = [this] { cmdEnable_Click(); };
    c_.cmdDisable.onClick = [this] { cmdDisable_Click(); };
    c_.cmdOK.onClick = [this] { cmdOK_Click(); };
    c_.cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void SettingsWindow::Form_Load() {
    ErrorTrap trap(TrapKind::Skip, errors_, std::string(kOwner) + "Form_Load");
    // Any data in the start-up entry ticks the box; the path in it is not compared.
    trap([&] {
        std::string entry = store_.GetSettingString(kHkeyCurrentUser, kRunKey, kRunValue, "");
        c_.Check1.SetValue(BoxValue(!entry.empty()));
    });
    trap([&] { c_.Check2.SetValue(BoxValue(Text(kRunOnExit, kFalse) == kTrue)); });
    trap([&] { ShowAutoCheck(Text(kAutoCheck, kFalse) == kTrue); });
    ScheduleType type = LoadStoredSchedule(trap);
    if (type == ScheduleType::None) return;
    opening_ = true;
    // Selecting raises Click, which shows the type's controls.
    trap([&] {
        for (int i = 0; i < c_.cmbScheduleType.ListCount(); ++i) {
            if (ScheduleTypeOf(c_.cmbScheduleType.List(i)) == type) {
                c_.cmbScheduleType.SetListIndex(i);
            }
        }
    });
    opening_ = false;
}

// The first stored type in the order hourly, weekly, daily, with its values as stored. With
// nothing stored no type is selected: the window shows no schedule that would not run.
ScheduleType SettingsWindow::LoadStoredSchedule(ErrorTrap& trap) {
    if (std::int32_t frequency = Long(kHourlyFrequency, 0); frequency != 0) {
        trap([&] {
            c_.cmbHour.Clear();
            for (const char* n : {"1", "2", "3", "4"})
                c_.cmbHour.AddItem(n);
        });
        trap([&] { c_.cmbHour.SetText(text::ToText(frequency)); });
        trap([&] {
            c_.chkCloseBrowser.SetValue(BoxValue(Long(kHourlyScheduleCloseBrowser, 0) != 0));
        });
        return ScheduleType::Hourly;
    }
    if (std::int32_t day = Long(kWeeklyScheduleDay, 0); day != 0) {
        trap([&] { c_.cmbWeekDays.SetListIndex(day - 1); });
        trap([&] {
            c_.chkCloseBrowser.SetValue(BoxValue(Long(kWeeklyScheduleCloseBrowser, 0) != 0));
        });
        std::string time = Text(kWeeklyScheduleTime, "");
        if (!time.empty()) trap([&] { SetPickerTo(time); });
        return ScheduleType::Weekly;
    }
    if (std::string time = Text(kDailyScheduleTime, ""); !time.empty()) {
        trap([&] { SetPickerTo(time); });
        trap([&] {
            c_.chkCloseBrowser.SetValue(BoxValue(Long(kDailyScheduleCloseBrowser, 0) != 0));
        });
        return ScheduleType::Daily;
    }
    return ScheduleType::None;
}

void SettingsWindow::cmbScheduleType_Click() {
    ErrorTrap trap(TrapKind::Skip, errors_, std::string(kOwner) + "cmbScheduleType_Click");
    ScheduleType type = SelectedType();
    trap([&] { ShowControlsOf(type); });
    if (!opening_) {
        if (type == ScheduleType::Hourly) LoadHourly(trap);
        if (type == ScheduleType::Weekly) LoadWeekly(trap);
        if (type == ScheduleType::Daily) LoadDaily(trap);
    }
    trap([&] {
        c_.cmdScheduleSet.SetEnabled(true);
        c_.cmdDisableSchedule.SetEnabled(true);
        c_.chkCloseBrowser.SetEnabled(true);
    });
}

void SettingsWindow::ShowControlsOf(ScheduleType type) {
    bool hourly = type == ScheduleType::Hourly;
    bool weekly = type == ScheduleType::Weekly;
    bool timed = weekly || type == ScheduleType::Daily;
    c_.lblHour.SetVisible(hourly);
    c_.cmbHour.SetVisible(hourly);
    c_.lblWeekDays.SetVisible(weekly);
    c_.cmbWeekDays.SetVisible(weekly);
    c_.lblStartTime.SetVisible(timed);
    c_.dtStartTime.SetVisible(timed);
}

// The stored frequency first, then the four choices; with no hourly schedule stored only
// the four, none selected until the user picks one.
void SettingsWindow::LoadHourly(ErrorTrap& trap) {
    trap([&] {
        std::int32_t frequency = Long(kHourlyFrequency, 0);
        c_.cmbHour.Clear();
        if (frequency != 0) c_.cmbHour.AddItem(text::ToText(frequency));
        for (const char* n : {"1", "2", "3", "4"})
            c_.cmbHour.AddItem(n);
        c_.cmbHour.SetListIndex(frequency != 0 ? 0 : -1);
    });
    // A close-browser flag that was never stored reads as ticked for hourly and weekly.
    trap([&] { c_.chkCloseBrowser.SetValue(BoxValue(Long(kHourlyScheduleCloseBrowser, 1) != 0)); });
}

void SettingsWindow::LoadWeekly(ErrorTrap& trap) {
    // A stored 0, or no day stored, leaves no day selected.
    trap([&] { c_.cmbWeekDays.SetListIndex(Long(kWeeklyScheduleDay, 0) - 1); });
    trap([&] {
        std::string time = Text(kWeeklyScheduleTime, "00:00");
        if (!time.empty()) SetPickerTo(time);
    });
    trap([&] { c_.chkCloseBrowser.SetValue(BoxValue(Long(kWeeklyScheduleCloseBrowser, 1) != 0)); });
}

void SettingsWindow::LoadDaily(ErrorTrap& trap) {
    trap([&] {
        std::string time = Text(kDailyScheduleTime, "00:00");
        if (!time.empty()) SetPickerTo(time);
    });
    trap([&] { c_.chkCloseBrowser.SetValue(BoxValue(Long(kDailyScheduleCloseBrowser, 0) != 0)); });
}

// A stored text that is not a time of day is a type mismatch, as assigning it to the
// picker has always been.
void SettingsWindow::SetPickerTo(const std::string& storedTime) {
    int hour = 0, minute = 0, second = 0;
    if (!text::ParseTimeOfDay(storedTime, hour, minute, second)) {
        throw RuntimeError(err::kTypeMismatch);
    }
    c_.dtStartTime.SetTime(hour, minute, second);
}

// Every Set first clears all three schedules, so at most one type is ever stored; a Set
// that is refused leaves none.
void SettingsWindow::cmdScheduleSet_Click() {
    ErrorTrap trap(TrapKind::Skip, errors_, std::string(kOwner) + "cmdScheduleSet_Click");
    trap([&] { WriteNoneStateOfAll(store_); });
    int close = c_.chkCloseBrowser.Checked() ? 1 : 0;
    std::string time =
        text::FormatHHmmss(c_.dtStartTime.Hour(), c_.dtStartTime.Minute(), c_.dtStartTime.Second());
    switch (SelectedType()) {
        case ScheduleType::Hourly:
            if (Refused(c_.cmbHour)) return;
            trap([&] { SetLong(kHourlyFrequency, text::ToLong(c_.cmbHour.Text())); });
            trap([&] { SetLong(kHourlyScheduleCloseBrowser, close); });
            break;
        case ScheduleType::Weekly:
            if (Refused(c_.cmbWeekDays)) return;
            trap([&] { SetLong(kWeeklyScheduleDay, c_.cmbWeekDays.ListIndex() + 1); });
            trap([&] { SetText(kWeeklyScheduleTime, time); });
            trap([&] { SetLong(kWeeklyScheduleCloseBrowser, close); });
            break;
        case ScheduleType::Daily:
            trap([&] { SetText(kDailyScheduleTime, time); });
            trap([&] { SetLong(kDailyScheduleCloseBrowser, close); });
            break;
        case ScheduleType::None:
            break;
    }
}

bool SettingsWindow::Refused(const ui::ComboBox& list) {
    if (!list.Text().empty()) return false;
    dialogs_.MsgBox("Please select the time.", ui::vbOKOnly);
    return true;
}

// Writes the "none" state of the selected type rather than deleting its values: a missing
// day or time must not read as a schedule anywhere.
void SettingsWindow::cmdDisableSchedule_Click() {
    ErrorTrap trap(TrapKind::Skip, errors_, std::string(kOwner) + "cmdDisableSchedule_Click");
    ScheduleType type = SelectedType();
    if (type == ScheduleType::None) return;
    trap([&] { WriteNoneState(store_, type); });
    trap([&] {
        dialogs_.MsgBox(text::UpperAnsi(c_.cmbScheduleType.Text()) + " SCHEDULE disabled.",
                        ui::vbOKOnly);
    });
}

void SettingsWindow::cmdEnable_Click() {
    ErrorTrap trap(TrapKind::Skip, errors_, std::string(kOwner) + "cmdEnable_Click");
    trap([&] { SetText(kAutoCheck, kTrue); });
    trap([&] { ShowAutoCheck(true); });
}

void SettingsWindow::cmdDisable_Click() {
    ErrorTrap trap(TrapKind::Skip, errors_, std::string(kOwner) + "cmdDisable_Click");
    trap([&] { SetText(kAutoCheck, kFalse); });
    trap([&] { ShowAutoCheck(false); });
}

// The button that would change the stored choice is the enabled one.
void SettingsWindow::ShowAutoCheck(bool enabled) {
    c_.cmdDisable.SetEnabled(enabled);
    c_.cmdEnable.SetEnabled(!enabled);
}

// Saves the two general settings and closes; the schedule is saved only by Set.
void SettingsWindow::cmdOK_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, std::string(kOwner) + "cmdOK_Click");
    trap([&] {
        if (!c_.Check1.Checked()) {
            store_.DeleteSettingValue(kHkeyCurrentUser, kRunKey, kRunValue);
            return;
        }
        std::string path = shell_.ModulePath();
        // An empty path would start nothing at logon; leave the entry as it is.
        if (path.empty()) throw RuntimeError(err::kFileNotFound);
        store_.SetSharedString(kHkeyCurrentUser, kRunKey, kRunValue, StartupCommand(path));
    });
    trap([&] { SetText(kRunOnExit, c_.Check2.Checked() ? kTrue : kFalse); });
    trap([&] { host_.UnloadSettingsWindow(); });
}

void SettingsWindow::cmdCancel_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, std::string(kOwner) + "cmdCancel_Click");
    trap([&] { host_.UnloadSettingsWindow(); });
}

ScheduleType SettingsWindow::SelectedType() const {
    return ScheduleTypeOf(c_.cmbScheduleType.Text());
}

std::int32_t SettingsWindow::Long(const char* name, std::int32_t def) {
    return store_.GetSettingLong(kSettingsRoot, kSettingsKey, name, def);
}

std::string SettingsWindow::Text(const char* name, const std::string& def) {
    return store_.GetSettingString(kSettingsRoot, kSettingsKey, name, def);
}

void SettingsWindow::SetLong(const char* name, std::int32_t value) {
    store_.SetSettingLong(kSettingsRoot, kSettingsKey, name, value);
}

void SettingsWindow::SetText(const char* name, const std::string& value) {
    store_.SetSettingString(kSettingsRoot, kSettingsKey, name, value);
}

}  // namespace cw
