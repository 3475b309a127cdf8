#pragma once
// The main window's other windows: the settings window (frmSettings), the About window
// (frmAbout), the update window (frmAutoUpdate), the analysis window and the window of the
// cookies to keep. Each is open at most once; asked for again, it comes to the front. The
// main window's unload closes them, the last opened first. Here too is what the update
// window and the automatic update check share: one Updater on the main window's transfer
// control, and the AutoUpdateTimer on timAutoUpdate.

#include <functional>
#include <memory>
#include <vector>

#include "app/OtherWindowViews.h"
#include "app/Services.h"
#include "clean/AnalysisWindow.h"
#include "clean/CookieKeepWindow.h"
#include "clean/ItemCleaners.h"
#include "schedule/SettingsHost.h"
#include "schedule/SettingsWindow.h"
#include "sysinfo/AboutWindow.h"
#include "update/AutoUpdateTimer.h"
#include "update/AutoUpdateWindow.h"
#include "update/Updater.h"

namespace cw {

class OtherWindows : public SettingsHost {
  public:
    // cleaners: what the analysis plans with.
    OtherWindows(Services& services, ui::Timer& timAutoUpdate, ItemCleaners& cleaners);
    OtherWindows(const OtherWindows&) = delete;
    OtherWindows& operator=(const OtherWindows&) = delete;
    ~OtherWindows() override;

    // The real windows come from here; until then nothing opens.
    void AttachViews(OtherWindowViews& views) { views_ = &views; }

    // Each opens its window modeless (filled from the store, for the settings and keep
    // windows), or brings the open one to the front.
    void ShowSettings();
    void ShowAbout();
    void ShowUpdate();
    void ShowKeepCookies();
    // The analysis of these items; an open analysis starts over with them.
    void ShowAnalysis(std::vector<CleaningItem> items);
    // The stored list of cookies to keep changed: an open keep window shows it.
    void KeepListChanged();
    // Closes every open window, the last opened first (the main window's unload).
    void UnloadAll();

    // SettingsHost: the settings window closes (OK, Cancel, its close box).
    void UnloadSettingsWindow() override;

    // The open windows' models (null when closed), for the main window's tests.
    SettingsWindow* Settings() { return ModelOf<SettingsWindow>(settings_); }
    AboutWindow* About() { return ModelOf<AboutWindow>(about_); }
    AnalysisWindow* Analysis() { return ModelOf<AnalysisWindow>(analysis_); }
    CookieKeepWindow* KeepCookies() { return ModelOf<CookieKeepWindow>(keep_); }
    update::AutoUpdateWindow& Update() { return updateWindow_; }

  private:
    // A window on screen: its view, which goes first, and its model unless the model lives
    // on without it (the update window's).
    struct Shown {
        std::shared_ptr<void> model;
        std::unique_ptr<OtherWindowView> view;
    };
    // One kind of window: the one open now, if any, and what closing it from the main
    // window's unload runs before it goes.
    struct Slot {
        Shown shown;
        std::function<void()> unload;
    };
    template <class Model>
    static Model* ModelOf(const Slot& slot) {
        return slot.shown.view ? static_cast<Model*>(slot.shown.model.get()) : nullptr;
    }

    // The one way every window opens: brings the open one to the front (after refresh, when
    // given); else makes model and view, runs filled (which may close it again) and shows it.
    void Open(Slot& slot, const std::function<Shown()>& make,
              const std::function<void()>& filled = {}, const std::function<void()>& refresh = {});
    // The one way every window closes: off the screen at once, forgotten, destroyed once
    // its code has returned.
    void Retire(Slot& slot);
    void ReleaseRetired();
    void ShowUpdateView();

    Services& s_;
    ItemCleaners& cleaners_;
    OtherWindowViews* views_ = nullptr;
    update::Updater updater_;
    update::AutoUpdateWindow updateWindow_;
    update::AutoUpdateTimer autoUpdateTimer_;
    Slot settings_, about_, update_, analysis_, keep_;
    std::vector<Slot*> order_;  // the open windows, first opened first
    // Closed windows whose code may still be running; destroyed once it is not.
    std::vector<Shown> retired_;
};

}  // namespace cw
