#include "support/TimerPump.h"

#include <windows.h>

#include <map>

namespace cw::testing {

unsigned long PumpTimers(std::initializer_list<ui::Timer*> timers, unsigned long maxMs,
                         const std::function<bool()>& done) {
    std::map<UINT_PTR, ui::Timer*> byId;
    for (ui::Timer* timer : timers) {
        byId[SetTimer(nullptr, 0, static_cast<UINT>(timer->Interval()), nullptr)] = timer;
    }
    const DWORD start = GetTickCount();
    auto elapsed = [&] { return static_cast<unsigned long>(GetTickCount() - start); };
    while (!done() && elapsed() < maxMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            auto it = msg.message == WM_TIMER && !msg.hwnd ? byId.find(msg.wParam) : byId.end();
            if (it != byId.end()) {
                it->second->Tick();
            } else {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (done()) break;
        }
    }
    for (const auto& entry : byId)
        KillTimer(nullptr, entry.first);
    return elapsed();
}

}  // namespace cw::testing
