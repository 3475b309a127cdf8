#include "fakes/FakeClock.h"

#include "text/Convert.h"

namespace cw::fakes {

namespace {

constexpr long long kDaysFrom1601To1970 = 134774;
constexpr std::uint64_t kTicksPerSecond = 10000000;

}  // namespace

LocalTime FakeClock::FileTimeToLocal(std::uint64_t utc) {
    long long seconds = static_cast<long long>(utc / kTicksPerSecond) - biasMinutes_ * 60LL;
    long long rest = ((seconds % 86400) + 86400) % 86400;
    long long days = (seconds - rest) / 86400 - kDaysFrom1601To1970;
    LocalTime t;
    text::CivilFromDays(days, t.year, t.month, t.day);
    t.dayOfWeek = static_cast<int>((days % 7 + 11) % 7);  // 1970-01-01 was a Thursday
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

void FakeClock::Set(int year, int month, int day, int hour, int minute, int second) {
    now_ = FileTimeToLocal(LocalToFileTime({year, month, day, 0, hour, minute, second, 0}));
}

void FakeClock::AdvanceMs(std::uint32_t ms) {
    ticks_ += ms;
    now_ = FileTimeToLocal(LocalToFileTime(now_) + ms * 10000ull);
}

}  // namespace cw::fakes
