#include "clean/HistoryCleaner.h"

#include <string>
#include <vector>

#include "clean/FolderCleaners.h"
#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"

namespace cw {

namespace {
// The name prefix of Internet Explorer's day and week history containers (MSHist01...).
constexpr char kHistoryDayContainerName[] = "MSHist";
}  // namespace

void HistoryCleaner::ClearIEHistory() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearIEHistory");
    trap([&] {
        settings_.SetSettingLong(kHkeyCurrentUser, settings::kUrlHistoryKey, settings::kDaysToKeep,
                                 0);
    });
    trap([&] { DeleteHistoryEntries(); });
    trap([&] {
        // A failed lookup gives an empty path, which the file routines refuse.
        DeleteFolderItemsKeepingIndexes(files_, folders_.GetHistoryFolder());
    });
}

void HistoryCleaner::DeleteHistoryEntries() {
    // "Visited:" everywhere, and the day and week containers of Internet Explorer 5 and
    // later where the library lists them. An empty prefix would list the whole index.
    std::vector<std::string> patterns = cache_.ContainerPrefixes(kHistoryDayContainerName);
    patterns.insert(patterns.begin(), kHistoryContainerPattern);
    for (const std::string& pattern : patterns) {
        if (pattern.empty()) continue;
        // The whole list first: deleting while the index is being walked can skip entries.
        std::vector<std::string> urls;
        cache_.Enumerate(pattern, [&](const UrlCacheEntry& entry) {
            urls.push_back(entry.sourceUrl);
            return true;
        });
        for (const std::string& url : urls)
            cache_.DeleteEntry(url);
    }
}

}  // namespace cw
