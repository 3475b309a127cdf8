#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BuildConfig.h"
#include "contract/Services.h"
#include "errors/RuntimeError.h"
#include "schedule/ScheduleTimer.h"
#include "settings/SettingNames.h"

namespace cw::testing {
namespace {

using namespace settings;

using Runs = std::vector<std::pair<int, std::string>>;  // kind, "yyyy-mm-dd HH:mm"

std::string When(const LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return buf;
}

class ScheduleTimerTest : public ::testing::Test, public Services<FakePlatform> {
  protected:
    void SetLong(const char* name, std::uint32_t n) {
        registry.SetDword(kSettingsRoot, kSettingsKey, name, n);
    }
    void SetText(const char* name, const std::string& s) {
        registry.SetString(kSettingsRoot, kSettingsKey, name, s);
    }
    void TickAt(int y, int mo, int d, int h, int mi, int s) {
        clock.Set(y, mo, d, h, mi, s);
        timScheduler.Tick();
    }
    // Three ticks in every minute from the minute `from` to `to` of the day, 2024.
    void TickMinutes(int month, int day, int from, int to) {
        for (int m = from; m <= to; ++m) {
            for (int s : {0, 20, 50})
                TickAt(2024, month, day + m / 1440, m / 60 % 24, m % 60, s);
        }
    }
    // Every minute of the given days of January (1 January 2024 was a Monday).
    void TickThroughDays(int first, int last) {
        TickMinutes(1, first, 0, (last - first) * 1440 + 1439);
    }

    ui::Timer timScheduler{"timScheduler", 10000, true};
    Runs runs;
    std::function<void(std::int16_t)> onRun;
    bool refuse = false;  // another run is under way
    ScheduleTimer timer{timScheduler, settings, clock, [this](std::int16_t kind) {
                            if (refuse) return false;
                            runs.push_back({kind, When(clock.Now())});
                            if (onRun) onRun(kind);
                            return true;
                        }};
};

TEST_F(ScheduleTimerTest, HourlyRunsOnceAtTheFoldedHoursOfItsFrequency) {
    EXPECT_EQ(timScheduler.Interval(), static_cast<int>(build::kSchedulerIntervalMs));
    SetLong(kHourlyFrequency, 3);
    TickThroughDays(1, 1);
    Runs expected;
    for (int h = 0; h < 24; h += 3)
        expected.push_back({kHourlyScheduleKind, When({2024, 1, 1, 0, h, 0, 0, 0})});
    EXPECT_EQ(runs, expected);

    runs.clear();
    SetLong(kHourlyFrequency, 2);
    TickAt(2024, 1, 2, 13, 0, 0);  // 13 folds to 1
    EXPECT_TRUE(runs.empty());
    TickAt(2024, 1, 2, 14, 0, 0);
    TickAt(2024, 1, 2, 14, 0, 50);
    TickAt(2024, 1, 2, 14, 1, 0);
    EXPECT_EQ(runs, (Runs{{kHourlyScheduleKind, "2024-01-02 14:00"}}));

    for (std::uint32_t frequency : {0u, 5u, 6u, 8u, 12u, 0xFFFFFFFFu}) {
        runs.clear();
        SetLong(kHourlyFrequency, frequency);
        TickThroughDays(3, 3);
        EXPECT_TRUE(runs.empty()) << frequency;
    }
}

TEST_F(ScheduleTimerTest, WeeklyRunsOnItsDayAndMinuteOnlyDailyEveryDay) {
    SetLong(kWeeklyScheduleDay, 4);  // Wednesday
    SetText(kWeeklyScheduleTime, "21:05:00");
    SetText(kDailyScheduleTime, "07:30:42");
    TickThroughDays(1, 7);
    Runs expected;
    for (int d = 1; d <= 7; ++d) {
        expected.push_back({kDailyScheduleKind, "2024-01-0" + std::to_string(d) + " 07:30"});
        if (d == 3) expected.push_back({kWeeklyScheduleKind, "2024-01-03 21:05"});
    }
    EXPECT_EQ(runs, expected);
}

// A schedule that was never set or was disabled must not clean at midnight.
TEST_F(ScheduleTimerTest, MissingEmptyOrMalformedSchedulesNeverRun) {
    TickThroughDays(7, 7);  // a Sunday, with nothing stored
    SetText(kDailyScheduleTime, "");
    SetLong(kWeeklyScheduleDay, 0);
    SetText(kWeeklyScheduleTime, "");
    SetLong(kHourlyFrequency, 0);
    TickThroughDays(7, 7);
    SetText(kDailyScheduleTime, "abc");
    SetLong(kWeeklyScheduleDay, 1);  // Sunday, but a time of day that is not one
    SetText(kWeeklyScheduleTime, "25:00");
    TickThroughDays(7, 7);
    SetText(kWeeklyScheduleDay, "1");  // not a number
    SetText(kWeeklyScheduleTime, "00:00");
    TickThroughDays(7, 7);
    SetLong(kWeeklyScheduleDay, 8);
    TickThroughDays(6, 7);
    EXPECT_TRUE(runs.empty());
}

TEST_F(ScheduleTimerTest, SchedulesDueInOneMinuteEachRunOnceHourlyWeeklyDaily) {
    SetLong(kHourlyFrequency, 1);
    SetLong(kWeeklyScheduleDay, 4);
    SetText(kWeeklyScheduleTime, "21:00:00");
    SetText(kDailyScheduleTime, "21:00:59");
    for (int s = 0; s < 60; s += 10)
        TickAt(2024, 1, 3, 21, 0, s);
    EXPECT_EQ(runs, (Runs{{kHourlyScheduleKind, "2024-01-03 21:00"},
                          {kWeeklyScheduleKind, "2024-01-03 21:00"},
                          {kDailyScheduleKind, "2024-01-03 21:00"}}));
}

// A run lets window messages through, so ticks arrive inside it. They start nothing; the
// clock read at the start of the tick still serves the checks after a long run.
TEST_F(ScheduleTimerTest, TicksDuringARunStartNothing) {
    SetLong(kHourlyFrequency, 1);
    SetText(kDailyScheduleTime, "10:00:00");
    onRun = [this](std::int16_t kind) {
        EXPECT_TRUE(timer.RunUnderWay());
        if (kind == kHourlyScheduleKind) {
            TickAt(2024, 1, 1, 10, 0, 20);
            TickAt(2024, 1, 1, 11, 0, 0);  // the run took an hour
        }
    };
    TickAt(2024, 1, 1, 10, 0, 0);
    EXPECT_FALSE(timer.RunUnderWay());
    EXPECT_EQ(runs, (Runs{{kHourlyScheduleKind, "2024-01-01 10:00"},
                          {kDailyScheduleKind, "2024-01-01 11:00"}}));
    TickAt(2024, 1, 1, 11, 0, 10);
    EXPECT_EQ(runs.size(), 3u);
}

// A schedule that comes due while a run by hand is under way runs on the first tick after
// that run ended, within its minute or the next, and once.
TEST_F(ScheduleTimerTest, ARunRefusedWhileAnotherIsUnderWayRunsRightAfterIt) {
    SetText(kDailyScheduleTime, "09:00");
    refuse = true;
    TickAt(2024, 1, 1, 9, 0, 50);
    TickAt(2024, 1, 1, 9, 1, 0);
    EXPECT_TRUE(runs.empty());
    refuse = false;
    TickAt(2024, 1, 1, 9, 1, 10);
    TickAt(2024, 1, 1, 9, 1, 20);
    EXPECT_EQ(runs, (Runs{{kDailyScheduleKind, "2024-01-01 09:01"}}));
}

TEST_F(ScheduleTimerTest, AFailingRunEndsOnlyItsOwnCheck) {
    SetLong(kHourlyFrequency, 4);
    SetText(kDailyScheduleTime, "08:00");
    onRun = [](std::int16_t kind) {
        if (kind == kHourlyScheduleKind) throw RuntimeError(err::kPermissionDenied);
    };
    TickAt(2024, 1, 1, 8, 0, 0);
    TickAt(2024, 1, 1, 8, 0, 10);  // not retried within the minute
    EXPECT_FALSE(timer.RunUnderWay());
    EXPECT_EQ(runs, (Runs{{kHourlyScheduleKind, "2024-01-01 08:00"},
                          {kDailyScheduleKind, "2024-01-01 08:00"}}));
}

// The days the clocks change (here 31 March and 27 October 2024, at 2 and 3 o'clock): a
// schedule whose minute the jump forward skips runs right after it, and the hour that comes
// twice in autumn runs nothing twice.
TEST_F(ScheduleTimerTest, ClockChangeDaysNeitherSkipNorRepeatARun) {
    SetLong(kHourlyFrequency, 2);
    SetText(kDailyScheduleTime, "02:30:00");
    TickMinutes(3, 31, 60, 119);   // 01:00 to 01:59
    TickMinutes(3, 31, 180, 245);  // then 03:00 to 04:05
    EXPECT_EQ(runs, (Runs{{kHourlyScheduleKind, "2024-03-31 03:00"},
                          {kDailyScheduleKind, "2024-03-31 03:00"},
                          {kHourlyScheduleKind, "2024-03-31 04:00"}}));
    runs.clear();
    TickMinutes(10, 27, 60, 179);   // 01:00 to 02:59
    TickMinutes(10, 27, 120, 245);  // 02:00 to 02:59 again, then to 04:05
    EXPECT_EQ(runs, (Runs{{kHourlyScheduleKind, "2024-10-27 02:00"},
                          {kDailyScheduleKind, "2024-10-27 02:30"},
                          {kHourlyScheduleKind, "2024-10-27 04:00"}}));
}

}  // namespace
}  // namespace cw::testing
