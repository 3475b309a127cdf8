#pragma once

#include <functional>

#include "clean/PanicHost.h"
#include "fakes/RecordingCleaners.h"

namespace cw::fakes {

// Logs what the panic run asks of the main window into the run's call log.
class FakePanicHost : public PanicHost {
  public:
    explicit FakePanicHost(CallLog& log) : log_(log) {}
    void SetUnattendedExit() override {
        unattendedExit = true;
        log_.Call("SetUnattendedExit");
    }
    void HideMainWindow() override { log_.Call("HideMainWindow"); }
    void RemoveTrayIcon() override { log_.Call("RemoveTrayIcon"); }
    void UnloadMainWindow() override {
        log_.Call("UnloadMainWindow");
        if (onUnload) onUnload();
    }
    WindowHandle MainWindowHandle() override { return 0x4242; }

    bool unattendedExit = false;
    // The main window's closing logic, as the test wants it.
    std::function<void()> onUnload;

  private:
    CallLog& log_;
};

}  // namespace cw::fakes
