#include "platform/win32/Win32MessageWait.h"

#include <windows.h>

namespace cw::win32 {

void Win32MessageWait::WaitForMessages(std::uint32_t ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
}

}  // namespace cw::win32
