#include "clean/CacheManager.h"

#include <vector>

#include "clean/PlainFiles.h"
#include "errors/ErrorTrap.h"
#include "files/Paths.h"

namespace cw {

namespace {

constexpr const char kCookieMark[] = "Cookie";
constexpr const char kIndexFile[] = "index.dat";

bool IsCookieEntry(const UrlCacheEntry& entry) {
    return (entry.type & kCookieCacheEntry) != 0 ||
           entry.sourceUrl.compare(0, sizeof kCookieContainer - 1, kCookieContainer) == 0;
}

}  // namespace

CacheManager::CacheManager(CacheControls& controls, UrlCache& cache, FileRoutines& files,
                           ShellFolders& folders, ErrorSink& errors)
    : c_(controls), cache_(cache), files_(files), folders_(folders), errors_(errors) {
    c_.cmdGetCache.onClick = [this] { cmdGetCache_Click(); };
    c_.lstCache.onClick = [this] { lstCache_Click(); };
    c_.cmdDeleteSelected.onClick = [this] { cmdDeleteSelected_Click(); };
    c_.cmdDeleteAllCache.onClick = [this] { cmdDeleteAllCache_Click(); };
    c_.cmdDeleteCookies.onClick = [this] { cmdDeleteCookies_Click(); };
}

void CacheManager::ListCacheEntries() {
    c_.lstCache.Clear();
    std::vector<std::string> urls;
    bool sawCookies = false;
    auto take = [&](const UrlCacheEntry& entry) {
        if (IsCookieEntry(entry)) sawCookies = true;
        if (entry.type & kNormalCacheEntry) urls.push_back(entry.sourceUrl);
        return true;
    };
    // The library holds one entry in memory at a time; the list is handed over once, so
    // that a view of thousands of lines is filled in one go.
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] { cache_.Enumerate("", take); });
    // Without a pattern, Internet Explorer 5 and later list the content entries only; the
    // cookies are then listed from their own container (under Wine and Internet Explorer 4
    // they came with the rest, and this finds nothing new).
    if (!sawCookies) trap([&] { cache_.Enumerate(kCookieContainer, take); });
    c_.lstCache.SetItems(std::move(urls));
}

void CacheManager::ShowCount() {
    c_.lblCacheFiles.SetCaption(std::to_string(c_.lstCache.ListCount()) + " files listed.");
}

void CacheManager::DeleteListed(bool cookiesOnly) {
    // The list is what the user saw: entries added to the index since are not deleted.
    for (const std::string& url : c_.lstCache.Items()) {
        if (!cookiesOnly || url.find(kCookieMark) != std::string::npos) cache_.DeleteEntry(url);
    }
}

void CacheManager::cmdGetCache_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, "frmMain,cmdGetCache_Click");
    trap([&] { ListCacheEntries(); });
    trap([&] {
        if (c_.lstCache.ListCount() < 20) c_.lstCache.Clear();
    });
    trap([&] { ShowCount(); });
}

void CacheManager::lstCache_Click() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] {
        bool cookie = c_.lstCache.Text().find(kCookieMark) != std::string::npos;
        c_.cmdDeleteSelected.SetEnabled(!cookie);
    });
}

void CacheManager::cmdDeleteSelected_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, "frmMain,cmdDeleteSelected_Click");
    trap([&] {
        if (c_.lstCache.ListIndex() >= 0) cache_.DeleteEntry(c_.lstCache.Text());
    });
    trap([&] { ListCacheEntries(); });
    trap([&] { ShowCount(); });
}

void CacheManager::cmdDeleteAllCache_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, "frmMain,cmdDeleteAllCache_Click");
    trap([&] { DeleteListed(false); });
    trap([&] { ListCacheEntries(); });
    trap([&] { c_.lstCache.Clear(); });
    trap([&] { ShowCount(); });
}

void CacheManager::cmdDeleteCookies_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, "frmMain,cmdDeleteCookies_Click");
    trap([&] { DeleteListed(true); });
    trap([&] { ListCacheEntries(); });
    trap([&] { ShowCount(); });
}

void CacheManager::ClearIECookies() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] { ListCacheEntries(); });
    trap([&] { DeleteListed(false); });
    trap([&] {
        // A failed lookup is no folder: nothing is built from the empty text.
        std::string cookies = folders_.GetCookiesFolder();
        if (!cookies.empty()) files_.DeleteMatchingFiles(cookies, "*.txt");
    });
    trap([&] { ListCacheEntries(); });
    trap([&] { ShowCount(); });
    trap([&] { cmdDeleteAllCache_Click(); });
}

void CacheManager::ClearIECache() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] { ListCacheEntries(); });
    trap([&] { ShowCount(); });
    trap([&] { cmdDeleteAllCache_Click(); });
    trap([&] { ClearContentIE5(); });
    trap([&] {
        // The loose files of "Content.IE5" and every subfolder left. Its index file is the
        // library's live index (Wine lets it be deleted while in use); it goes at restart
        // through ScheduleIndexDatDeletion.
        std::string content = ContentIE5Folder();
        if (content.empty()) return;
        DeletePlainFiles(files_, content, "*.*", kIndexFile);
        files_.PurgeSubfolders(content);
    });
}

std::string CacheManager::ContentIE5Folder() {
    std::string cache = folders_.GetInternetCacheFolder();
    return cache.empty() ? std::string() : AddSlash(cache) + "Content.IE5";
}

void CacheManager::ClearContentIE5() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    std::string base = ContentIE5Folder();
    if (base.empty() || !files_.guard().MayDelete(base) || !files_.IsRealFolder(base)) return;
    base = AddSlash(base);
    std::vector<std::string> subfolders;
    trap([&] {
        files_.fs().Find(base + "*", [&](const FindData& entry) {
            if (entry.name != "." && entry.name != ".." && entry.IsDirectory() &&
                !entry.IsReparsePoint()) {
                subfolders.push_back(entry.name);
            }
            return true;
        });
    });
    for (const std::string& name : subfolders) {
        trap([&] {
            files_.fs().SetAttributes(base + name, kAttrNormal);
            files_.DeleteFolderTree(base + name);
        });
    }
}

void CacheManager::ScheduleIndexDatDeletion() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    auto registerAtRestart = [&](const std::string& path) {
        trap([&] {
            if (files_.guard().MayDelete(path)) files_.fs().Move(path, "", kMoveDelayUntilReboot);
        });
    };
    std::string content = ContentIE5Folder();
    if (!content.empty()) registerAtRestart(content);
    std::string history = folders_.GetHistoryFolder();
    if (!history.empty()) {
        registerAtRestart(AddSlash(history) + "History.IE5\\index.dat");
        registerAtRestart(AddSlash(history) + "History.IE5");
    }
}

}  // namespace cw
