#pragma once
// What the main window asks of the real program for its other windows (settings, About,
// update): a view for each, shown modeless with no owner, and the update's way of ending
// the process at once. The Win32 views implement it; tests fake it.

#include <memory>

namespace cw {

class SettingsHost;
class SettingsWindow;
class AboutWindow;
namespace update {
class AutoUpdateWindow;
}

// One of the other windows on screen. Destroying the view destroys the real window.
class OtherWindowView {
  public:
    virtual ~OtherWindowView() = default;
    // Shows the window, restored, and brings it to the front with the focus.
    virtual void Show() = 0;
    // Takes the window off the screen at once; the real window goes once the handler that
    // closed it has returned.
    virtual void Close() = 0;
    // A handler of the window is running (a click, a key): the view must not be destroyed
    // now, its code is still on the stack.
    virtual bool InUse() const = 0;
};

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
    // Ends the process at once: no unload, no close logic, nothing saved (the update's
    // hand-over to the new release).
    virtual void EndProgram() = 0;
};

}  // namespace cw
