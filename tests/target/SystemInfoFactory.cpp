#include "contract/SystemInfoContract.h"
#include "platform/win32/Win32SystemInfo.h"

namespace cw::contract {

std::unique_ptr<SystemInfo> MakeSystemInfo() {
    return std::make_unique<win32::Win32SystemInfo>();
}

}  // namespace cw::contract
