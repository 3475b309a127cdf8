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

#include <cstdint>
#include <string>

#include "clean/BrowserWindows.h"
#include "clean/ItemCleaners.h"
#include "clean/PanicHost.h"
#include "clean/PrivacyControls.h"
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
    ItemCleaners& cleaners;
    PanicHost& host;
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
    void CloseBrowsers(bool minimiseAll);
    // Runs the steps in table order: a box is read when its step comes up, and its item
    // planned and wiped then. Returns false when a panic run took over meanwhile; adds what
    // was removed to done.
    bool RunSteps(Variant variant, const UnderWay& run, PlanTotals& done);
    bool CloseBrowserSetting(std::int16_t kind);
    // The closing message's lines about what this run (left) and the unreported unattended
    // runs could not remove, each after a line break; empty when nothing was left.
    std::string LeftBehindLines(const LeftCounts& left);

    PrivacyControls& privacy_;
    PanicControls& panic_;
    CleaningRunServices services_;
    int runsUnderWay_ = 0;
    int panicRuns_ = 0;
    bool wipeWasEnabled_ = true;
};

}  // namespace cw
