#pragma once
// The recent-file lists of WinZip, Visual Basic 6, WordPad and Paint, each a registry key of
// the current user holding numbered values.

#include <string>

#include "clean/CleaningPlan.h"
#include "settings/SettingsStore.h"

namespace cw {

class RecentListCleaners {
  public:
    explicit RecentListCleaners(SettingsStore& settings) : settings_(settings) {}

    void PlanWinZipFileMenu(CleaningPlan& plan);
    void PlanWinZipExtractMenu(CleaningPlan& plan);
    // The values "1" to "100", every one of them.
    void PlanVBRecentFiles(CleaningPlan& plan);
    void PlanWordPadRecentList(CleaningPlan& plan);
    void PlanPaintRecentList(CleaningPlan& plan);

  private:
    // prefix1, prefix2, ... up to and including the first empty one, stopping at the first
    // missing one (at most 100): WinZip keeps its list without gaps.
    void NumberedUntilGap(CleaningPlan& plan, const std::string& key, const std::string& prefix);
    // File1; when File1 holds text, also File2 to File100.
    void FileList(CleaningPlan& plan, const std::string& key);

    SettingsStore& settings_;
};

}  // namespace cw
