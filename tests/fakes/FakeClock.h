#pragma once

#include "platform/Clock.h"

namespace cw::fakes {

// A clock that stands still until the test moves it. The tick count advances with it. Its
// time zone is a fixed bias (UTC = local time + bias minutes, as Windows counts it).
class FakeClock : public Clock {
  public:
    LocalTime Now() override { return now_; }
    std::uint32_t TickCount() override { return ticks_; }
    // Time passes by the pause, at once.
    void Sleep(std::uint32_t ms) override {
        sleptMs += ms;
        AdvanceMs(ms);
    }
    LocalTime FileTimeToLocal(std::uint64_t utc) override;

    // The file time (UTC) of a local date and time of this clock's time zone.
    std::uint64_t LocalToFileTime(const LocalTime& local) const;

    void Set(int year, int month, int day, int hour, int minute, int second = 0);
    void AdvanceMs(std::uint32_t ms);

    std::uint64_t sleptMs = 0;  // total of every Sleep

  private:
    LocalTime now_;
    std::uint32_t ticks_ = 1000;
    int biasMinutes_ = -60;  // UTC+1
};

}  // namespace cw::fakes
