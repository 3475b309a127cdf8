#pragma once
// frmAutoUpdate, the update window ("AutoUpdate"): the user starts the check and download
// with Proceed and follows it in a list of progress lines. Opened modeless from the main
// window's "Check for Upgrades" and by the automatic check.
//
// Cancel and closing the window abandon the transfer the update is waiting for, on the
// control that runs it; a cancelled download is never saved, started or handed over to.

#include <functional>
#include <string>

#include "errors/ErrorSink.h"
#include "report/ConnectionTest.h"
#include "settings/SettingsStore.h"
#include "ui/Controls.h"
#include "update/Updater.h"

namespace cw::update {

inline constexpr const char kAutoUpdateCaption[] = "AutoUpdate";
inline constexpr const char kLabel1Caption[] =
    "AutoUpdate checks the Internet for latest upgrade of Clearwell and it updates the "
    "necessary files automatically if it finds any new update available. Please ensure that "
    "you are connected to the Internet before proceeding.";

// Images of ImageList1, as ListView1's lines use them (0 = no image).
inline constexpr int kImageProgress = 1;  // progress and positive lines
inline constexpr int kImageNegative = 2;  // negative lines

// The progress lines, exactly as the window has always shown them.
inline constexpr const char kLineChecking[] = "Checking for updates...";
inline constexpr const char kLineNotConnected[] = "You are currently not conneted to the Internet";
inline constexpr const char kLineNoUpdate[] = "No new update available.";
inline constexpr const char kLineAvailable[] = "New Update available.";
inline constexpr const char kLineDownloading[] = "Dowanloading New Version...Please wait.";
inline constexpr const char kLineMayTakeTime[] = "This may take some time...";
inline constexpr const char kLineDependsOnSpeed[] = "Depending on your Internet connection speed";
// Shown when no download was accepted, or the new version did not start; the program keeps
// running.
inline constexpr const char kLineDownloadFailed[] =
    "The update could not be completed. Please try again later.";
// Shown when the download did not carry the maker's valid signature: nothing was kept.
inline constexpr const char kLineUnverified[] =
    "The update could not be verified, so it was not installed.";

class AutoUpdateWindow {
  public:
    AutoUpdateWindow(Updater& updater, ConnectionTest& connection, SettingsStore& settings,
                     ErrorSink& errors);

    ui::Label Label1{"Label1", kLabel1Caption};  // what the window is for
    ui::ListView ListView1{"ListView1"};         // the check's steps, one line each
    ui::Button cmdProceed{"cmdProceed", "Proceed"};
    ui::Button cmdCancel{"cmdCancel", "Cancel"};
    ui::StatusBar StatusBar1{"StatusBar1"};  // the status line under the list
    ui::Image imgCatchUp{"imgCatchUp"};

    void cmdProceed_Click();
    void cmdCancel_Click();

    // Opens the window (modeless, no owner). A window that was closed opens afresh.
    void Show();
    // The window is closing (close box, Cancel, the program ending): abandons a running
    // transfer of the update, then closes.
    void Form_Unload();
    bool IsOpen() const { return open_; }

    // The view's hooks: create and show the real window, destroy it.
    std::function<void()> onShow;
    std::function<void()> onUnload;

  private:
    void Proceed();

    Updater& updater_;
    ConnectionTest& connection_;
    SettingsStore& settings_;
    ErrorSink* errors_;
    bool open_ = false;
};

}  // namespace cw::update
