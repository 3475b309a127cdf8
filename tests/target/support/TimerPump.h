#pragma once
// Runs timer models in real time, as the main window's view will: each model's Tick on a
// Win32 timer of its interval, while this thread's messages are pumped.

#include <functional>
#include <initializer_list>
#include <string>

#include "ui/Controls.h"

namespace cw::testing {

// Pumps until done() returns true (checked after every message and at least every 10 ms)
// or maxMs have passed. Returns the milliseconds it ran; done() is true on return unless the
// time ran out.
unsigned long PumpTimers(
    std::initializer_list<ui::Timer*> timers, unsigned long maxMs,
    const std::function<bool()>& done = [] { return false; });

// Starts a program (a command line) and waits up to 10 s for it to end; its exit code, or -1.
long RunProcess(const std::string& commandLine);

}  // namespace cw::testing
