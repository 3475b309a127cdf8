#include "clean/CleaningRun.h"

#include "clean/CleaningItems.h"
#include "clean/LeftBehind.h"
#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"

namespace cw {

namespace s = settings;

namespace {

constexpr const char kConfirmPrompt[] = "Do you want to shred selected items now?";
constexpr const char kDonePrompt[] = "Your system has now been cleaned";
constexpr const char kDoneTitle[] = "Done....";

// The closing message, with what the run removed.
std::string DonePrompt(const PlanTotals& done) {
    return std::string(kDonePrompt) + "\n" + DescribeTraces(done.traces) + " removed, " +
           DescribeSize(done.bytes) + " freed.";
}

}  // namespace

// Marks a run as under way for its lifetime: "Wipe Selected Items" is disabled meanwhile and
// enabled again as it was when the outermost run ends.
class CleaningRun::UnderWay {
  public:
    explicit UnderWay(CleaningRun& run) : run_(run), panicsAtStart_(run.panicRuns_) {
        ui::Button& wipe = run_.privacy_.cmdCleanSelectedItems;
        if (run_.runsUnderWay_++ == 0) {
            run_.wipeWasEnabled_ = wipe.Enabled();
            wipe.SetEnabled(false);
        }
    }
    ~UnderWay() {
        if (--run_.runsUnderWay_ == 0)
            run_.privacy_.cmdCleanSelectedItems.SetEnabled(run_.wipeWasEnabled_);
    }
    UnderWay(const UnderWay&) = delete;
    UnderWay& operator=(const UnderWay&) = delete;

    // A panic run started and finished inside this run: the program is closing.
    bool PanicTookOver() const { return run_.panicRuns_ != panicsAtStart_; }

  private:
    CleaningRun& run_;
    int panicsAtStart_;
};

CleaningRun::CleaningRun(PrivacyControls& privacy, PanicControls& panic,
                         const CleaningRunServices& services)
    : privacy_(privacy), panic_(panic), services_(services) {
    privacy_.cmdCleanSelectedItems.onClick = [this] { cmdCleanSelectedItems_Click(); };
    privacy_.cmdSelectAll.onClick = [this] { cmdSelectAll_Click(); };
    privacy_.cmdDeselectAll.onClick = [this] { cmdDeselectAll_Click(); };
    panic_.cmdPanic.onClick = [this] { cmdPanic_Click(); };
}

void CleaningRun::CloseBrowsers(bool minimiseAll) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,CloseBrowsers");
    BrowserWindows& browsers = services_.browsers;
    trap([&] { browsers.CloseIEWindows(); });
    trap([&] { browsers.CloseWindowByTitle("Internet Explorer"); });
    trap([&] { browsers.CloseWindowByTitle("Netscape"); });
    if (minimiseAll) trap([&] { browsers.MinimizeAllWindows(); });
}

bool CleaningRun::RunSteps(Variant variant, const UnderWay& run, PlanTotals& done) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,RunSteps");
    ItemCleaners& cleaners = services_.cleaners;
    for (const CleaningItemRow& row : kCleaningItems) {
        if (run.PanicTookOver()) return false;
        // The index files are left to the runs someone watches: their deletion needs a
        // restart.
        if (variant == Variant::Unattended && row.item == CleaningItem::IndexDat) continue;
        if (!BoxOf(privacy_, row).Checked()) continue;
        trap([&] { done += cleaners.Wipe(row.item); });
        if (variant == Variant::Interactive && row.item == CleaningItem::IECookies) {
            trap([&] {
                services_.settings.SetSettingString(kHkeyLocalMachine, s::kMarkerKey,
                                                    s::kMarkerValue, "tt");
            });
        }
    }
    return !run.PanicTookOver();
}

void CleaningRun::cmdCleanSelectedItems_Click() {
    if (RunUnderWay()) return;
    UnderWay run(*this);
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,cmdCleanSelectedItems_Click");
    ui::Dialogs& dialogs = services_.dialogs;
    int answer = ui::vbNo;
    trap([&] { answer = dialogs.MsgBox(kConfirmPrompt, ui::vbYesNo, ui::kAppTitle); });
    // A panic run may have closed the program while the question was open.
    if (answer != ui::vbYes || run.PanicTookOver()) return;
    trap([&] { dialogs.SetWaitCursor(true); });
    trap([&] { CloseBrowsers(false); });
    PlanTotals done;
    bool completed = RunSteps(Variant::Interactive, run, done);
    trap([&] { dialogs.SetWaitCursor(false); });
    // When a panic run took over, the program is closing: nothing more is shown.
    if (!completed) return;
    std::string prompt = DonePrompt(done);
    trap([&] { prompt += LeftBehindLines(done.left); });
    trap([&] { dialogs.MsgBox(prompt, ui::vbInformation, kDoneTitle); });
}

void CleaningRun::cmdPanic_Click() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,cmdPanic_Click");
    PanicHost& host = services_.host;
    bool completed = false;
    {
        UnderWay run(*this);
        trap([&] { host.SetUnattendedExit(); });
        trap([&] { host.HideMainWindow(); });
        trap([&] { CloseBrowsers(true); });
        trap([&] { host.RemoveTrayIcon(); });
        PlanTotals done;
        completed = RunSteps(Variant::Panic, run, done);
        trap([&] { StoreUnreportedLeftBehind(services_.settings, done.left); });
        ++panicRuns_;
    }
    // A panic run started inside this one has closed the program already. The unload comes
    // last: nothing of the run is touched after it.
    if (completed) trap([&] { host.UnloadMainWindow(); });
}

std::string CleaningRun::LeftBehindLines(const LeftCounts& left) {
    std::string lines;
    std::string now = DescribeLeftBehind(left);
    if (!now.empty()) lines += "\n" + now;
    std::string earlier = DescribeLeftBehind(TakeUnreportedLeftBehind(services_.settings));
    if (!earlier.empty()) lines += "\nEarlier scheduled or panic cleanings: " + earlier;
    return lines;
}

bool CleaningRun::CloseBrowserSetting(std::int16_t kind) {
    const char* name = kind == kScheduleDaily    ? s::kDailyScheduleCloseBrowser
                       : kind == kScheduleWeekly ? s::kWeeklyScheduleCloseBrowser
                       : kind == kScheduleHourly ? s::kHourlyScheduleCloseBrowser
                                                 : nullptr;
    if (!name) return false;
    return services_.settings.GetSettingLong(s::kSettingsRoot, s::kSettingsKey, name, 0) != 0;
}

bool CleaningRun::ClearData(std::int16_t kind) {
    if (RunUnderWay()) return false;
    UnderWay run(*this);
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,ClearData");
    bool close = false;
    trap([&] { close = CloseBrowserSetting(kind); });
    if (close) trap([&] { CloseBrowsers(true); });
    PlanTotals done;
    RunSteps(Variant::Unattended, run, done);
    trap([&] { StoreUnreportedLeftBehind(services_.settings, done.left); });
    return true;
}

void CleaningRun::cmdSelectAll_Click() {
    for (const CleaningItemRow& row : kCleaningItems)
        BoxOf(privacy_, row).SetValue(ui::kChecked);
}

void CleaningRun::cmdDeselectAll_Click() {
    for (const CleaningItemRow& row : kCleaningItems)
        BoxOf(privacy_, row).SetValue(ui::kUnchecked);
}

}  // namespace cw
