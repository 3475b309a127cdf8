#pragma once
// Where the view puts each control of the settings window: client-area pixels for the
// 8-point dialog font at 96 DPI (frames are group boxes beside, not around, their
// controls).

#include <array>

#include "ui/ControlPlacement.h"

namespace cw {

inline constexpr int kSettingsClientWidth = 430;
inline constexpr int kSettingsClientHeight = 380;
// Height of an opened drop-down list.
inline constexpr int kSettingsDropHeight = 140;

// In tab order, as SettingsControls::All() lists them. cmbHour sits over the blanks of
// lblHour's caption: the view may move it to the measured width of "Every ".
inline constexpr std::array<ControlPlacement, 22> kSettingsLayout{{
    {"Frame1", 10, 8, 410, 132},           {"Label2", 22, 33, 150, 13},
    {"cmbScheduleType", 180, 29, 120, 21}, {"lblHour", 22, 64, 140, 13},
    {"cmbHour", 55, 60, 43, 21},           {"lblWeekDays", 22, 64, 150, 13},
    {"cmbWeekDays", 180, 60, 120, 21},     {"lblStartTime", 22, 95, 150, 13},
    {"dtStartTime", 180, 91, 60, 21},      {"chkCloseBrowser", 22, 116, 220, 17},
    {"cmdScheduleSet", 325, 28, 80, 23},   {"cmdDisableSchedule", 325, 58, 80, 23},
    {"fraGeneral", 10, 148, 410, 68},      {"Check1", 22, 168, 380, 17},
    {"Check2", 22, 190, 380, 17},          {"fraAutoCheck", 10, 224, 410, 112},
    {"Label1", 66, 246, 340, 54},          {"cmdEnable", 240, 302, 80, 23},
    {"cmdDisable", 328, 302, 80, 23},      {"Image1", 22, 246, 32, 32},
    {"cmdOK", 252, 346, 80, 23},           {"cmdCancel", 340, 346, 80, 23},
}};

}  // namespace cw
