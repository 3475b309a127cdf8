#pragma once
// The stored schedule: the seven values under the settings key that the settings window
// writes and the schedule timer reads.

#include "schedule/ScheduleKind.h"

namespace cw {

class SettingsStore;

// Writes the "none" state of one schedule type: number 0 and empty time text. A schedule in
// that state never fires, and the settings window shows it as not set.
void WriteNoneState(SettingsStore& store, ScheduleType type);
// The "none" state of all three types (hourly, weekly, daily values in that order).
void WriteNoneStateOfAll(SettingsStore& store);

}  // namespace cw
