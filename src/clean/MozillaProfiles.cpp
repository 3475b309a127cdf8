#include "clean/MozillaProfiles.h"

#include "files/Paths.h"
#include "files/WholeFile.h"
#include "settings/SettingNames.h"
#include "text/Ansi.h"

namespace cw {

namespace {

constexpr std::size_t kMaxPath = 259;

bool IsUsablePath(std::string_view path) {
    if (path.size() > kMaxPath) return false;
    for (char c : path) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || std::string_view("<>\"|?*/").find(c) != std::string_view::npos) {
            return false;
        }
    }
    // "." and ".." components would lead out of the Mozilla folder.
    std::size_t begin = 0;
    while (begin <= path.size()) {
        std::size_t end = path.find('\\', begin);
        if (end == std::string_view::npos) end = path.size();
        std::string_view part = path.substr(begin, end - begin);
        if (part == "." || part == "..") return false;
        begin = end + 1;
    }
    return true;
}

}  // namespace

std::vector<std::string> ParseMozillaProfiles(std::string_view registryDat,
                                              std::string_view mozillaFolder) {
    std::vector<std::string> profiles;
    if (mozillaFolder.empty()) return profiles;
    const std::string start = std::string(mozillaFolder) + "Profiles";
    std::size_t from = 0;
    while (profiles.size() < kMaxMozillaProfiles) {
        std::size_t at = text::FindNoCase(registryDat, start, from);
        if (at == std::string_view::npos) break;
        std::size_t slt = text::FindNoCase(registryDat, ".slt", at + start.size());
        if (slt == std::string_view::npos) break;
        std::string_view path = registryDat.substr(at, slt + 4 - at);
        if (IsUsablePath(path)) {
            profiles.emplace_back(path);
            from = slt + 4;
        } else {
            // The match ran over the end of its own text (a path without ".slt", then the
            // binary bytes between entries): look for the next path from just after it.
            from = at + 1;
        }
    }
    return profiles;
}

std::string GetMozillaFolder(SettingsStore& settings) {
    std::string appData =
        settings.GetSettingString(kHkeyCurrentUser, settings::kShellFoldersKey, "AppData", "");
    return appData.empty() ? std::string() : AddSlash(appData) + "Mozilla\\";
}

std::vector<std::string> FindMozillaProfiles(SettingsStore& settings, FileRoutines& files) {
    const std::string mozilla = GetMozillaFolder(settings);
    if (mozilla.empty()) return {};
    const std::string list = mozilla + "registry.dat";
    if (!files.CanOpenFile(list)) return {};
    std::string data;
    if (ReadWholeFile(files.fs(), list, data) != kErrorSuccess) return {};
    return ParseMozillaProfiles(data, mozilla);
}

}  // namespace cw
