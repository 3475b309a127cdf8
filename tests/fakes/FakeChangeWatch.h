#pragma once
// Change notifications over a FakeFileSystem. A watch remembers what the entries directly in
// its folder looked like (names, attributes, contents, as far as the filter asks) and is
// signalled when a poll finds them different. The signal stays until Resume, which, as
// under Wine, forgets the changes made since the signal (Windows would keep them): code
// that works with the fake does not depend on them.

#include <memory>
#include <string>

#include "fakes/FakeFileSystem.h"
#include "platform/ChangeWatch.h"

namespace cw::fakes {

class FakeChangeWatch : public ChangeWatch {
  public:
    explicit FakeChangeWatch(FakeFileSystem& fs) : fs_(fs) {}
    long Watch(const std::string& folder, std::uint32_t filter,
               std::unique_ptr<FolderWatch>& watch) override;

    // Watches that are open now.
    int OpenWatches() const { return shared_->open; }
    // Every open watch and every later one fails its polls (kWaitFailed).
    void Break() { shared_->broken = true; }
    // Resume fails with this status from now on (0: it succeeds).
    void FailResume(long status) { shared_->resumeStatus = status; }

    struct Shared {
        int open = 0;
        bool broken = false;
        long resumeStatus = 0;
    };

  private:
    FakeFileSystem& fs_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
};

}  // namespace cw::fakes
