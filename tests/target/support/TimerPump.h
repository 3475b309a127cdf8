#pragma once
// Runs timer models in real time, as the main window's view will: each model's Tick on a
// Win32 timer of its interval, while this thread's messages are pumped.

#include <functional>
#include <initializer_list>

#include "ui/Controls.h"

namespace cw::testing {

// Pumps until done() returns true (checked after every message and at least every 10 ms)
// or maxMs have passed. Returns the milliseconds it ran; done() is true on return unless the
// time ran out.
unsigned long PumpTimers(
    std::initializer_list<ui::Timer*> timers, unsigned long maxMs,
    const std::function<bool()>& done = [] { return false; });

}  // namespace cw::testing
