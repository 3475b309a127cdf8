#pragma once
// Internet Explorer's history: keep no days of it from now on, delete the history entries of
// the Internet library's index and the items of the History folder. Nothing is asked and no
// keystroke is sent: the entries go through the library's own deletion call.

#include "clean/CleaningPlan.h"
#include "clean/ShellFolders.h"
#include "files/FileRoutines.h"
#include "platform/UrlCache.h"
#include "settings/SettingsStore.h"

namespace cw {

class HistoryCleaner {
  public:
    HistoryCleaner(SettingsStore& settings, UrlCache& cache, ShellFolders& folders,
                   FileRoutines& files)
        : settings_(settings), cache_(cache), folders_(folders), files_(files) {}

    void PlanIEHistory(CleaningPlan& plan);

  private:
    SettingsStore& settings_;
    UrlCache& cache_;
    ShellFolders& folders_;
    FileRoutines& files_;
};

// The search pattern of the history container of the Internet library's index.
inline constexpr const char kHistoryContainerPattern[] = "Visited:";

// The cache entries the pattern lists, each deleted through the library.
void PlanCacheEntries(CleaningPlan& plan, UrlCache& cache, const std::string& pattern);

}  // namespace cw
