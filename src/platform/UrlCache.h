#pragma once
// The Internet library's cache index (WinINet's URL cache): entries are read one at a time,
// each into a buffer of the size the library reports for it.

#include <cstdint>
#include <functional>
#include <string>

namespace cw {

inline constexpr std::uint32_t kNormalCacheEntry = 0x00000001;
inline constexpr std::uint32_t kStickyCacheEntry = 0x00000004;
inline constexpr std::uint32_t kCookieCacheEntry = 0x00100000;
inline constexpr std::uint32_t kUrlHistoryCacheEntry = 0x00200000;

struct UrlCacheEntry {
    std::string sourceUrl;
    std::string localFile;
    std::uint32_t type = 0;
};

class UrlCache {
public:
    virtual ~UrlCache() = default;
    // Enumerates the entries matching the search pattern (empty: the whole content index;
    // "cookie:" or "visited:" for those containers), calling visit for each until it
    // returns false. Returns the number of entries visited.
    virtual std::size_t Enumerate(const std::string& pattern,
                                  const std::function<bool(const UrlCacheEntry&)>& visit) = 0;
    // DeleteUrlCacheEntryA; true when the entry was deleted.
    virtual bool DeleteEntry(const std::string& url) = 0;
};

}  // namespace cw
