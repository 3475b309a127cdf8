#pragma once
// Seeding and reading Internet Explorer's URL cache and the system's list of deletions at
// restart, for the demo and the integration tests (Windows only).

#include <cstdint>
#include <string>
#include <vector>

#include "platform/UrlCache.h"

namespace cw::demo {

// Adds an entry to the cache index. With content, the entry gets a local file in the
// cache's own folders holding it (CreateUrlCacheEntryA, then CommitUrlCacheEntryA).
bool SeedUrlCacheEntry(const std::string& url, std::uint32_t type, const std::string& content = "");

// Deletes every entry of every container.
void ClearUrlCache();

// The entries listed with the pattern (empty: no pattern; kCookieContainer, ...).
std::vector<UrlCacheEntry> ListUrlCache(const std::string& pattern);

// Wine does not make the cache's subfolders of "Content.IE5" again once they were deleted
// (CreateUrlCacheEntryA then fails with error 3); this makes the ones its index names.
void RestoreCacheFolders();

// The paths registered for deletion at the next restart (entries of
// PendingFileRenameOperations without a new name), without their "\??\" prefix.
std::vector<std::string> PendingRestartDeletes();

}  // namespace cw::demo
