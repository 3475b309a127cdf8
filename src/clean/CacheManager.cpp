#include "clean/CacheManager.h"

#include <unordered_set>
#include <vector>

#include "clean/PlanTargets.h"
#include "errors/ErrorTrap.h"
#include "files/Paths.h"
#include "text/Ansi.h"

namespace cw {

// Paths as a set, whatever their case.
class PathSet {
  public:
    void Add(const std::string& path) { paths_.insert(text::UpperAnsi(path)); }
    bool Holds(const std::string& path) const { return paths_.count(text::UpperAnsi(path)) != 0; }

  private:
    std::unordered_set<std::string> paths_;
};

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

void CacheManager::ForEachListedEntry(const std::function<void(const UrlCacheEntry&)>& visit) {
    bool sawCookies = false;
    auto take = [&](const UrlCacheEntry& entry) {
        if (IsCookieEntry(entry)) sawCookies = true;
        if (entry.type & kNormalCacheEntry) visit(entry);
        return true;
    };
    // The library holds one entry in memory at a time.
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] { cache_.Enumerate("", take); });
    // Without a pattern, Internet Explorer 5 and later list the content entries only; the
    // cookies are then listed from their own container (under Wine and Internet Explorer 4
    // they came with the rest, and this finds nothing new).
    if (!sawCookies) trap([&] { cache_.Enumerate(kCookieContainer, take); });
}

void CacheManager::ListCacheEntries() {
    c_.lstCache.Clear();
    std::vector<std::string> urls;
    ForEachListedEntry([&](const UrlCacheEntry& entry) { urls.push_back(entry.sourceUrl); });
    // Handed over once, so that a view of thousands of lines is filled in one go.
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

namespace {

// A file of a cache entry goes with the entry (the library deletes it with the entry): the
// entry is the trace and its bytes count on it, whichever item's wipe deletes the entry.
// While this lives, the plan's files of the entries planned before are planned without
// traces or bytes of their own.
class FilesCountWithEntries {
  public:
    FilesCountWithEntries(CleaningPlan& plan, const PathSet& entryFiles) : plan_(plan) {
        plan.countedElsewhere = [&entryFiles](const std::string& path) {
            return entryFiles.Holds(path);
        };
    }
    ~FilesCountWithEntries() { plan_.countedElsewhere = nullptr; }
    FilesCountWithEntries(const FilesCountWithEntries&) = delete;
    FilesCountWithEntries& operator=(const FilesCountWithEntries&) = delete;

  private:
    CleaningPlan& plan_;
};

// The size of the entry's file, 0 when it has none or it is not there.
std::uint64_t EntryFileSize(FileSystem& fs, const UrlCacheEntry& entry) {
    std::uint64_t size = 0;
    if (entry.localFile.empty()) return 0;
    fs.Find(entry.localFile, [&](const FindData& found) {
        if (!found.IsDirectory()) size = found.size;
        return false;
    });
    return size;
}

}  // namespace

void CacheManager::PlanListedEntries(CleaningPlan& plan, const CookieKeepList& keep,
                                     PathSet& entryFiles, PathSet& keptFiles) {
    UrlCache& cache = cache_;
    ForEachListedEntry([&](const UrlCacheEntry& entry) {
        if (!entry.localFile.empty()) entryFiles.Add(entry.localFile);
        if (IsCookieEntry(entry) && keep.Keeps(CookieEntryHost(entry.sourceUrl))) {
            ++plan.keptCookies;
            if (!entry.localFile.empty()) keptFiles.Add(entry.localFile);
            return;
        }
        const std::string url = entry.sourceUrl;
        plan.Add(
            TargetKind::CacheEntry, url, [&cache, url] { return cache.DeleteEntry(url); },
            EntryFileSize(files_.fs(), entry));
    });
}

void CacheManager::ShowEmptiedList() {
    ListCacheEntries();
    c_.lstCache.Clear();
    ShowCount();
}

void CacheManager::PlanIECookies(CleaningPlan& plan, const CookieKeepList& keep) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    PathSet entryFiles, keptFiles;
    trap([&] { PlanListedEntries(plan, keep, entryFiles, keptFiles); });
    FilesCountWithEntries counted(plan, entryFiles);
    trap([&] {
        // A failed lookup is no folder: nothing is built from the empty text.
        std::string cookies = folders_.GetCookiesFolder();
        if (cookies.empty()) return;
        auto kept = [&](const FindData& file) {
            return keptFiles.Holds(AddSlash(cookies) + file.name) ||
                   keep.Keeps(CookieFileHost(file.name));
        };
        PlanMatchingFiles(plan, files_, cookies, "*.txt", kept);
    });
    plan.afterwards = [this] { ShowEmptiedList(); };
}

void CacheManager::PlanIECache(CleaningPlan& plan, const CookieKeepList& keep) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    PathSet entryFiles, keptFiles;
    trap([&] { PlanListedEntries(plan, keep, entryFiles, keptFiles); });
    FilesCountWithEntries counted(plan, entryFiles);
    trap([&] {
        std::string content = ContentIE5Folder();
        if (content.empty() || !files_.guard().MayDelete(content) || !files_.IsRealFolder(content))
            return;
        // Each subfolder with all it holds, then the loose files. The index file is the
        // library's live index (Wine lets it be deleted while in use); it goes at restart
        // through the index item.
        std::vector<FindData> subfolders;
        files_.fs().Find(content + "\\*", [&](const FindData& entry) {
            if (entry.IsDirectory()) subfolders.push_back(entry);
            return true;
        });
        for (const FindData& entry : subfolders)
            PlanSubfolderTree(plan, files_.fs(), content, entry, TreeRules{});
        PlanPlainFiles(plan, files_, content, "*.*", [](const FindData& file) {
            return text::EqualsNoCase(file.name, kIndexFile);
        });
    });
    plan.afterwards = [this] { ShowEmptiedList(); };
}

std::string CacheManager::ContentIE5Folder() {
    std::string cache = folders_.GetInternetCacheFolder();
    return cache.empty() ? std::string() : AddSlash(cache) + "Content.IE5";
}

void CacheManager::PlanIndexDatDeletion(CleaningPlan& plan) {
    FileSystem& fs = files_.fs();
    auto registerAtRestart = [&](const std::string& path) {
        if (!files_.guard().MayDelete(path)) return;
        plan.Add(TargetKind::AtRestart, path,
                 [&fs, path] { return fs.Move(path, "", kMoveDelayUntilReboot) == kErrorSuccess; });
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
