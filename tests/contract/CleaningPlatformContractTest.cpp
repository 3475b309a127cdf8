// The platform services the cleaning run relies on behave alike in the fakes and in the
// Win32 implementations.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "clean/WindowsVersion.h"
#include "contract/CleaningPlatformWorld.h"
#include "files/PathGuard.h"

namespace cw::contract {
namespace {

std::vector<std::string> Urls(UrlCache& cache, const std::string& pattern) {
    std::vector<std::string> urls;
    cache.Enumerate(pattern, [&](const UrlCacheEntry& e) {
        urls.push_back(e.sourceUrl);
        return true;
    });
    std::sort(urls.begin(), urls.end());
    return urls;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

TEST(CleaningPlatformContractTest, AWaitLastsItsTimeUnlessAMessageArrives) {
    auto world = MakeCleaningPlatformWorld();
    world->DrainMessages();
    std::uint32_t start = world->clock().TickCount();
    world->wait().WaitForMessages(100);
    std::uint32_t waited = world->clock().TickCount() - start;
    EXPECT_GE(waited, 80u);
    EXPECT_LE(waited, 1000u);

    world->PostMessageToSelf();
    start = world->clock().TickCount();
    world->wait().WaitForMessages(5000);
    EXPECT_LT(world->clock().TickCount() - start, 1000u) << "a message ends the wait";
    world->DrainMessages();
}

TEST(CleaningPlatformContractTest, HistoryEntriesAreFoundAndDeletedThroughTheirContainer) {
    auto world = MakeCleaningPlatformWorld();
    UrlCache& cache = world->urlCache();
    const std::string visit = "Visited: contract@http://history.example.com/page.html";
    const std::string page = "http://content.example.com/contract.html";
    world->AddCacheEntry(visit, kUrlHistoryCacheEntry | kNormalCacheEntry);
    world->AddCacheEntry(page, kNormalCacheEntry);

    std::vector<std::string> history = Urls(cache, "Visited:");
    EXPECT_TRUE(Contains(history, visit));
    EXPECT_FALSE(Contains(history, page));
    // (Whether the whole index lists the history entries too differs: Wine lists every
    // container, the fake only the content.)
    EXPECT_TRUE(Contains(Urls(cache, ""), page));

    EXPECT_TRUE(cache.DeleteEntry(visit));
    EXPECT_FALSE(Contains(Urls(cache, "Visited:"), visit));
    EXPECT_TRUE(Contains(Urls(cache, ""), page));
    EXPECT_FALSE(cache.DeleteEntry(visit)) << "an entry already gone";
    EXPECT_TRUE(cache.DeleteEntry(page));
}

TEST(CleaningPlatformContractTest, VersionRecordAndVersionTestsAgree) {
    auto world = MakeCleaningPlatformWorld();
    OsVersionInfo plain, extended;
    ASSERT_NE(world->os().Query(plain, false), 0);
    ASSERT_NE(world->os().Query(extended, true), 0);
    EXPECT_TRUE(plain.platformId == kPlatformNT || plain.platformId == kPlatformWindows);
    EXPECT_GE(plain.major, 4u);
    EXPECT_EQ(plain.major, extended.major);
    EXPECT_EQ(plain.minor, extended.minor);
    EXPECT_EQ(plain.productType, 0) << "only the extended record has the product type";
    bool nt5 = plain.platformId == kPlatformNT && plain.major == 5;
    EXPECT_EQ(IsWindows2000(world->os()), nt5 && plain.minor == 0);
    EXPECT_EQ(IsWindowsXP(world->os()), nt5 && plain.minor == 1);
}

TEST(CleaningPlatformContractTest, SpecialFoldersOfTheCleanersAreFullPathsWithoutSlash) {
    auto world = MakeCleaningPlatformWorld();
    for (int csidl :
         {kCsidlHistory, kCsidlRecent, kCsidlCookies, kCsidlInternetCache, kCsidlProfile}) {
        std::string path;
        ASSERT_TRUE(world->folders().GetFolderPath(csidl, path)) << csidl;
        EXPECT_TRUE(PathGuard::IsQualifiedNonRoot(path)) << path;
        EXPECT_NE(path.back(), '\\') << path;
    }
    std::string none;
    EXPECT_FALSE(world->folders().GetFolderPath(0x7F, none));
}

}  // namespace
}  // namespace cw::contract
