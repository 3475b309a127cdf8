#pragma once
// Whole-machine snapshots for the integration tests: every registry value of the current
// user and of the machine, and every file and folder of drive C, to show that a cleaner
// changed exactly what it should and nothing else.

#include <cstdint>
#include <map>
#include <set>
#include <string>

namespace cw::testing {

// "HKCU\key\...|value name" -> "type:hex data".
using RegistrySnapshot = std::map<std::string, std::string>;
RegistrySnapshot SnapshotRegistry();

struct FileEntry {
    bool folder = false;
    std::uint64_t size = 0;
    bool operator==(const FileEntry&) const = default;
};
// Upper-cased path -> entry, below the root (links are listed, never entered).
using FileSnapshot = std::map<std::string, FileEntry>;
FileSnapshot SnapshotFiles(const std::string& root = "C:");

template <class Map>
struct Difference {
    std::set<std::string> removed, added, changed;
};

template <class Map>
Difference<Map> Compare(const Map& before, const Map& after) {
    Difference<Map> d;
    for (const auto& [key, value] : before) {
        auto it = after.find(key);
        if (it == after.end()) {
            d.removed.insert(key);
        } else if (!(it->second == value)) {
            d.changed.insert(key);
        }
    }
    for (const auto& [key, value] : after) {
        if (!before.count(key)) d.added.insert(key);
    }
    return d;
}

// Upper case, as the snapshots key paths.
std::string Upper(std::string text);

}  // namespace cw::testing
