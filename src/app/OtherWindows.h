#pragma once
// The main window's other windows: the settings window (frmSettings), the About window
// (frmAbout) and the update window (frmAutoUpdate). Each is open at most once; asked for
// again, it comes to the front. The main window's unload closes them, the last opened
// first. Here too is what the update window and the automatic update check share: one
// Updater on the main window's transfer control, and the AutoUpdateTimer on timAutoUpdate.

#include <memory>
#include <vector>

#include "app/OtherWindowViews.h"
#include "app/Services.h"
#include "schedule/SettingsHost.h"
#include "schedule/SettingsWindow.h"
#include "sysinfo/AboutWindow.h"
#include "update/AutoUpdateTimer.h"
#include "update/AutoUpdateWindow.h"
#include "update/Updater.h"

namespace cw {

class OtherWindows : public SettingsHost {
  public:
    OtherWindows(Services& services, ui::Timer& timAutoUpdate);
    OtherWindows(const OtherWindows&) = delete;
    OtherWindows& operator=(const OtherWindows&) = delete;
    ~OtherWindows() override;

    // The real windows come from here; until then nothing opens.
    void AttachViews(OtherWindowViews& views) { views_ = &views; }

    // Each opens its window modeless (filled from the store, for the settings window), or
    // brings the open one to the front.
    void ShowSettings();
    void ShowAbout();
    void ShowUpdate();
    // Closes every open window, the last opened first (the main window's unload).
    void UnloadAll();

    // SettingsHost: the settings window closes (OK, Cancel, its close box).
    void UnloadSettingsWindow() override;

    // The open windows' models (null when closed), for the main window's tests.
    SettingsWindow* Settings() { return settings_.settings.get(); }
    AboutWindow* About() { return about_.about.get(); }
    update::AutoUpdateWindow& Update() { return updateWindow_; }

  private:
    enum class Kind { Settings, About, Update };
    // A window on screen: its model (the update window's lives on) and its view, which
    // goes first.
    struct Shown {
        std::unique_ptr<SettingsWindow> settings;
        std::unique_ptr<AboutWindow> about;
        std::unique_ptr<OtherWindowView> view;
    };

    void Open(Kind kind, Shown& shown, std::unique_ptr<OtherWindowView> view);
    void Retire(Kind kind, Shown& shown);
    void ReleaseRetired();
    void UnloadAbout();
    void ShowUpdateView();

    Services& s_;
    OtherWindowViews* views_ = nullptr;
    update::Updater updater_;
    update::AutoUpdateWindow updateWindow_;
    update::AutoUpdateTimer autoUpdateTimer_;
    Shown settings_, about_, update_;
    std::vector<Kind> order_;  // the open windows, first opened first
    // Closed windows whose code may still be running; destroyed once it is not.
    std::vector<Shown> retired_;
};

}  // namespace cw
