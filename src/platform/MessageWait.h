#pragma once
// A short wait on the user-interface thread that does not hold up its window messages: the
// wait ends early when a message arrives, so that the caller can let it through
// (Dialogs::DoEvents) and look again.

#include <cstdint>

namespace cw {

class MessageWait {
  public:
    virtual ~MessageWait() = default;
    // Returns after ms milliseconds, or sooner when a message arrives for this thread.
    virtual void WaitForMessages(std::uint32_t ms) = 0;
};

}  // namespace cw
