#pragma once
// Lets this thread's windows and timers run for a while, as a message loop would.

#include <functional>

namespace cw::testing {

// Pumps until done() returns true (checked after every message and at least every 10 ms)
// or maxMs have passed. Returns the milliseconds it ran; done() is true on return unless the
// time ran out.
unsigned long PumpMessages(
    unsigned long maxMs, const std::function<bool()>& done = [] { return false; });

}  // namespace cw::testing
