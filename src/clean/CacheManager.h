#pragma once
// Internet Explorer's cache: the "IE Cache" page, which lists the cache index and deletes
// from it, and the cleaning steps for the cookies (chkCookies), the Temporary Internet
// Files (chkIECache) and the index files (chkClearIndexDAT).

#include <string>

#include "clean/CacheControls.h"
#include "clean/ShellFolders.h"
#include "errors/ErrorSink.h"
#include "files/FileRoutines.h"
#include "platform/UrlCache.h"

namespace cw {

class CacheManager {
  public:
    // Connects the page's buttons and list to the handlers below.
    CacheManager(CacheControls& controls, UrlCache& cache, FileRoutines& files,
                 ShellFolders& folders, ErrorSink& errors);

    // Fills lstCache with the source URLs of the normal entries of the cache index.
    void ListCacheEntries();

    void cmdGetCache_Click();
    void lstCache_Click();
    void cmdDeleteSelected_Click();
    void cmdDeleteAllCache_Click();
    void cmdDeleteCookies_Click();

    // The cookie step: every listed entry, the cookie files, then "Delete All".
    void ClearIECookies();
    // The cache step: "Delete All", the cache's subfolders, then its loose files.
    void ClearIECache();
    // Deletes every subfolder of the cache's "Content.IE5" folder with all it holds.
    void ClearContentIE5();
    // Registers the cache folder and the history index for deletion at the next restart,
    // when they are locked while Windows runs.
    void ScheduleIndexDatDeletion();

  private:
    void ShowCount();
    void DeleteListed(bool cookiesOnly);
    // AddSlash(cache folder) + "Content.IE5", or empty when the lookup failed.
    std::string ContentIE5Folder();

    CacheControls& c_;
    UrlCache& cache_;
    FileRoutines& files_;
    ShellFolders& folders_;
    ErrorSink& errors_;
};

}  // namespace cw
