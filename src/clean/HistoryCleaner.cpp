#include "clean/HistoryCleaner.h"

#include <string>
#include <vector>

#include "clean/FolderCleaners.h"
#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"

namespace cw {

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
    // The whole list first: deleting while the index is being walked can skip entries.
    std::vector<std::string> urls;
    cache_.Enumerate(kHistoryContainerPattern, [&](const UrlCacheEntry& entry) {
        urls.push_back(entry.sourceUrl);
        return true;
    });
    for (const std::string& url : urls)
        cache_.DeleteEntry(url);
}

}  // namespace cw
