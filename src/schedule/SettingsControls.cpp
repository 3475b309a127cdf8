#include "schedule/SettingsControls.h"

namespace cw {

SettingsControls::SettingsControls() {
    for (const char* type : {"Hourly", "Daily", "Weekly"})
        cmbScheduleType.AddItem(type);
    for (const char* day :
         {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}) {
        cmbWeekDays.AddItem(day);
    }
    for (ui::Control* c : {static_cast<ui::Control*>(&cmdScheduleSet),
                           static_cast<ui::Control*>(&cmdDisableSchedule),
                           static_cast<ui::Control*>(&chkCloseBrowser)}) {
        c->SetEnabled(false);
    }
    for (ui::Control* c :
         {static_cast<ui::Control*>(&lblHour), static_cast<ui::Control*>(&cmbHour),
          static_cast<ui::Control*>(&lblWeekDays), static_cast<ui::Control*>(&cmbWeekDays),
          static_cast<ui::Control*>(&lblStartTime), static_cast<ui::Control*>(&dtStartTime)}) {
        c->SetVisible(false);
    }
}

std::vector<ui::Control*> SettingsControls::All() {
    return {&Frame1,      &Label2,          &cmbScheduleType, &lblHour,
            &cmbHour,     &lblWeekDays,     &cmbWeekDays,     &lblStartTime,
            &dtStartTime, &chkCloseBrowser, &cmdScheduleSet,  &cmdDisableSchedule,
            &fraGeneral,  &Check1,          &Check2,          &fraAutoCheck,
            &Label1,      &cmdEnable,       &cmdDisable,      &Image1,
            &cmdOK,       &cmdCancel};
}

}  // namespace cw
