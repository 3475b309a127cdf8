#include "app/Startup.h"

#include "app/MainView.h"
#include "errors/ErrorTrap.h"

namespace cw {

bool ShowPrevInstance(Desktop& desktop, ErrorSink& errors) {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors, "Module,ShowPrevInstance()");
    // This copy has no window yet, so the only main window to be found is the other copy's,
    // shown or hidden in the notification area.
    WindowHandle window = 0;
    trap([&] { window = desktop.FindByClass(kMainWindowClass); });
    if (window == 0) return false;
    trap([&] { desktop.Show(window, kSwShow); });
    trap([&] { desktop.Restore(window); });
    trap([&] { desktop.SetForeground(window); });
    return true;
}

void ProcessUpdateState(Services&) {
    // Wired by the update issue: the relay reads the update key's "Up" value here.
}

}  // namespace cw
