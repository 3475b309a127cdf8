#pragma once
// The three kinds of scheduled cleaning. The kind code is what the unattended cleaning run
// (ClearData) is given; it picks the close-browser flag of that schedule.

#include <cstdint>
#include <functional>
#include <string_view>

namespace cw {

enum class ScheduleType { None, Hourly, Weekly, Daily };

inline constexpr std::int16_t kDailyScheduleKind = 1;
inline constexpr std::int16_t kWeeklyScheduleKind = 2;
inline constexpr std::int16_t kHourlyScheduleKind = 3;

// The unattended cleaning run, ClearData(kind): false when it was refused because another
// run is under way.
using ClearDataCall = std::function<bool(std::int16_t kind)>;

// The schedule type of an entry of the settings window's type list, compared without
// regard to letter case ("Hourly", "WEEKLY", ...); None for anything else.
ScheduleType ScheduleTypeOf(std::string_view entry);

}  // namespace cw
