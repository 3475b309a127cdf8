#pragma once
// A registry export through the Win32 API: every key and value under HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE, so that two moments can be compared line by line.

#include <map>
#include <string>
#include <vector>

namespace cw::testing {

// Keys appear as "HKLM\Software\X" -> "(key)"; values as "HKLM\Software\X : name" -> their
// type and data ("REG_SZ \"text\"", "REG_DWORD 0x1", "type 3, 4 bytes: 01 02 03 04").
using RegistrySnapshot = std::map<std::string, std::string>;

RegistrySnapshot TakeRegistrySnapshot();

// One line that differs; an empty side means the key or value was absent then.
struct RegistryChange {
    std::string path;
    std::string before;
    std::string after;
};

std::vector<RegistryChange> CompareSnapshots(const RegistrySnapshot& before,
                                             const RegistrySnapshot& after);

std::string Describe(const RegistryChange& change);

}  // namespace cw::testing
