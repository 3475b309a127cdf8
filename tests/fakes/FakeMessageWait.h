#pragma once

#include <functional>

#include "fakes/FakeClock.h"
#include "platform/MessageWait.h"

namespace cw::fakes {

// Waiting moves the fake clock on by the whole wait, unless a message is pending, which
// ends the wait at once.
class FakeMessageWait : public MessageWait {
  public:
    explicit FakeMessageWait(FakeClock& clock) : clock_(clock) {}
    void WaitForMessages(std::uint32_t ms) override {
        if (messagePending) return;
        clock_.AdvanceMs(ms);
        if (onWait) onWait();
    }

    bool messagePending = false;
    // Runs after each wait, as another program would while we wait.
    std::function<void()> onWait;

  private:
    FakeClock& clock_;
};

}  // namespace cw::fakes
