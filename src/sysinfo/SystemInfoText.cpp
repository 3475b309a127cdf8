#include "sysinfo/SystemInfoText.h"

#include "text/Ansi.h"
#include "text/Convert.h"

namespace cw::sysinfo {

namespace {

constexpr std::uint8_t kNtWorkstation = 1;
constexpr std::uint16_t kSuiteEnterprise = 0x0002;
constexpr std::uint16_t kSuiteDataCenter = 0x0080;
constexpr std::uint16_t kSuitePersonal = 0x0200;

bool CsdContains(const OsVersionInfo& v, char letter) {
    return text::UpperAnsi(v.csdVersion).find(letter) != std::string::npos;
}

std::string Windows9xEdition(const OsVersionInfo& v) {
    switch (v.minor) {
        case 0:
            return CsdContains(v, 'C') ? "Windows 95 OSR2" : "Windows 95";
        case 10:
            return CsdContains(v, 'A') ? "Windows 98 SE" : "Windows 98";
        case 90:
            return "Windows Me";
        default:
            return "";
    }
}

// Suite masks are compared whole, not bit by bit: a server with more suite bits than the
// one named is reported as the plain edition, as the program always has.
std::string Windows2000Edition(const OsVersionInfo& v) {
    if (v.productType == kNtWorkstation) return "Windows 2000 Professional";
    if (v.productType != 3) return "";  // domain controllers are not named
    if (v.suiteMask == kSuiteEnterprise) return "Windows 2000 Advanced Server";
    if (v.suiteMask == kSuiteDataCenter) return "Windows 2000 DataCenter Server";
    return "Windows 2000 Server";
}

std::string WindowsXpEdition(const OsVersionInfo& v) {
    if (v.productType == kNtWorkstation)
        return v.suiteMask == kSuitePersonal ? "Windows XP Home Edition"
                                             : "Windows XP Professional";
    return v.suiteMask == kSuiteEnterprise ? "Windows .NET Enterprise Server"
                                           : "Windows .NET Server";
}

std::string WindowsNtEdition(const OsVersionInfo& v) {
    if (v.major == 3) {
        switch (v.minor) {
            case 0:
                return "Windows NT 3";
            case 1:
                return "Windows NT 3.1";
            case 5:
                return "Windows NT 3.5";
            case 51:
                return "Windows NT 3.51";
            default:
                return "";
        }
    }
    if (v.major == 4) return "Windows NT 4";
    if (v.major == 5 && v.minor == 0) return Windows2000Edition(v);
    if (v.major == 5 && v.minor == 1) return WindowsXpEdition(v);
    return "";  // 5.2 and every later Windows
}

}  // namespace

std::int64_t KiloBytes(std::uint64_t bytes) {
    // Exact in a double for every count below 8 PB: the division by 1024 only moves the
    // binary point.
    return static_cast<std::int64_t>(text::RoundHalfEven(static_cast<double>(bytes) / 1024.0));
}

std::string KByteText(std::int64_t kiloBytes) {
    return text::ToText(kiloBytes) + " kByte";
}

std::string HexAddress(std::uint64_t address) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[address & 0xF]);
        address >>= 4;
    } while (address != 0);
    return out;
}

std::string PlatformName(std::uint32_t platformId) {
    switch (platformId) {
        case kPlatformWin32s:
            return "Windows 3.1";
        case kPlatformWindows:
            return "Windows 95/98/ME";
        case kPlatformNT:
            return "Windows NT";
        default:
            return "";
    }
}

std::string VersionText(const OsVersionInfo& v) {
    std::string minor = text::ToText(v.minor);
    if (minor.size() == 1) minor.insert(0, "0");
    std::uint32_t build = v.platformId == kPlatformNT ? v.build : (v.build & 0xFFFFu);
    return text::ToText(v.major) + "." + minor + "." + text::ToText(build);
}

std::string ServicePackText(const std::string& csdVersion) {
    return csdVersion.empty() ? "Not Available" : csdVersion;
}

std::string EditionName(const OsVersionInfo& v) {
    switch (v.platformId) {
        case kPlatformWin32s:
            return "Windows 3.x";
        case kPlatformWindows:
            return Windows9xEdition(v);
        case kPlatformNT:
            return WindowsNtEdition(v);
        default:
            return "";
    }
}

}  // namespace cw::sysinfo
