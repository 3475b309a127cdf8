#pragma once
// The SystemInfo under test: the fake on the host build, the Win32 implementation under Wine.

#include <memory>

#include "platform/SystemInfo.h"

namespace cw::contract {

std::unique_ptr<SystemInfo> MakeSystemInfo();

}  // namespace cw::contract
