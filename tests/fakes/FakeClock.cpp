#include "fakes/FakeClock.h"

#include "text/Convert.h"

namespace cw::fakes {

namespace {

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Day of the week by Zeller's congruence, 0 = Sunday.
int DayOfWeek(int y, int m, int d) {
    if (m < 3) {
        m += 12;
        y -= 1;
    }
    int h = (d + 13 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7;  // 0 = Saturday
    return (h + 6) % 7;
}

constexpr long long kDaysFrom1601To1970 = 134774;
constexpr std::uint64_t kTicksPerSecond = 10000000;

}  // namespace

LocalTime FakeClock::FileTimeToLocal(std::uint64_t utc) {
    long long seconds = static_cast<long long>(utc / kTicksPerSecond) - biasMinutes_ * 60LL;
    long long rest = ((seconds % 86400) + 86400) % 86400;
    long long days = (seconds - rest) / 86400 - kDaysFrom1601To1970;
    LocalTime t;
    text::CivilFromDays(days, t.year, t.month, t.day);
    t.dayOfWeek = DayOfWeek(t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    t.millisecond = static_cast<int>(utc % kTicksPerSecond / 10000);
    return t;
}

std::uint64_t FakeClock::LocalToFileTime(const LocalTime& local) const {
    long long days = text::DaysFromCivil(local.year, local.month, local.day) + kDaysFrom1601To1970;
    long long seconds = days * 86400 + local.hour * 3600LL + local.minute * 60LL + local.second +
                        biasMinutes_ * 60LL;
    return static_cast<std::uint64_t>(seconds) * kTicksPerSecond +
           static_cast<std::uint64_t>(local.millisecond) * 10000;
}

std::uint64_t FakeClock::LocalToFileTime(int year, int month, int day, int hour, int minute,
                                         int second) const {
    return LocalToFileTime(LocalTime{year, month, day, 0, hour, minute, second, 0});
}

void FakeClock::Set(int year, int month, int day, int hour, int minute, int second) {
    now_ = LocalTime{year, month, day, DayOfWeek(year, month, day), hour, minute, second, 0};
}

void FakeClock::AdvanceMs(std::uint32_t ms) {
    ticks_ += ms;
    msInSecond_ += ms;
    int seconds = static_cast<int>(msInSecond_ / 1000);
    msInSecond_ %= 1000;
    now_.millisecond = static_cast<int>(msInSecond_);
    now_.second += seconds;
    now_.minute += now_.second / 60;
    now_.second %= 60;
    now_.hour += now_.minute / 60;
    now_.minute %= 60;
    while (now_.hour >= 24) {
        now_.hour -= 24;
        if (++now_.day > DaysInMonth(now_.year, now_.month)) {
            now_.day = 1;
            if (++now_.month > 12) {
                now_.month = 1;
                ++now_.year;
            }
        }
    }
    now_.dayOfWeek = DayOfWeek(now_.year, now_.month, now_.day);
}

}  // namespace cw::fakes
