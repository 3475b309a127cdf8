#pragma once
// Local date and time, the millisecond tick count, the local time of a file time, and short
// pauses.

#include <cstdint>

namespace cw {

struct LocalTime {
    int year = 1970;
    int month = 1;      // 1..12
    int day = 1;        // 1..31
    int dayOfWeek = 4;  // 0 = Sunday .. 6 = Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
    virtual std::uint32_t TickCount() = 0;
    // Gives up the processor for about ms milliseconds, so that loops which poll and let
    // window messages through do not spin.
    virtual void Sleep(std::uint32_t ms) = 0;
    // The local date and time of a file time (100-nanosecond intervals since 1601-01-01
    // UTC, as the file system reports it), converted with the time zone rules Now() uses,
    // so that the two compare.
    virtual LocalTime FileTimeToLocal(std::uint64_t utc) = 0;
};

}  // namespace cw
