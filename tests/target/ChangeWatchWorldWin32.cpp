// The ChangeWatch contract of the target build runs against the Win32 implementation and
// real folders of the test prefix.

#include <windows.h>

#include "contract/ChangeWatchWorld.h"
#include "platform/win32/Win32ChangeWatch.h"
#include "platform/win32/Win32FileSystem.h"
#include "support/TestWorld.h"

namespace cw::contract {

namespace {

class Win32ChangeWatchWorld : public ChangeWatchWorld {
  public:
    FileSystem& fs() override { return fs_; }
    ChangeWatch& watch() override { return watch_; }
    std::string MakeFolder(const std::string& name) override {
        return testing::MakeScratchFolder("changewatch-" + name);
    }
    void Settle(int ms) override { Sleep(static_cast<DWORD>(ms)); }

  private:
    win32::Win32FileSystem fs_;
    win32::Win32ChangeWatch watch_;
};

}  // namespace

std::unique_ptr<ChangeWatchWorld> MakeChangeWatchWorld() {
    return std::make_unique<Win32ChangeWatchWorld>();
}

}  // namespace cw::contract
