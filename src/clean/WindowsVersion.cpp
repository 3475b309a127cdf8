#include "clean/WindowsVersion.h"

namespace cw {

namespace {

bool IsNtVersion(OsVersion& os, std::uint32_t major, std::uint32_t minor) {
    OsVersionInfo info;
    if (!os.Query(info, false)) return false;
    return info.platformId == kPlatformNT && info.major == major && info.minor == minor;
}

}  // namespace

bool IsWindows2000(OsVersion& os) {
    return IsNtVersion(os, 5, 0);
}

bool IsWindowsXP(OsVersion& os) {
    return IsNtVersion(os, 5, 1);
}

}  // namespace cw
