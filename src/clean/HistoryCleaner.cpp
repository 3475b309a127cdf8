#include "clean/HistoryCleaner.h"

#include <string>
#include <vector>

#include "clean/PlanTargets.h"
#include "errors/ErrorTrap.h"
#include "files/Paths.h"
#include "settings/SettingNames.h"
#include "text/Ansi.h"

namespace cw {

namespace {

// The name prefix of Internet Explorer's day and week history containers (MSHist01...).
constexpr char kHistoryDayContainerName[] = "MSHist";

// The index files belong to the Internet library, which keeps them open and empties them
// itself, and desktop.ini makes the shell show the folder as the special folder it is.
bool IsKept(const FindData& entry) {
    return text::EqualsNoCase(entry.name, "index.dat") ||
           text::EqualsNoCase(entry.name, "desktop.ini");
}

}  // namespace

void PlanCacheEntries(CleaningPlan& plan, UrlCache& cache, const std::string& pattern) {
    // Planned as listed: a wipe deletes entries already listed while the listing goes on,
    // which the library allows.
    cache.Enumerate(pattern, [&](const UrlCacheEntry& entry) {
        const std::string url = entry.sourceUrl;
        plan.Add(TargetKind::CacheEntry, url, [&cache, url] { return cache.DeleteEntry(url); });
        return true;
    });
}

void HistoryCleaner::PlanIEHistory(CleaningPlan& plan) {
    SettingsStore& settings = settings_;
    plan.Add(TargetKind::Setting,
             std::string("HKCU\\") + settings::kUrlHistoryKey + "|" + settings::kDaysToKeep,
             [&settings] {
                 settings.SetSettingLong(kHkeyCurrentUser, settings::kUrlHistoryKey,
                                         settings::kDaysToKeep, 0);
                 return true;
             });
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearIEHistory");
    trap([&] {
        // "Visited:" everywhere, and the day and week containers of Internet Explorer 5 and
        // later where the library lists them. An empty prefix would list the whole index.
        std::vector<std::string> patterns = cache_.ContainerPrefixes(kHistoryDayContainerName);
        patterns.insert(patterns.begin(), kHistoryContainerPattern);
        for (const std::string& pattern : patterns) {
            if (!pattern.empty()) PlanCacheEntries(plan, cache_, pattern);
        }
    });
    trap([&] {
        // A failed lookup gives an empty path: no folder.
        std::string history = DropSlash(folders_.GetHistoryFolder());
        if (history.empty() || !files_.guard().MayDelete(history) || !files_.IsRealFolder(history))
            return;
        PlanTreeContents(plan, files_.fs(), history, TreeRules{true, IsKept});
    });
}

}  // namespace cw
