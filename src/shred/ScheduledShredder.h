#pragma once
// The "Scheduled Shredder" group of the "Shredder" page: one folder whose whole content is
// deleted again and again while the program runs, at a frequency in hours and minutes
// counted in ticks of timShredFolder (one a minute). The folder itself survives: every file
// in it is overwritten as the file shredder does it and deleted, then the folder goes with
// its subfolders and is created again, empty. When a file cannot be shredded the folders
// stay, and the status line of the page says how many files were left; it also says when
// the stored folder is one the deletion rules refuse.
//
// "Set" stores the folder and the frequency; the tick works from those stored values only,
// never from what the controls show at that moment (an unsaved Browse result or a
// half-typed path is not a target). A folder the deletion rules refuse is never touched, and
// no link inside the folder is followed.

#include <cstdint>
#include <string>

#include "files/FileRoutines.h"
#include "settings/SettingsStore.h"
#include "shred/ShredderControls.h"
#include "shred/TreeShredder.h"
#include "ui/Dialogs.h"

namespace cw {

// Minutes between two shreds for the hour and minute texts, or 0 when the schedule is off
// (both values 0, or a text that is not a number of 0 or more). Empty text counts as "0".
std::int32_t ShredFrequency(const std::string& hour, const std::string& minute);

class ScheduledShredder {
  public:
    ScheduledShredder(ScheduledShredderControls& controls, SettingsStore& settings,
                      FileRoutines& files, ui::Dialogs& dialogs, ui::Label* status = nullptr);
    ScheduledShredder(const ScheduledShredder&) = delete;
    ScheduledShredder& operator=(const ScheduledShredder&) = delete;

    // Window load: the folder, hour and minute controls show the stored values.
    void Load();

    void cmdSet_Click();
    void cmdShredBlank_Click();
    void cmdShredBrowse_Click();
    void timShredFolder_Timer();

    // Empties and removes every subfolder directly in the folder (one level: a subfolder
    // holding folders of its own stays). Files directly in the folder are not touched.
    void ClearSubfolders(const std::string& folder);

    // Ticks since the last shred or since start, stopping at 32767.
    std::int16_t MinutesCounted() const { return minutes_; }

    // A shred never runs more often than this.
    static constexpr std::int32_t kMinimumMinutes = 5;

  private:
    void Shred(const std::string& folder);
    void ShowStatus(const std::string& text);
    void DeleteFilesMatching(const std::string& folder, const std::string& pattern);
    std::string Stored(const char* name, const std::string& def);
    void Store(const char* name, const std::string& value);

    ScheduledShredderControls& c_;
    SettingsStore& settings_;
    FileRoutines& files_;
    ui::Dialogs& dialogs_;
    ui::Label* status_;
    TreeShredder shredder_;
    std::int16_t minutes_ = 0;
};

}  // namespace cw
