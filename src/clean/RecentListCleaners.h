#pragma once
// The recent-file lists of WinZip, Visual Basic 6, WordPad and Paint, each a registry key of
// the current user holding numbered values. A failing statement is passed over.

#include <string>

#include "settings/SettingsStore.h"

namespace cw {

class RecentListCleaners {
  public:
    explicit RecentListCleaners(SettingsStore& settings) : settings_(settings) {}

    void ClearWinZipFileMenu();
    void ClearWinZipExtractMenu();
    // Deletes the values "1" to "100", every one of them.
    void ClearVBRecentFiles();
    void ClearWordPadRecentList();
    void ClearPaintRecentList();

  private:
    // Deletes prefix1, prefix2, ... up to and including the first empty or missing one
    // (at most 100): WinZip keeps its list without gaps.
    void ClearNumberedUntilGap(const std::string& key, const std::string& prefix);
    // Deletes File1; when File1 held text, also File2 to File100.
    void ClearFileList(const std::string& key);

    SettingsStore& settings_;
};

}  // namespace cw
