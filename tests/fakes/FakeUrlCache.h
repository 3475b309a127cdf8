#pragma once

#include <algorithm>
#include <iterator>
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
                          const std::function<bool(const UrlCacheEntry&)>& visit) override {
        auto selected = [&](const UrlCacheEntry& e) {
            if (!pattern.empty()) return e.sourceUrl.starts_with(pattern);
            if (!contentOnlyWithoutPattern) return true;
            return !e.sourceUrl.starts_with(kCookieContainer) &&
                   !e.sourceUrl.starts_with(kHistoryContainer);
        };
        // The visitor may delete entries; it walks a copy, as the library's enumeration goes on
        // over an index that changes under it.
        std::vector<UrlCacheEntry> snapshot;
        std::copy_if(entries.begin(), entries.end(), std::back_inserter(snapshot), selected);
        std::size_t count = 0;
        for (const auto& e : snapshot) {
            ++count;
            if (!visit(e)) break;
        }
        return count;
    }
    bool DeleteEntry(const std::string& url) override {
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const UrlCacheEntry& e) { return e.sourceUrl == url; });
        if (it == entries.end()) return false;
        entries.erase(it);
        deleted.push_back(url);
        return true;
    }
    std::vector<std::string> ContainerPrefixes(const std::string& namePrefix) override {
        std::vector<std::string> prefixes;
        for (const auto& [name, prefix] : containers) {
            if (name.starts_with(namePrefix)) prefixes.push_back(prefix);
        }
        return prefixes;
    }

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
