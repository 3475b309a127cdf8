#include "clean/CleaningRun.h"

#include "errors/ErrorTrap.h"
#include "files/LeftBehind.h"
#include "settings/SettingNames.h"

namespace cw {

namespace s = settings;

namespace {

constexpr const char kConfirmPrompt[] = "Do you want to shred selected items now?";
constexpr const char kDonePrompt[] = "Your system has now been cleaned";
constexpr const char kDoneTitle[] = "Done....";

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

std::array<CleaningRun::Step, 22> CleaningRun::ItemTable() {
    PrivacyControls& p = privacy_;
    return {{
        {&p.chkDocuments, &CleaningRun::ClearRecentDocuments},
        {&p.chkInternetHistory, &CleaningRun::ClearIEHistory},
        {&p.chkRunMenu, &CleaningRun::ClearRunMRU},
        {&p.NetScape1, &CleaningRun::ClearNetscapeHistory},
        {&p.netscape2, &CleaningRun::ClearNetscapeCache},
        {&p.netscape3, &CleaningRun::ClearNetscapeCookies},
        {&p.chkUrls, &CleaningRun::DeleteTypedUrls},
        {&p.chkTemp, &CleaningRun::ClearTempFolder},
        {&p.chkFindFiles, &CleaningRun::ClearFindFilesMRU},
        {&p.chkFindComputers, &CleaningRun::ClearFindComputersMRU},
        {&p.chkPrinterPorts, &CleaningRun::ClearPrinterPortsMRU},
        {&p.chkAutoComplete, &CleaningRun::DisableAutoComplete},
        {&p.chkRecBin, &CleaningRun::EmptyRecycleBinSilently},
        {&p.chkWzip1, &CleaningRun::ClearWinZipFileMenu},
        {&p.chkWzip2, &CleaningRun::ClearWinZipExtractMenu},
        {&p.chkVb, &CleaningRun::ClearVBRecentFiles},
        {&p.chkWordPad, &CleaningRun::ClearWordPadRecentList},
        {&p.chkCookies, &CleaningRun::ClearIECookies},
        {&p.chkPbrush, &CleaningRun::ClearPaintRecentList},
        {&p.chkMediaPlayer, &CleaningRun::ClearMediaPlayerLists},
        {&p.chkIECache, &CleaningRun::ClearIECache},
        {&p.chkClearIndexDAT, &CleaningRun::ScheduleIndexDatDeletion},
    }};
}

void CleaningRun::EmptyRecycleBinSilently() {
    services_.cleaners.EmptyRecycleBinSilently(services_.host.MainWindowHandle());
}

void CleaningRun::CloseBrowsers(bool minimiseAll) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,CloseBrowsers");
    BrowserWindows& browsers = services_.browsers;
    trap([&] { browsers.CloseIEWindows(); });
    trap([&] { browsers.CloseWindowByTitle("Internet Explorer"); });
    trap([&] { browsers.CloseWindowByTitle("Netscape"); });
    if (minimiseAll) trap([&] { browsers.MinimizeAllWindows(); });
}

bool CleaningRun::RunSteps(Variant variant, const UnderWay& run) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,RunSteps");
    for (const Step& step : ItemTable()) {
        if (run.PanicTookOver()) return false;
        // The index files are left to the runs someone watches: their deletion needs a
        // restart.
        if (variant == Variant::Unattended &&
            step.operation == &CleaningRun::ScheduleIndexDatDeletion) {
            continue;
        }
        if (!step.box->Checked()) continue;
        trap([&] { (this->*step.operation)(); });
        if (variant == Variant::Interactive && step.operation == &CleaningRun::ClearIECookies) {
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
    services_.files.TakeLeftBehind();
    bool completed = RunSteps(Variant::Interactive, run);
    trap([&] { dialogs.SetWaitCursor(false); });
    // When a panic run took over, the program is closing: nothing more is shown.
    if (!completed) return;
    std::string prompt = kDonePrompt;
    trap([&] { prompt += LeftBehindLines(); });
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
        services_.files.TakeLeftBehind();
        completed = RunSteps(Variant::Panic, run);
        trap([&] {
            StoreUnreportedLeftBehind(services_.settings, services_.files.TakeLeftBehind());
        });
        ++panicRuns_;
    }
    // A panic run started inside this one has closed the program already. The unload comes
    // last: nothing of the run is touched after it.
    if (completed) trap([&] { host.UnloadMainWindow(); });
}

std::string CleaningRun::LeftBehindLines() {
    std::string lines;
    std::string now = DescribeLeftBehind(services_.files.TakeLeftBehind());
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
    services_.files.TakeLeftBehind();
    RunSteps(Variant::Unattended, run);
    trap([&] { StoreUnreportedLeftBehind(services_.settings, services_.files.TakeLeftBehind()); });
    return true;
}

void CleaningRun::cmdSelectAll_Click() {
    for (ui::CheckBox* box : privacy_.InRunOrder())
        box->SetValue(ui::kChecked);
}

void CleaningRun::cmdDeselectAll_Click() {
    for (ui::CheckBox* box : privacy_.InRunOrder())
        box->SetValue(ui::kUnchecked);
}

}  // namespace cw
