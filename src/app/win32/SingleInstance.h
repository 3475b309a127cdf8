#pragma once
// Only one copy of the program runs: a named mutex tells a second copy that the first one
// is there, and the second copy brings the first one's window to the front and ends.

#include "app/Services.h"
#include "platform/win32/Handles.h"

namespace cw::win32 {

class SingleInstance {
  public:
    // True when this copy may run (it then holds the mutex until it ends). False when
    // another copy runs: its main window was brought to the front, or it could not be
    // reached within a few seconds; this copy then ends. startedByEndingCopy: the copy that
    // holds the mutex started this one and is ending (the update relay); its window may
    // still be there, so this copy first waits for it to go.
    bool Acquire(Desktop& desktop, ErrorSink& errors, bool startedByEndingCopy = false);

  private:
    KernelHandle mutex_;
};

}  // namespace cw::win32
