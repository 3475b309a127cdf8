#pragma once
// Internet Explorer's cache: the "IE Cache" page, which lists the cache index and deletes
// from it, and the cleaning steps for the cookies (chkCookies), the Temporary Internet
// Files (chkIECache) and the index files (chkClearIndexDAT).

#include <functional>
#include <string>
#include <vector>

#include "clean/CacheControls.h"
#include "clean/CleaningPlan.h"
#include "clean/CookieKeepList.h"
#include "clean/ShellFolders.h"
#include "errors/ErrorSink.h"
#include "files/FileRoutines.h"
#include "platform/UrlCache.h"

namespace cw {

class PathSet;  // paths whatever their case (the cache planning's own)

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

    // The cookie step: every entry the page would list and every cookie file, but the
    // cookies the keep list keeps; then the page shows the index anew.
    void PlanIECookies(CleaningPlan& plan, const CookieKeepList& keep);
    // The cache step: every listed entry but kept cookies, the subfolders of "Content.IE5"
    // with all they hold, then its loose files (not its index).
    void PlanIECache(CleaningPlan& plan, const CookieKeepList& keep);
    // Registers the cache folder and the history index for deletion at the next restart,
    // when they are locked while Windows runs.
    void PlanIndexDatDeletion(CleaningPlan& plan);

  private:
    void ShowCount();
    void DeleteListed(bool cookiesOnly);
    // Calls visit for each entry ListCacheEntries shows, as the library lists them (a wipe
    // deletes entries already listed while the listing goes on).
    void ForEachListedEntry(const std::function<void(const UrlCacheEntry&)>& visit);
    // The listed entries but the kept cookies. Their local files go into entryFiles, the
    // kept cookies' also into keptFiles.
    void PlanListedEntries(CleaningPlan& plan, const CookieKeepList& keep, PathSet& entryFiles,
                           PathSet& keptFiles);
    // Refills the list after a step, empty, with the count 0 (as "Delete All" leaves it).
    void ShowEmptiedList();
    // AddSlash(cache folder) + "Content.IE5", or empty when the lookup failed.
    std::string ContentIE5Folder();

    CacheControls& c_;
    UrlCache& cache_;
    FileRoutines& files_;
    ShellFolders& folders_;
    ErrorSink& errors_;
};

}  // namespace cw
