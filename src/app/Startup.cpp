#include "app/Startup.h"

#include "BuildConfig.h"
#include "app/MainView.h"
#include "errors/ErrorTrap.h"
#include "update/UpdateRelay.h"

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

namespace {

// The relay as start-up runs it: with the program's services, before any window exists.
struct StartupRelay {
    explicit StartupRelay(Services& s)
        : relay(s.settings, s.fileSystem, s.pathGuard, s.signatures, s.shell, s.clock, s.dialogs,
                {build::kServerUrl, build::kRelayMsPerSecond}) {}
    update::UpdateRelay relay;
};

}  // namespace

bool UpdateRelayPending(Services& services) {
    StartupRelay startup(services);
    bool pending = false;
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] { pending = startup.relay.LegPending(); });
    return pending;
}

bool ProcessUpdateState(Services& services) {
    StartupRelay startup(services);
    return startup.relay.ProcessUpdateState();
}

}  // namespace cw
