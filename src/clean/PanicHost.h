#pragma once
// What the panic run needs from the main window: it sets UnattendedExit, hides the window
// and removes its tray icon before it cleans, and closes the window when it is done. The
// main window implements it.

namespace cw {

class PanicHost {
  public:
    virtual ~PanicHost() = default;
    virtual void SetUnattendedExit(bool value) = 0;
    virtual void HideMainWindow() = 0;
    virtual void RemoveTrayIcon() = 0;
    // Runs the close of the main window (no question while UnattendedExit is set).
    virtual void UnloadMainWindow() = 0;
};

}  // namespace cw
