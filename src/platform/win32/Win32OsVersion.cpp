#include "platform/win32/Win32OsVersion.h"

#include <windows.h>

namespace cw::win32 {

int Win32OsVersion::Query(OsVersionInfo& info, bool extended) {
    OSVERSIONINFOEXA v = {};
    v.dwOSVersionInfoSize = extended ? sizeof(OSVERSIONINFOEXA) : sizeof(OSVERSIONINFOA);
    int result = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&v));
    if (!result) return result;
    info.major = v.dwMajorVersion;
    info.minor = v.dwMinorVersion;
    info.build = v.dwBuildNumber;
    info.platformId = v.dwPlatformId;
    info.csdVersion.assign(v.szCSDVersion, strnlen(v.szCSDVersion, sizeof v.szCSDVersion));
    if (extended) {
        info.suiteMask = v.wSuiteMask;
        info.productType = v.wProductType;
    }
    return result;
}

}  // namespace cw::win32
