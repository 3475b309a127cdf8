#pragma once
// The Favorites guard ("Auto Bookmark"): while it is on, every file that appears directly in
// the user's Favorites folder is deleted, unless it was created in an earlier clock minute
// than the moment the guard was switched on. The guard never waits inside a handler: a
// 100 ms timer polls the folder's change notification, and each change runs the same
// new-file rule, so the window stays responsive and Disable takes effect at once.

#include <cstdint>
#include <memory>
#include <string>

#include "browser/BrowserControls.h"
#include "clean/ShellFolders.h"
#include "errors/ErrorSink.h"
#include "files/FileRoutines.h"
#include "platform/ChangeWatch.h"
#include "platform/Clock.h"

namespace cw {

// The changes the guard watches for: names, attributes and last writes.
inline constexpr std::uint32_t kFavoritesWatchFilter =
    kNotifyFileName | kNotifyAttributes | kNotifyLastWrite;

// The number of clock-minute boundaries from one time to a later one (negative when it is
// earlier): 10:00:59 to 10:01:05 is 1, 10:01:00 to 10:01:05 is 0.
long long MinutesBetween(const LocalTime& from, const LocalTime& to);

class FavoritesGuard {
  public:
    FavoritesGuard(FavoritesGuardControls& controls, ShellFolders& folders, FileRoutines& files,
                   ChangeWatch& changes, Clock& clock, ErrorSink& errors);
    FavoritesGuard(const FavoritesGuard&) = delete;
    FavoritesGuard& operator=(const FavoritesGuard&) = delete;

    void cmdEnableAutoBookMark_Click();
    void cmdDisableAutoBookMark_Click();
    // Stops the guard and closes the watch; the main window calls it when it unloads.
    void WatchDelete();

    // Deletes the new files of the folder: those directly in it (not in subfolders, not
    // links) whose creation lies fewer than the given clock minutes before the start time.
    void delNewFiles(std::int16_t minutes, const std::string& path);
    void WatchChangeAction(const std::string& path);

    bool Guarding() const { return !stopped_; }
    bool Watching() const { return watch_ != nullptr; }
    const LocalTime& StartTime() const { return startTime_; }

  private:
    std::unique_ptr<FolderWatch> WatchCreate(const std::string& path, std::uint32_t filter);
    std::uint32_t WatchDirectory();
    bool WatchResume();
    void timFavoritesWatch_Timer();
    void DeleteNewFile(const std::string& file);
    void StopWatching();
    // The guard stopped for good (its watch failed): off, as its buttons then show.
    void GiveUp();
    // Enable greyed and Disable available while the guard runs, the other way round when not.
    void ShowGuarding(bool on);

    FavoritesGuardControls& c_;
    ShellFolders& folders_;
    FileRoutines& files_;
    ChangeWatch& changes_;
    Clock& clock_;
    ErrorSink* errors_;

    LocalTime startTime_;
    std::string folder_;
    std::unique_ptr<FolderWatch> watch_;
    bool stopped_ = true;
    bool inTick_ = false;
};

}  // namespace cw
