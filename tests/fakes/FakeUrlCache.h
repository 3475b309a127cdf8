#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/UrlCache.h"

namespace cw::fakes {

// A cache index in memory, enumerated in insertion order. A pattern selects the entries
// whose URL begins with it, letter case counting, as under Wine. The empty pattern lists
// every entry, as Wine and Internet Explorer 4 do; with contentOnlyWithoutPattern it lists
// only the content entries (neither "Cookie:" nor "Visited:"), as Internet Explorer 5 and
// later do.
class FakeUrlCache : public UrlCache {
  public:
    std::size_t Enumerate(const std::string& pattern,
                          const std::function<bool(const UrlCacheEntry&)>& visit) override;
    bool DeleteEntry(const std::string& url) override;
    std::vector<std::string> ContainerPrefixes(const std::string& namePrefix) override;

    void Add(const std::string& url, std::uint32_t type = kNormalCacheEntry) {
        entries.push_back({url, "", type});
    }
    bool contentOnlyWithoutPattern = false;
    // The extra containers: name and search prefix.
    std::vector<std::pair<std::string, std::string>> containers;
    std::vector<UrlCacheEntry> entries;
    std::vector<std::string> deleted;
};

}  // namespace cw::fakes
