#include "fakes/FakeUrlCache.h"

#include <algorithm>

#include "text/Ansi.h"

namespace cw::fakes {

namespace {

bool InContainer(const UrlCacheEntry& e, const std::string& pattern) {
    if (pattern.empty()) {
        return !text::StartsWithNoCase(e.sourceUrl, "Cookie:") &&
               !text::StartsWithNoCase(e.sourceUrl, "Visited:");
    }
    return text::StartsWithNoCase(e.sourceUrl, pattern);
}

}  // namespace

std::size_t FakeUrlCache::Enumerate(const std::string& pattern,
                                    const std::function<bool(const UrlCacheEntry&)>& visit) {
    std::vector<UrlCacheEntry> snapshot;
    for (const auto& e : entries) {
        if (InContainer(e, pattern)) snapshot.push_back(e);
    }
    std::size_t count = 0;
    for (const auto& e : snapshot) {
        ++count;
        if (!visit(e)) break;
    }
    return count;
}

bool FakeUrlCache::DeleteEntry(const std::string& url) {
    if (std::find(locked.begin(), locked.end(), url) != locked.end()) return false;
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const UrlCacheEntry& e) { return e.sourceUrl == url; });
    if (it == entries.end()) return false;
    entries.erase(it);
    deleted.push_back(url);
    return true;
}

}  // namespace cw::fakes
