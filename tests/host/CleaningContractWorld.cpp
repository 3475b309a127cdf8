// The host build's contract world of the cleaning run's platform services: the fakes.

#include "contract/CleaningPlatformWorld.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeMessageWait.h"
#include "fakes/FakeOsVersion.h"
#include "fakes/FakeSpecialFolders.h"
#include "fakes/FakeUrlCache.h"

namespace cw::contract {

namespace {

class FakeCleaningPlatformWorld : public CleaningPlatformWorld {
  public:
    Clock& clock() override { return clock_; }
    MessageWait& wait() override { return wait_; }
    UrlCache& urlCache() override { return cache_; }
    OsVersion& os() override { return os_; }
    SpecialFolders& folders() override { return folders_; }
    void PostMessageToSelf() override { wait_.messagePending = true; }
    void DrainMessages() override { wait_.messagePending = false; }
    void AddCacheEntry(const std::string& url, std::uint32_t type) override {
        cache_.Add(url, type);
    }

  private:
    fakes::FakeClock clock_;
    fakes::FakeMessageWait wait_{clock_};
    fakes::FakeUrlCache cache_;
    fakes::FakeOsVersion os_;
    fakes::FakeSpecialFolders folders_;
};

}  // namespace

std::unique_ptr<CleaningPlatformWorld> MakeCleaningPlatformWorld() {
    return std::make_unique<FakeCleaningPlatformWorld>();
}

}  // namespace cw::contract
