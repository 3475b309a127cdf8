// The contract tests of the host build run against the fakes.

#include "contract/DesktopWorld.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeNotifyIcon.h"

namespace cw::contract {

namespace {

class FakeDesktopWorld : public DesktopWorld {
  public:
    Desktop& desktop() override { return desktop_; }
    NotifyIcon& notifyIcon() override { return tray_; }
    WindowHandle Open(const std::string& className, const std::string& title) override {
        return desktop_.Add(className, title);
    }
    void Pump() override {}

  private:
    fakes::FakeDesktop desktop_;
    fakes::FakeNotifyIcon tray_;
};

}  // namespace

std::unique_ptr<DesktopWorld> MakeDesktopWorld() {
    return std::make_unique<FakeDesktopWorld>();
}

}  // namespace cw::contract
