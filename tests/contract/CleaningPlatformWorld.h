#pragma once
// What the contract tests of the platform services the cleaning run relies on run against:
// the fakes on the host build, the Win32 implementations under Wine. Each build defines the
// factory.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/MessageWait.h"
#include "platform/OsVersion.h"
#include "platform/SpecialFolders.h"
#include "platform/UrlCache.h"

namespace cw::contract {

class CleaningPlatformWorld {
  public:
    virtual ~CleaningPlatformWorld() = default;
    virtual Clock& clock() = 0;
    virtual MessageWait& wait() = 0;
    virtual UrlCache& urlCache() = 0;
    virtual OsVersion& os() = 0;
    virtual SpecialFolders& folders() = 0;
    // A message for this thread arrives (a posted thread message).
    virtual void PostMessageToSelf() = 0;
    // Takes every pending message of this thread off the queue.
    virtual void DrainMessages() = 0;
    // An entry of the cache index, as the browser records a page (type kNormalCacheEntry)
    // or a visit (kUrlHistoryCacheEntry, with a "Visited:" URL).
    virtual void AddCacheEntry(const std::string& url, std::uint32_t type) = 0;
};

std::unique_ptr<CleaningPlatformWorld> MakeCleaningPlatformWorld();

}  // namespace cw::contract
