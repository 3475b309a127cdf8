#include "schedule/ScheduleTimer.h"

#include <utility>
#include <vector>

#include "BuildConfig.h"
#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"
#include "text/Convert.h"

namespace cw {

namespace {

using namespace settings;

// Clears the run flag however the run ends.
class RunFlag {
  public:
    explicit RunFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunFlag() { flag_ = false; }
    RunFlag(const RunFlag&) = delete;
    RunFlag& operator=(const RunFlag&) = delete;

  private:
    bool& flag_;
};

// The stored time of a schedule matches when both read the same as "HH:mm". A missing or
// empty value never matches (empty formats to empty), nor does text that is not a time.
bool TimeMatches(const std::string& stored, const LocalTime& now) {
    return !stored.empty() && text::FormatTextHHmm(stored) == text::FormatHHmm(now);
}

// Minutes since 1970-01-01 on the local clock.
std::int64_t MinutesSince1970(const LocalTime& t) {
    return (text::DaysFromCivil(t.year, t.month, t.day) * 24 + t.hour) * 60 + t.minute;
}

LocalTime FromMinutesSince1970(std::int64_t minutes) {
    LocalTime t;
    const std::int64_t days = minutes / 1440;
    text::CivilFromDays(days, t.year, t.month, t.day);
    t.dayOfWeek = static_cast<int>((days % 7 + 11) % 7);  // 1970-01-01 was a Thursday
    t.hour = static_cast<int>(minutes % 1440 / 60);
    t.minute = static_cast<int>(minutes % 60);
    return t;
}

// The longest jump forward of the clock whose skipped minutes are still made up for: the
// hour the clocks are put forward in spring.
constexpr std::int64_t kLongestCaughtUpGap = 60;

}  // namespace

std::int64_t MinuteStamp(const LocalTime& t) {
    std::int64_t days = (static_cast<std::int64_t>(t.year) * 13 + t.month) * 32 + t.day;
    return (days * 24 + t.hour) * 60 + t.minute;
}

ScheduleTimer::ScheduleTimer(ui::Timer& timScheduler, SettingsStore& store, Clock& clock,
                             ClearDataCall clearData)
    : store_(store), clock_(clock), clearData_(std::move(clearData)) {
    timScheduler.SetInterval(static_cast<int>(build::kSchedulerIntervalMs));
    timScheduler.onTimer = [this] { timScheduler_Timer(); };
}

void ScheduleTimer::timScheduler_Timer() {
    // A run lets pending messages through; a tick handled inside it must not start another.
    if (runUnderWay_) return;
    // One reading of the clock for all three checks: a long first run must not make a
    // schedule due in the same minute miss it.
    LocalTime now = clock_.Now();
    // The minutes a jump of the clock skipped (the spring change) count as this one: a
    // schedule due in them runs now rather than not at all.
    std::vector<LocalTime> moments;
    const std::int64_t minute = MinutesSince1970(now);
    if (lastTickMinute_ >= 0 && minute - lastTickMinute_ - 1 <= kLongestCaughtUpGap) {
        for (std::int64_t m = lastTickMinute_ + 1; m < minute; ++m)
            moments.push_back(FromMinutesSince1970(m));
    }
    moments.push_back(now);
    lastTickMinute_ = minute;
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,timScheduler_Timer");
    for (std::int16_t kind : {kHourlyScheduleKind, kWeeklyScheduleKind, kDailyScheduleKind}) {
        if (pending_[static_cast<std::size_t>(kind - 1)]) trap([&] { Start(kind); });
    }
    for (std::int16_t kind : {kHourlyScheduleKind, kWeeklyScheduleKind, kDailyScheduleKind}) {
        trap([&] {
            for (const LocalTime& moment : moments) {
                if (Due(kind, moment)) return StartOnce(kind, now);
            }
        });
    }
}

bool ScheduleTimer::Due(std::int16_t kind, const LocalTime& now) {
    if (kind == kHourlyScheduleKind) return HourlyDue(now);
    return kind == kWeeklyScheduleKind ? WeeklyDue(now) : DailyDue(now);
}

// Hourly runs are aligned to midnight: at minute 0 of every hour whose count on a 12-hour
// dial (0 and 12 stay, 13 to 23 become 1 to 11) the frequency divides.
bool ScheduleTimer::HourlyDue(const LocalTime& now) {
    if (now.minute != 0) return false;
    std::int32_t frequency =
        store_.GetSettingLong(kSettingsRoot, kSettingsKey, kHourlyFrequency, 0);
    if (frequency < 1 || frequency > 4) return false;
    int folded = now.hour > 12 ? now.hour - 12 : now.hour;
    return folded % frequency == 0;
}

// A missing day reads as 0 and a missing time as empty: a weekly schedule that was never
// set, or was removed, never fires.
bool ScheduleTimer::WeeklyDue(const LocalTime& now) {
    std::string time =
        store_.GetSettingString(kSettingsRoot, kSettingsKey, kWeeklyScheduleTime, "");
    std::int32_t day = store_.GetSettingLong(kSettingsRoot, kSettingsKey, kWeeklyScheduleDay, 0);
    return day == now.dayOfWeek + 1 && TimeMatches(time, now);
}

bool ScheduleTimer::DailyDue(const LocalTime& now) {
    return TimeMatches(store_.GetSettingString(kSettingsRoot, kSettingsKey, kDailyScheduleTime, ""),
                       now);
}

void ScheduleTimer::StartOnce(std::int16_t kind, const LocalTime& now) {
    std::int64_t& last = lastStart_[static_cast<std::size_t>(kind - 1)];
    std::int64_t minute = MinuteStamp(now);
    if (last == minute || !clearData_) return;
    last = minute;
    Start(kind);
}

void ScheduleTimer::Start(std::int16_t kind) {
    bool& pending = pending_[static_cast<std::size_t>(kind - 1)];
    pending = false;
    RunFlag flag(runUnderWay_);
    if (!clearData_(kind)) pending = true;
}

}  // namespace cw
