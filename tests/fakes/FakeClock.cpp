#include "fakes/FakeClock.h"

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

}  // namespace

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
