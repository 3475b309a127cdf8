#pragma once
// Windows Media Player's recent lists: two registry keys of the current user, and the files
// of Media Player's folder at a fixed place in the Administrator's profile. The files are
// deleted only when that folder lies in the current user's own profile: another user's
// files are not ours to delete.

#include "clean/CleaningPlan.h"
#include "clean/ShellFolders.h"
#include "files/FileRoutines.h"
#include "settings/SettingsStore.h"

namespace cw {

class MediaPlayerCleaner {
  public:
    MediaPlayerCleaner(SettingsStore& settings, FileRoutines& files, ShellFolders& folders)
        : settings_(settings), files_(files), folders_(folders) {}

    void PlanMediaPlayerLists(CleaningPlan& plan);
    // Whether the folder lies inside the current user's profile folder.
    bool IsInOwnProfile(const std::string& folder);

  private:
    SettingsStore& settings_;
    FileRoutines& files_;
    ShellFolders& folders_;
};

}  // namespace cw
