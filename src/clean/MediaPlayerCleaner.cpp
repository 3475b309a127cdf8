#include "clean/MediaPlayerCleaner.h"

#include "clean/PlanTargets.h"
#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"

namespace cw {

namespace s = settings;

namespace {

bool IsInside(const std::string& path, const std::string& folder) {
    std::string p = PathGuard::Normalize(path);
    std::string f = PathGuard::Normalize(folder);
    return !p.empty() && !f.empty() && p.size() > f.size() && p.compare(0, f.size(), f) == 0 &&
           p[f.size()] == '\\';
}

}  // namespace

bool MediaPlayerCleaner::IsInOwnProfile(const std::string& folder) {
    std::string profile = folders_.GetShellFolderPath(kCsidlProfile);
    if (profile.empty()) return false;
    FileSystem& fs = files_.fs();
    // Either may be given in short (8.3) form.
    return IsInside(fs.LongPath(folder), fs.LongPath(profile)) || IsInside(folder, profile);
}

void MediaPlayerCleaner::PlanMediaPlayerLists(CleaningPlan& plan) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearMediaPlayerLists");
    PlanRegistryKey(plan, settings_, kHkeyCurrentUser, s::kMediaPlayerUrlsKey);
    PlanRegistryKey(plan, settings_, kHkeyCurrentUser, s::kMediaPlayerFilesKey);
    trap([&] {
        if (!IsInOwnProfile(s::kMediaPlayerFolder)) return;
        if (!files_.CheckFolder(s::kMediaPlayerFolder)) return;
        PlanPlainFiles(plan, files_, s::kMediaPlayerFolder, "*.*");
    });
}

}  // namespace cw
