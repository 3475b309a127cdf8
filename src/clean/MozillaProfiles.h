#pragma once
// Mozilla's profiles, as its profile list "registry.dat" names them: a binary file that
// holds each profile's folder path as text, beginning with Mozilla's own folder followed by
// "Profiles" and ending with the ".slt" extension of the profile's folder.

#include <string>
#include <string_view>
#include <vector>

#include "files/FileRoutines.h"
#include "settings/SettingsStore.h"

namespace cw {

inline constexpr std::size_t kMaxMozillaProfiles = 2;

// The first two profile folders named in the file's bytes (letter case of the folder path
// ignored). A match that is not a usable path (control characters, wildcards or quotes,
// "." or ".." components, longer than a Windows path) is passed over.
std::vector<std::string> ParseMozillaProfiles(std::string_view registryDat,
                                              std::string_view mozillaFolder);

// AddSlash(AppData) + "Mozilla\", AppData being the shell's stored "AppData" folder; empty
// when that value is missing or empty.
std::string GetMozillaFolder(SettingsStore& settings);

// The profiles of the current user's "registry.dat"; none when it cannot be read.
std::vector<std::string> FindMozillaProfiles(SettingsStore& settings, FileRoutines& files);

}  // namespace cw
