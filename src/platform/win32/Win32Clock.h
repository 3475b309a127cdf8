#pragma once

#include "platform/Clock.h"

namespace cw::win32 {

class Win32Clock : public Clock {
  public:
    LocalTime Now() override;
    std::uint32_t TickCount() override;
    void Sleep(std::uint32_t ms) override;
    LocalTime FileTimeToLocal(std::uint64_t utc) override;
};

}  // namespace cw::win32
