#pragma once
// What the Desktop and NotifyIcon contract tests run against: the fakes on the host build,
// the Win32 implementations and real windows under Wine. Each build defines the factory.

#include <memory>
#include <string>

#include "platform/Desktop.h"
#include "platform/NotifyIcon.h"

namespace cw::contract {

class DesktopWorld {
  public:
    virtual ~DesktopWorld() = default;
    virtual Desktop& desktop() = 0;
    virtual NotifyIcon& notifyIcon() = 0;
    // A new top-level window of that class and title, shown in its normal state and placed
    // on top of the others.
    virtual WindowHandle Open(const std::string& className, const std::string& title) = 0;
    // Lets the windows handle what was posted to them.
    virtual void Pump() = 0;
};

std::unique_ptr<DesktopWorld> MakeDesktopWorld();

}  // namespace cw::contract
