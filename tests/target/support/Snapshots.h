#pragma once
// Whole-machine snapshots for the integration tests: every key and value of HKCU and HKLM,
// and every file and folder of a drive, each as identity -> details, so that two snapshots
// show exactly what an operation added, removed or changed.

#include <map>
#include <string>
#include <vector>

namespace cw::testing {

using Snapshot = std::map<std::string, std::string>;

// Keys as "HKCU\path" (details empty) and values as "HKCU\path|name" (details: type and data
// in hexadecimal), read through the registry functions.
Snapshot RegistrySnapshot();
// Folders as "C:\path\" (details: attributes) and files as "C:\path" (details: attributes,
// size and last write time). Links are listed, never followed.
Snapshot DriveSnapshot(const std::string& drive = "C:");

// "- identity" for what went, "+ identity" for what came, "~ identity" for what changed,
// sorted by identity.
std::vector<std::string> Changes(const Snapshot& before, const Snapshot& after);

}  // namespace cw::testing
