#pragma once
// The browser steps of the cleaning run, done by the cache manager and the Netscape
// cleaner; after the Netscape cookies the cookie viewer reloads its lists.

#include <functional>
#include <utility>

#include "clean/BrowserCleaningSteps.h"
#include "clean/CacheManager.h"
#include "clean/NetscapeCleaner.h"

namespace cw {

class BrowserCleaner : public BrowserCleaningSteps {
  public:
    BrowserCleaner(CacheManager& cache, NetscapeCleaner& netscape,
                   std::function<void()> loadCookieDomains)
        : cache_(cache), netscape_(netscape), loadCookieDomains_(std::move(loadCookieDomains)) {}

    void ClearNetscapeHistory() override { netscape_.ClearNetscapeHistory(); }
    void ClearNetscapeCache() override { netscape_.ClearNetscapeCache(); }
    void ClearNetscapeCookies() override {
        netscape_.ClearNetscapeCookies();
        if (loadCookieDomains_) loadCookieDomains_();
    }
    void ClearIECookies() override { cache_.ClearIECookies(); }
    void ClearIECache() override { cache_.ClearIECache(); }
    void ScheduleIndexDatDeletion() override { cache_.ScheduleIndexDatDeletion(); }

  private:
    CacheManager& cache_;
    NetscapeCleaner& netscape_;
    std::function<void()> loadCookieDomains_;
};

}  // namespace cw
