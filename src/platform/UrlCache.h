#pragma once
// The Internet library's cache index (WinINet's URL cache): entries are read one at a time,
// each into a buffer of the size the library reports for it.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cw {

inline constexpr std::uint32_t kNormalCacheEntry = 0x00000001;
inline constexpr std::uint32_t kStickyCacheEntry = 0x00000004;
inline constexpr std::uint32_t kCookieCacheEntry = 0x00100000;
inline constexpr std::uint32_t kUrlHistoryCacheEntry = 0x00200000;

// Search patterns of the cookie and history containers. Wine compares them with letter case
// ("cookie:" finds nothing there); Windows accepts this spelling too.
inline constexpr const char kCookieContainer[] = "Cookie:";
inline constexpr const char kHistoryContainer[] = "Visited:";

struct UrlCacheEntry {
    std::string sourceUrl;
    std::string localFile;
    std::uint32_t type = 0;
};

class UrlCache {
  public:
    virtual ~UrlCache() = default;
    // Enumerates the entries of the index, calling visit for each until it returns false;
    // returns the number of entries visited. With an empty pattern the library lists what it
    // lists without one: every container under Wine and Internet Explorer 4, the content
    // entries only from Internet Explorer 5 on. kCookieContainer or kHistoryContainer list
    // that container alone.
    virtual std::size_t Enumerate(const std::string& pattern,
                                  const std::function<bool(const UrlCacheEntry&)>& visit) = 0;
    // DeleteUrlCacheEntry(A); true when the entry was deleted.
    virtual bool DeleteEntry(const std::string& url) = 0;
    // The search prefixes of the index's extra containers whose names begin with namePrefix
    // (letter case ignored), such as Internet Explorer's day and week history "MSHist01...".
    // None where the library lists no containers.
    virtual std::vector<std::string> ContainerPrefixes(const std::string& namePrefix) = 0;
};

}  // namespace cw
