#pragma once
// Whole-machine snapshots for the integration tests: every key and value of HKCU and HKLM,
// and every file and folder of a drive, each as identity -> details, so that two snapshots
// show exactly what an operation added, removed or changed.

#include <map>
#include <string>
#include <vector>

namespace cw::testing {

using Snapshot = std::map<std::string, std::string>;

// HKLM\Software\Classes (HKEY_CLASSES_ROOT) is left out: the program registers no classes.
// Keys as "HKCU\path" (details "(key)") and values as "HKCU\path|name" (details: the type's
// number and the data's bytes).
Snapshot RegistrySnapshot();
// Folders as "C:\path\" (details: attributes) and files as "C:\path" (details: attributes,
// size and last write time). Links are listed, never followed.
Snapshot DriveSnapshot(const std::string& drive = "C:");

// One identity that differs: '-' went, '+' came, '~' changed; an empty side was absent.
struct Difference {
    char kind;
    std::string identity, before, after;
};
std::vector<Difference> Differences(const Snapshot& before, const Snapshot& after);

// What changed in the registry and on drive C since the two snapshots were taken: sorted
// "- identity", "+ identity" and "~ identity" lines.
std::vector<std::string> ChangesSince(const Snapshot& registry, const Snapshot& drive);

}  // namespace cw::testing
