#pragma once
// The Windows version as GetVersionExA reports it.

#include <cstdint>
#include <string>

namespace cw {

inline constexpr std::uint32_t kPlatformWin32s = 0;
inline constexpr std::uint32_t kPlatformWindows = 1;  // 95, 98, Me
inline constexpr std::uint32_t kPlatformNT = 2;

struct OsVersionInfo {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t platformId = 0;
    std::string csdVersion;  // service-pack text, up to its first zero
    // Only filled by the extended record (OSVERSIONINFOEX, 156 bytes).
    std::uint16_t suiteMask = 0;
    std::uint8_t productType = 0;
};

class OsVersion {
  public:
    virtual ~OsVersion() = default;
    // GetVersionExA with the 148-byte record (extended = false) or the 156-byte extended
    // record. Returns what the call returned (nonzero on success).
    virtual int Query(OsVersionInfo& info, bool extended) = 0;
};

}  // namespace cw
