#include "clean/RecentListCleaners.h"

#include "clean/PlanTargets.h"
#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"
#include "text/Convert.h"

namespace cw {

namespace s = settings;

namespace {

constexpr int kMaxEntries = 100;

}  // namespace

CleaningPlan RecentListCleaners::PlanWinZipFileMenu() {
    return NumberedUntilGap(s::kWinZipFileMenuKey, s::kWinZipFileMenuPrefix);
}

CleaningPlan RecentListCleaners::PlanWinZipExtractMenu() {
    return NumberedUntilGap(s::kWinZipExtractKey, s::kWinZipExtractPrefix);
}

CleaningPlan RecentListCleaners::PlanVBRecentFiles() {
    CleaningPlan plan;
    for (int i = 1; i <= kMaxEntries; ++i)
        PlanRegistryValue(plan, settings_, kHkeyCurrentUser, s::kVbRecentFilesKey, text::ToText(i));
    return plan;
}

CleaningPlan RecentListCleaners::PlanWordPadRecentList() {
    return FileList(s::kWordPadRecentKey);
}

CleaningPlan RecentListCleaners::PlanPaintRecentList() {
    return FileList(s::kPaintRecentKey);
}

CleaningPlan RecentListCleaners::NumberedUntilGap(const std::string& key,
                                                  const std::string& prefix) {
    CleaningPlan plan;
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearNumberedUntilGap");
    for (int i = 1; i <= kMaxEntries; ++i) {
        const std::string name = prefix + text::ToText(i);
        std::string entry;
        trap([&] { entry = settings_.GetSettingString(kHkeyCurrentUser, key, name); });
        PlanRegistryValue(plan, settings_, kHkeyCurrentUser, key, name);
        if (entry.empty()) break;
    }
    return plan;
}

CleaningPlan RecentListCleaners::FileList(const std::string& key) {
    CleaningPlan plan;
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearFileList");
    std::string first;
    trap([&] { first = settings_.GetSettingString(kHkeyCurrentUser, key, "File1"); });
    for (int i = 1; i <= kMaxEntries; ++i) {
        PlanRegistryValue(plan, settings_, kHkeyCurrentUser, key, "File" + text::ToText(i));
        if (first.empty()) break;
    }
    return plan;
}

}  // namespace cw
