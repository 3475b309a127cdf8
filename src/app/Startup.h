#pragma once
// Process start before the main window exists: the single-instance check and the update
// relay.

#include "app/Services.h"

namespace cw {

// Brings the main window of the copy of the program that already runs to the front,
// restored, and answers true; false when no such window was found. Failures are reported
// under "Module,ShowPrevInstance()" and passed over.
bool ShowPrevInstance(Desktop& desktop, ErrorSink& errors);

// Whether this start carries on the update relay: the copy that started it ends at once,
// and is not to be taken for a copy that runs on.
bool UpdateRelayPending(Services& services);

// The next leg of the update relay (a downloaded release replacing the executable). Runs
// once per start, after the single-instance check and before the main window loads. True
// when this process must end now: it started the relay's next program.
bool ProcessUpdateState(Services& services);

}  // namespace cw
