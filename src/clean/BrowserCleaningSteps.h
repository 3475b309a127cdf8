#pragma once
// The steps of the cleaning run that work on the browsers' caches, cookies, index files and
// profiles. The cleaning run calls them when their boxes are ticked.

namespace cw {

class BrowserCleaningSteps {
  public:
    virtual ~BrowserCleaningSteps() = default;
    virtual void ClearNetscapeHistory() = 0;      // NetScape1
    virtual void ClearNetscapeCache() = 0;        // netscape2
    virtual void ClearNetscapeCookies() = 0;      // netscape3, then the cookie viewer reloads
    virtual void ClearIECookies() = 0;            // chkCookies: the cookie step
    virtual void ClearIECache() = 0;              // chkIECache: the cache step
    virtual void ScheduleIndexDatDeletion() = 0;  // chkClearIndexDAT
};

}  // namespace cw
