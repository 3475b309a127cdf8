#pragma once
// The texts of the System Info page and of the version labels, from the records the
// platform reports.

#include <cstdint>
#include <string>

#include "platform/OsVersion.h"

namespace cw::sysinfo {

// Bytes to whole kB (1024 bytes), halves going to the even neighbour: 1536 and 2560 bytes
// are both 2 kB.
std::int64_t KiloBytes(std::uint64_t bytes);
// "<n> kByte".
std::string KByteText(std::int64_t kiloBytes);
// Upper-case hexadecimal digits without prefix or leading zeros ("7FFEFFFF").
std::string HexAddress(std::uint64_t address);

// "Windows 3.1", "Windows 95/98/ME" or "Windows NT" by platform id; empty for others.
std::string PlatformName(std::uint32_t platformId);
// major.minor.build: the minor has at least two digits (5.1 reads 5.01); the build is the
// whole build number on Windows NT and its low 16 bits elsewhere (Windows 9x keeps the
// version in the high word).
std::string VersionText(const OsVersionInfo& v);
// The service-pack text, or "Not Available" when there is none.
std::string ServicePackText(const std::string& csdVersion);
// The Windows edition named by an extended version record, empty when it is none of the
// editions the program knows.
std::string EditionName(const OsVersionInfo& v);

}  // namespace cw::sysinfo
