#pragma once

#include <cstdint>

namespace cw {

// A window handle as a plain number, so that feature code needs no <windows.h>.
using WindowHandle = std::uintptr_t;

}  // namespace cw
