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
    // reached within a few seconds; this copy then ends.
    bool Acquire(Desktop& desktop, ErrorSink& errors);

  private:
    KernelHandle mutex_;
};

}  // namespace cw::win32
