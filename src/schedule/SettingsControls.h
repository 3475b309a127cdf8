#pragma once
// Every control of the settings window frmSettings, named and captioned as the program has
// always shown them.

#include <vector>

#include "ui/Controls.h"

namespace cw {

inline constexpr const char kSettingsCaption[] = "Settings -- Clearwell";

struct SettingsControls {
    // Scheduler.
    ui::Frame Frame1{"Frame1", "Scheduler"};      // the schedule's group
    ui::Label Label2{"Label2", "Schedule Type"};  // the caption of cmbScheduleType
    ui::ComboBox cmbScheduleType{"cmbScheduleType", ui::ComboStyle::DropDownList};
    // cmbHour sits in the gap of the blanks.
    ui::Label lblHour{"lblHour", "Every                 hour"};
    ui::ComboBox cmbHour{"cmbHour", ui::ComboStyle::DropDownList};
    ui::Label lblWeekDays{"lblWeekDays", "Day"};
    ui::ComboBox cmbWeekDays{"cmbWeekDays", ui::ComboStyle::DropDownList};
    ui::Label lblStartTime{"lblStartTime", "Start Time (24 Hour format)"};
    ui::TimePicker dtStartTime{"dtStartTime", "HH:mm"};
    ui::CheckBox chkCloseBrowser{"chkCloseBrowser", "Close Browser While Cleaning"};
    ui::Button cmdScheduleSet{"cmdScheduleSet", "Set"};
    ui::Button cmdDisableSchedule{"cmdDisableSchedule", "Disable"};
    // General Settings.
    ui::Frame fraGeneral{"fraGeneral", "General Settings"};
    ui::CheckBox Check1{"Check1", "Launch Clearwell at startup"};     // the Run value
    ui::CheckBox Check2{"Check2", "Shred files when shutting down"};  // the scheduled shredder
    // AutoCheck.
    ui::Frame fraAutoCheck{"fraAutoCheck", "AutoCheck"};
    ui::Label Label1{"Label1",  // what AutoCheck does
                     "Check for Upgrade when the application starts and notify me if an upgrade "
                     "is available. This feature will ensure that you are using the latest "
                     "version of this application"};
    ui::Button cmdEnable{"cmdEnable", "Enable"};
    ui::Button cmdDisable{"cmdDisable", "Disable"};
    ui::Image Image1{"Image1"};  // the update picture beside AutoCheck
    ui::Button cmdOK{"cmdOK", "OK"};
    ui::Button cmdCancel{"cmdCancel", "Cancel"};

    // The window as it is created: the type and day lists filled, no type selected, the
    // schedule buttons and chkCloseBrowser disabled, and the controls of each type hidden
    // until a type is chosen.
    SettingsControls();
    SettingsControls(const SettingsControls&) = delete;
    SettingsControls& operator=(const SettingsControls&) = delete;

    // Every control, in tab order, for the view to create and bind.
    std::vector<ui::Control*> All();
};

}  // namespace cw
