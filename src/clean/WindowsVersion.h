#pragma once
// Which Windows the program runs on, for the cleaners whose traces lie in a different place
// on each system. Both ask GetVersionExA with the 148-byte record and are false when it fails.

#include "platform/OsVersion.h"

namespace cw {

// The NT platform, version 5.0.
bool IsWindows2000(OsVersion& os);
// The NT platform, version 5.1.
bool IsWindowsXP(OsVersion& os);

}  // namespace cw
