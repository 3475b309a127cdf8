#pragma once

#include "platform/UrlCache.h"

namespace cw::win32 {

class Win32UrlCache : public UrlCache {
  public:
    std::size_t Enumerate(const std::string& pattern,
                          const std::function<bool(const UrlCacheEntry&)>& visit) override;
    bool DeleteEntry(const std::string& url) override;
    std::vector<std::string> ContainerPrefixes(const std::string& namePrefix) override;
};

}  // namespace cw::win32
