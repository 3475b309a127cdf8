#pragma once

#include <string>
#include <vector>

#include "platform/UrlCache.h"

namespace cw::fakes {

// A cache index in memory, enumerated in insertion order. Patterns select entries whose URL
// begins with them ("Cookie:", "Visited:"); the empty pattern selects the content entries
// (neither cookie nor history entries), as the library does.
class FakeUrlCache : public UrlCache {
  public:
    std::size_t Enumerate(const std::string& pattern,
                          const std::function<bool(const UrlCacheEntry&)>& visit) override;
    bool DeleteEntry(const std::string& url) override;

    void Add(const std::string& url, std::uint32_t type = kNormalCacheEntry) {
        entries.push_back({url, "", type});
    }
    // Entries that refuse deletion, as an entry in use does.
    std::vector<std::string> locked;
    std::vector<UrlCacheEntry> entries;
    std::vector<std::string> deleted;
};

}  // namespace cw::fakes
