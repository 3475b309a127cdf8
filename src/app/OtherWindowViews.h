#pragma once
// What the main window asks of the real program for its other windows (settings, About,
// update, analysis, cookies to keep): a view for each, shown modeless with no owner, and the
// update's way of ending the process at once. The Win32 views implement it; tests fake it.

#include <memory>

#include "ui/OtherWindowView.h"

namespace cw {

class SettingsHost;
class SettingsWindow;
class AboutWindow;
class AnalysisWindow;
class CookieKeepWindow;
namespace update {
class AutoUpdateWindow;
}

class OtherWindowViews {
  public:
    virtual ~OtherWindowViews() = default;
    // Each creates the window for the model, hidden, with its controls bound to the model's.
    // The settings window's close box unloads it through the host.
    virtual std::unique_ptr<OtherWindowView> CreateSettings(SettingsWindow& model,
                                                            SettingsHost& host) = 0;
    // The About window's close box raises the model's onUnload.
    virtual std::unique_ptr<OtherWindowView> CreateAbout(AboutWindow& model) = 0;
    // The update window's close box runs the model's Form_Unload.
    virtual std::unique_ptr<OtherWindowView> CreateUpdate(update::AutoUpdateWindow& model) = 0;
    // The analysis and keep windows' close boxes (and Esc) raise the model's onUnload.
    virtual std::unique_ptr<OtherWindowView> CreateAnalysis(AnalysisWindow& model) = 0;
    virtual std::unique_ptr<OtherWindowView> CreateKeepCookies(CookieKeepWindow& model) = 0;
    // Ends the process at once: no unload, no close logic, nothing saved (the update's
    // hand-over to the new release).
    virtual void EndProgram() = 0;
};

}  // namespace cw
