// The cache page's "Get Cache" and "Delete All" against the bare loops of the Internet
// library. Prints "<seconds> <entries> <peak private bytes>".
//   urlcache_bench seed <n>     adds n content entries to the cache index (not timed)
//   urlcache_bench get          "Get Cache": the listed entries
//   urlcache_bench bareget      the floor: FindFirstUrlCacheEntryA/FindNextUrlCacheEntryA
//                               into one reused buffer, each URL kept in a list
//   urlcache_bench deleteall    "Get Cache" (not timed), then "Delete All"
//   urlcache_bench baredelete   the URLs listed (not timed), then DeleteUrlCacheEntryA on
//                               each and one search that finds the index empty
//   urlcache_bench wipe         the wipe of the "Temporary Internet Files" item (its
//                               entries, then the content folder's files)

#include <windows.h>

#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "clean/CacheManager.h"
#include "clean/ShellFolders.h"
#include "files/FileRoutines.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32UrlCache.h"

namespace {

std::size_t Seed(int n) {
    FILETIME never = {};
    std::size_t added = 0;
    for (int i = 0; i < n; ++i) {
        std::string url = "http://www" + std::to_string(i % 97) + ".example.com/page/" +
                          std::to_string(i) + ".html";
        if (CommitUrlCacheEntryA(url.c_str(), nullptr, never, never, NORMAL_CACHE_ENTRY, nullptr, 0,
                                 nullptr, nullptr)) {
            ++added;
        }
    }
    return added;
}

std::vector<std::string> BareList() {
    std::vector<std::string> urls;
    std::vector<unsigned char> buffer(4096);
    auto info = [&] { return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data()); };
    DWORD size = static_cast<DWORD>(buffer.size());
    HANDLE find = FindFirstUrlCacheEntryA(nullptr, info(), &size);
    if (!find && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        buffer.resize(size);
        find = FindFirstUrlCacheEntryA(nullptr, info(), &size);
    }
    if (!find) return urls;
    for (;;) {
        urls.push_back(info()->lpszSourceUrlName);
        size = static_cast<DWORD>(buffer.size());
        if (FindNextUrlCacheEntryA(find, info(), &size)) continue;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
        buffer.resize(size);
        size = static_cast<DWORD>(buffer.size());
        if (!FindNextUrlCacheEntryA(find, info(), &size)) break;
        urls.push_back(info()->lpszSourceUrlName);
    }
    FindCloseUrlCache(find);
    return urls;
}

}  // namespace

int main(int argc, char** argv) {
    cw::bench::PeakSampler memory;
    const std::string mode = argc > 1 ? argv[1] : "";
    cw::bench::FileServices services;
    cw::FileRoutines& files = services.files;
    cw::ShellFolders& folders = services.folders;
    cw::CacheControls controls;
    cw::win32::Win32UrlCache cache;
    cw::bench::NoErrors errors;
    cw::CacheManager manager(controls, cache, files, folders, errors);
    double seconds = 0;
    std::size_t entries = 0;
    if (mode == "seed" && argc > 2) {
        cw::bench::Stopwatch clock;
        entries = Seed(std::atoi(argv[2]));
        seconds = clock.Seconds();
    } else if (mode == "get") {
        cw::bench::Stopwatch clock;
        controls.cmdGetCache.Click();
        seconds = clock.Seconds();
        entries = controls.lstCache.ListCount();
    } else if (mode == "bareget") {
        cw::bench::Stopwatch clock;
        entries = BareList().size();
        seconds = clock.Seconds();
    } else if (mode == "deleteall") {
        controls.cmdGetCache.Click();
        entries = controls.lstCache.ListCount();
        cw::bench::Stopwatch clock;
        controls.cmdDeleteAllCache.Click();
        seconds = clock.Seconds();
    } else if (mode == "baredelete") {
        std::vector<std::string> urls = BareList();
        entries = urls.size();
        cw::bench::Stopwatch clock;
        for (const std::string& url : urls)
            DeleteUrlCacheEntryA(url.c_str());
        BareList();
        seconds = clock.Seconds();
    } else if (mode == "wipe") {
        cw::bench::Stopwatch clock;
        cw::WipeAsPlanned(cw::CleaningItem::IECache, [&](cw::CleaningPlan& plan) {
            manager.PlanIECache(plan, cw::CookieKeepList());
        });
        seconds = clock.Seconds();
        entries = BareList().size();
    } else {
        std::fprintf(stderr,
                     "usage: urlcache_bench seed <n>|get|bareget|deleteall|baredelete|wipe\n");
        return 2;
    }
    std::printf("%.6f %u %llu\n", seconds, static_cast<unsigned>(entries), memory.Peak());
    return 0;
}
