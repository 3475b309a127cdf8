#pragma once
// What the panic run needs from the main window.

#include "platform/WindowHandle.h"

namespace cw {

class PanicHost {
  public:
    virtual ~PanicHost() = default;
    // Sets the program-wide UnattendedExit flag, so that the close asks nothing and saves
    // the selection.
    virtual void SetUnattendedExit() = 0;
    virtual void HideMainWindow() = 0;
    virtual void RemoveTrayIcon() = 0;
    // Closes (unloads) the main window through its closing logic.
    virtual void UnloadMainWindow() = 0;
    // The main window's handle, owner of the shell's dialogs.
    virtual WindowHandle MainWindowHandle() = 0;
};

}  // namespace cw
