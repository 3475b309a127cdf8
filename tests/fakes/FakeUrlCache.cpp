#include "fakes/FakeUrlCache.h"

#include <algorithm>
#include <iterator>

namespace cw::fakes {

std::size_t FakeUrlCache::Enumerate(const std::string& pattern,
                                    const std::function<bool(const UrlCacheEntry&)>& visit) {
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

bool FakeUrlCache::DeleteEntry(const std::string& url) {
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const UrlCacheEntry& e) { return e.sourceUrl == url; });
    if (it == entries.end()) return false;
    entries.erase(it);
    deleted.push_back(url);
    return true;
}

std::vector<std::string> FakeUrlCache::ContainerPrefixes(const std::string& namePrefix) {
    std::vector<std::string> prefixes;
    for (const auto& [name, prefix] : containers) {
        if (name.starts_with(namePrefix)) prefixes.push_back(prefix);
    }
    return prefixes;
}

}  // namespace cw::fakes
