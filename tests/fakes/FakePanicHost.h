#pragma once

#include "clean/PanicHost.h"
#include "fakes/RecordingCleaners.h"

namespace cw::fakes {

// Logs what the panic run asks of the main window into the run's call log.
class FakePanicHost : public PanicHost {
  public:
    explicit FakePanicHost(CallLog& log) : log_(log) {}
    void SetUnattendedExit() override { log_.Call("SetUnattendedExit"); }
    void HideMainWindow() override { log_.Call("HideMainWindow"); }
    void RemoveTrayIcon() override { log_.Call("RemoveTrayIcon"); }
    void UnloadMainWindow() override { log_.Call("UnloadMainWindow"); }
    WindowHandle MainWindowHandle() override { return 0x4242; }

  private:
    CallLog& log_;
};

}  // namespace cw::fakes
