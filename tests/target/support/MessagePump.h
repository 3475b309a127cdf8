#pragma once
// Lets this thread's windows and timers run for a while, as a message loop would.

#include <windows.h>

#include <functional>

namespace cw::testing {

// Pumps until done() returns true (checked after every message and at least every 10 ms)
// or maxMs have passed. Returns the milliseconds it ran; done() is true on return unless the
// time ran out.
inline unsigned long PumpMessages(
    unsigned long maxMs, const std::function<bool()>& done = [] { return false; }) {
    const DWORD start = GetTickCount();
    auto elapsed = [&] { return static_cast<unsigned long>(GetTickCount() - start); };
    while (!done() && elapsed() < maxMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            if (done()) break;
        }
    }
    return elapsed();
}

}  // namespace cw::testing
