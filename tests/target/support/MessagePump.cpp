#include "support/MessagePump.h"

#include <windows.h>

namespace cw::testing {

unsigned long PumpMessages(unsigned long maxMs, const std::function<bool()>& done) {
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
