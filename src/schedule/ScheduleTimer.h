#pragma once
// The tick of the main window's timScheduler: starts the scheduled cleaning run when the
// clock reaches a stored schedule. Hourly, weekly and daily checks, in that order; each
// that holds calls ClearData with its kind.
//
// Every tick compares the clock with the stored values again, so a schedule changed in the
// settings window takes effect on the next tick. Each kind starts at most one run per
// minute, although several ticks fall inside it, and a tick that comes while a scheduled
// run lets window messages through starts nothing. A run refused because another run (a
// run by hand, or its question) is under way is not lost: every following tick tries it
// again, first thing, until it runs. When the clock jumps forward by at most an hour (the
// spring change), a schedule whose minute it skipped runs at once; when it goes back, the
// minutes that come twice start nothing twice.

#include <array>
#include <cstdint>

#include "platform/Clock.h"
#include "schedule/ScheduleKind.h"
#include "ui/Controls.h"

namespace cw {

class SettingsStore;

class ScheduleTimer {
  public:
    // Connects itself to the timer's ticks and sets its interval (10 s; shorter in test
    // builds).
    ScheduleTimer(ui::Timer& timScheduler, SettingsStore& store, Clock& clock,
                  ClearDataCall clearData);
    ScheduleTimer(const ScheduleTimer&) = delete;
    ScheduleTimer& operator=(const ScheduleTimer&) = delete;

    void timScheduler_Timer();
    // Whether a scheduled run started by a tick is still under way.
    bool RunUnderWay() const { return runUnderWay_; }

  private:
    bool Due(std::int16_t kind, const LocalTime& now);
    bool HourlyDue(const LocalTime& now);
    bool WeeklyDue(const LocalTime& now);
    bool DailyDue(const LocalTime& now);
    // Calls ClearData(kind) unless that kind already started a run in this minute.
    void StartOnce(std::int16_t kind, const LocalTime& now);
    // Calls ClearData(kind); a refusal leaves the kind pending.
    void Start(std::int16_t kind);

    SettingsStore& store_;
    Clock& clock_;
    ClearDataCall clearData_;
    bool runUnderWay_ = false;
    // The minute of the clock at the last tick that checked the schedules; -1 before it.
    std::int64_t lastTickMinute_ = -1;
    // The minute (see MinuteStamp) each kind last started a run in, by kind code - 1.
    std::array<std::int64_t, 3> lastStart_{-1, -1, -1};
    // The kinds whose run was refused and waits for the next tick, by kind code - 1.
    std::array<bool, 3> pending_{false, false, false};
};

// A number that is the same for every moment of one calendar minute and differs between
// minutes.
std::int64_t MinuteStamp(const LocalTime& t);

}  // namespace cw
