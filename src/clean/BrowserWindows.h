#pragma once
// Closing the web browsers before a cleaning run, and minimising every window. The close
// requests are posted; only CloseIEWindows waits, and never longer than its bound, so that a
// browser that refuses to close cannot hold the run.

#include <cstdint>
#include <string>

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/MessageWait.h"
#include "ui/Dialogs.h"

namespace cw {

// The bound of one CloseIEWindows call.
inline constexpr std::uint32_t kCloseIEWindowsMaxMs = 10000;
inline constexpr int kCloseIEWindowsMaxRequests = 50;
// How long one close request is given before the window is asked again.
inline constexpr std::uint32_t kCloseRequestGraceMs = 200;
inline constexpr std::uint32_t kCloseRequestPollMs = 20;

// The taskbar's command that minimises all windows.
inline constexpr std::uintptr_t kMinimizeAllCommand = 419;

class BrowserWindows {
  public:
    BrowserWindows(Desktop& desktop, ui::Dialogs& dialogs, Clock& clock, MessageWait& wait)
        : desktop_(desktop), dialogs_(dialogs), clock_(clock), wait_(wait) {}

    // Asks every top-level window of class "IEFrame" to close, one after another, until none
    // is left or the bound is reached. Returns the number of close requests posted.
    int CloseIEWindows();
    // Asks the first top-level window whose title contains the text (in any letter case) to
    // close. Returns whether one was found.
    bool CloseWindowByTitle(const std::string& text);
    std::string GetWindowTitle(WindowHandle window);
    // Asks the taskbar to minimise every window; nothing when there is no taskbar.
    void MinimizeAllWindows();

  private:
    // Lets messages through until the window is gone or its grace time is over.
    void AwaitClose(WindowHandle window, std::uint32_t runStart);
    bool BoundReached(std::uint32_t runStart, int requests);

    Desktop& desktop_;
    ui::Dialogs& dialogs_;
    Clock& clock_;
    MessageWait& wait_;
};

}  // namespace cw
