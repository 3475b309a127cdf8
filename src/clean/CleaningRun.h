#pragma once
// The cleaning run: the ticked items of the "Privacy" page cleaned in one fixed order, after
// the web browsers were asked to close. Three ways start it: "Wipe Selected Items" (asks
// first and reports when done), the panic run (cleans at once and closes the program) and
// the unattended run ClearData (the schedule and the shutdown; shows nothing).
//
// A run lets window messages through while it works, so a timer or a click can arrive in
// the middle of it. One run at a time: while a run is under way "Wipe Selected Items" is
// disabled and a scheduled run is refused. Only the panic run always proceeds; the run it
// interrupted then stops, as the program is closing.

#include <array>
#include <cstdint>
#include <string>

#include "clean/BrowserCleaningSteps.h"
#include "clean/BrowserWindows.h"
#include "clean/PanicHost.h"
#include "clean/PrivacyControls.h"
#include "clean/TraceCleaners.h"
#include "files/FileRoutines.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"

namespace cw {

// Schedule kinds passed to ClearData.
inline constexpr std::int16_t kScheduleDaily = 1;
inline constexpr std::int16_t kScheduleWeekly = 2;
inline constexpr std::int16_t kScheduleHourly = 3;

struct CleaningRunServices {
    SettingsStore& settings;
    ui::Dialogs& dialogs;
    BrowserWindows& browsers;
    TraceCleaners& cleaners;
    BrowserCleaningSteps& browserSteps;
    PanicHost& host;
    // Collects what the purges of a run could not delete.
    FileRoutines& files;
};

class CleaningRun {
  public:
    // Connects the buttons of the page and of the panic frame to their handlers.
    CleaningRun(PrivacyControls& privacy, PanicControls& panic,
                const CleaningRunServices& services);
    CleaningRun(const CleaningRun&) = delete;
    CleaningRun& operator=(const CleaningRun&) = delete;

    void cmdCleanSelectedItems_Click();
    void cmdPanic_Click();
    // The unattended run of a schedule kind (1 daily, 2 weekly, 3 hourly); the kind chooses
    // which close-browser setting is read. Returns false when it was refused because another
    // run is under way.
    bool ClearData(std::int16_t kind);
    void cmdSelectAll_Click();
    void cmdDeselectAll_Click();

    bool RunUnderWay() const { return runsUnderWay_ > 0; }

  private:
    enum class Variant { Interactive, Panic, Unattended };
    class UnderWay;
    // One row of the item table: the box and the operation of its step.
    struct Step {
        ui::CheckBox* box;
        void (CleaningRun::*operation)();
    };

    void CloseBrowsers(bool minimiseAll);
    // Runs the steps in table order; a box is read when its step comes up. Returns false
    // when a panic run took over meanwhile.
    bool RunSteps(Variant variant, const UnderWay& run);
    bool CloseBrowserSetting(std::int16_t kind);
    // The closing message's lines about what this run and the unreported unattended runs
    // could not remove, each after a line break; empty when nothing was left.
    std::string LeftBehindLines();

    void ClearRecentDocuments() { services_.cleaners.ClearRecentDocuments(); }
    void ClearIEHistory() { services_.cleaners.ClearIEHistory(); }
    void ClearRunMRU() { services_.cleaners.ClearRunMRU(); }
    void ClearNetscapeHistory() { services_.browserSteps.ClearNetscapeHistory(); }
    void ClearNetscapeCache() { services_.browserSteps.ClearNetscapeCache(); }
    void ClearNetscapeCookies() { services_.browserSteps.ClearNetscapeCookies(); }
    void DeleteTypedUrls() { services_.cleaners.DeleteTypedUrls(); }
    void ClearTempFolder() { services_.cleaners.ClearTempFolder(); }
    void ClearFindFilesMRU() { services_.cleaners.ClearFindFilesMRU(); }
    void ClearFindComputersMRU() { services_.cleaners.ClearFindComputersMRU(); }
    void ClearPrinterPortsMRU() { services_.cleaners.ClearPrinterPortsMRU(); }
    void DisableAutoComplete() { services_.cleaners.DisableAutoComplete(); }
    void EmptyRecycleBinSilently();
    void ClearWinZipFileMenu() { services_.cleaners.ClearWinZipFileMenu(); }
    void ClearWinZipExtractMenu() { services_.cleaners.ClearWinZipExtractMenu(); }
    void ClearVBRecentFiles() { services_.cleaners.ClearVBRecentFiles(); }
    void ClearWordPadRecentList() { services_.cleaners.ClearWordPadRecentList(); }
    void ClearIECookies() { services_.browserSteps.ClearIECookies(); }
    void ClearPaintRecentList() { services_.cleaners.ClearPaintRecentList(); }
    void ClearMediaPlayerLists() { services_.cleaners.ClearMediaPlayerLists(); }
    void ClearIECache() { services_.browserSteps.ClearIECache(); }
    void ScheduleIndexDatDeletion() { services_.browserSteps.ScheduleIndexDatDeletion(); }

    // The item table, in the order the steps run.
    std::array<Step, 22> ItemTable();

    PrivacyControls& privacy_;
    PanicControls& panic_;
    CleaningRunServices services_;
    int runsUnderWay_ = 0;
    int panicRuns_ = 0;
    bool wipeWasEnabled_ = true;
};

}  // namespace cw
