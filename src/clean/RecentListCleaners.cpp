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

void RecentListCleaners::PlanWinZipFileMenu(CleaningPlan& plan) {
    NumberedUntilGap(plan, s::kWinZipFileMenuKey, s::kWinZipFileMenuPrefix);
}

void RecentListCleaners::PlanWinZipExtractMenu(CleaningPlan& plan) {
    NumberedUntilGap(plan, s::kWinZipExtractKey, s::kWinZipExtractPrefix);
}

void RecentListCleaners::PlanVBRecentFiles(CleaningPlan& plan) {
    for (int i = 1; i <= kMaxEntries; ++i)
        PlanRegistryValue(plan, settings_, kHkeyCurrentUser, s::kVbRecentFilesKey, text::ToText(i));
}

void RecentListCleaners::PlanWordPadRecentList(CleaningPlan& plan) {
    FileList(plan, s::kWordPadRecentKey);
}

void RecentListCleaners::PlanPaintRecentList(CleaningPlan& plan) {
    FileList(plan, s::kPaintRecentKey);
}

void RecentListCleaners::NumberedUntilGap(CleaningPlan& plan, const std::string& key,
                                          const std::string& prefix) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearNumberedUntilGap");
    for (int i = 1; i <= kMaxEntries; ++i) {
        const std::string name = prefix + text::ToText(i);
        std::string entry;
        trap([&] { entry = settings_.GetSettingString(kHkeyCurrentUser, key, name); });
        PlanRegistryValue(plan, settings_, kHkeyCurrentUser, key, name);
        if (entry.empty()) break;
    }
}

void RecentListCleaners::FileList(CleaningPlan& plan, const std::string& key) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearFileList");
    std::string first;
    trap([&] { first = settings_.GetSettingString(kHkeyCurrentUser, key, "File1"); });
    for (int i = 1; i <= kMaxEntries; ++i) {
        PlanRegistryValue(plan, settings_, kHkeyCurrentUser, key, "File" + text::ToText(i));
        if (first.empty()) break;
    }
}

}  // namespace cw
