// The URL cache as the cache manager and the history cleaner rely on it, against the fake
// (host) and WinINet (target, under Wine).

#include <gtest/gtest.h>

#include <algorithm>

#include "contract/ContractWorld.h"

namespace cw::contract {
namespace {

std::vector<UrlCacheEntry> List(UrlCache& cache, const std::string& pattern) {
    std::vector<UrlCacheEntry> out;
    cache.Enumerate(pattern, [&](const UrlCacheEntry& e) {
        out.push_back(e);
        return true;
    });
    return out;
}

const UrlCacheEntry* Find(const std::vector<UrlCacheEntry>& entries, const std::string& url) {
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const UrlCacheEntry& e) { return e.sourceUrl == url; });
    return it == entries.end() ? nullptr : &*it;
}

using UrlCacheContract = ContractTest;

TEST_F(UrlCacheContract, EnumeratesEntriesWithTheirTypesWhateverTheirSize) {
    // An address of 2,000 characters needs a record far larger than the fixed part.
    const std::string longUrl = "http://long.example/" + std::string(2000, 'x');
    world.Seed("http://a.example/index.html", kNormalCacheEntry);
    world.Seed(longUrl, kNormalCacheEntry);
    world.Seed("Cookie:bob@a.example/", kNormalCacheEntry | kCookieCacheEntry);
    world.Seed("Cookie:bob@b.example/", kNormalCacheEntry | kCookieCacheEntry);

    auto all = List(world.Cache(), "");
    ASSERT_NE(Find(all, "http://a.example/index.html"), nullptr);
    ASSERT_NE(Find(all, longUrl), nullptr);
    EXPECT_EQ(Find(all, longUrl)->type & kNormalCacheEntry, kNormalCacheEntry);

    auto cookies = List(world.Cache(), kCookieContainer);
    ASSERT_EQ(cookies.size(), 2u);
    for (const auto& c : cookies) {
        EXPECT_EQ(c.sourceUrl.rfind("Cookie:bob@", 0), 0u) << c.sourceUrl;
        EXPECT_EQ(c.type & (kNormalCacheEntry | kCookieCacheEntry),
                  kNormalCacheEntry | kCookieCacheEntry);
    }
}

TEST_F(UrlCacheContract, AnEmptyIndexListsNothingAndEntriesAreDeletedOneAtATime) {
    EXPECT_TRUE(List(world.Cache(), "").empty() && List(world.Cache(), kCookieContainer).empty());
    EXPECT_FALSE(world.Cache().DeleteEntry("http://nothing.example/"));
    world.Seed("http://a.example/1.html", kNormalCacheEntry);
    world.Seed("http://a.example/2.html", kNormalCacheEntry);
    world.Seed("Cookie:bob@a.example/", kNormalCacheEntry | kCookieCacheEntry);

    EXPECT_TRUE(world.Cache().DeleteEntry("http://a.example/1.html"));
    EXPECT_FALSE(world.Cache().DeleteEntry("http://a.example/1.html"));
    EXPECT_TRUE(world.Cache().DeleteEntry("Cookie:bob@a.example/"));
    auto all = List(world.Cache(), "");
    EXPECT_EQ(Find(all, "http://a.example/1.html"), nullptr);
    EXPECT_NE(Find(all, "http://a.example/2.html"), nullptr);
    EXPECT_TRUE(List(world.Cache(), kCookieContainer).empty());
}

TEST_F(UrlCacheContract, HistoryEntriesAreFoundAndDeletedThroughTheirContainer) {
    const std::string visit = "Visited: contract@http://history.example.com/page.html";
    const std::string page = "http://content.example.com/contract.html";
    world.Seed(visit, kUrlHistoryCacheEntry | kNormalCacheEntry);
    world.Seed(page, kNormalCacheEntry);

    auto history = List(world.Cache(), "Visited:");
    EXPECT_NE(Find(history, visit), nullptr);
    EXPECT_EQ(Find(history, page), nullptr);
    // (Whether the whole index lists the history entries too differs: Wine lists every
    // container, the fake only the content.)
    EXPECT_NE(Find(List(world.Cache(), ""), page), nullptr);

    EXPECT_TRUE(world.Cache().DeleteEntry(visit));
    EXPECT_EQ(Find(List(world.Cache(), "Visited:"), visit), nullptr);
    EXPECT_NE(Find(List(world.Cache(), ""), page), nullptr);
    EXPECT_FALSE(world.Cache().DeleteEntry(visit)) << "an entry already gone";
}

// A wipe deletes the entries it has listed while the listing goes on: every entry is still
// listed once, and all of them go.
TEST_F(UrlCacheContract, EntriesDeletedWhileTheIndexIsListedLeaveTheRestListedOnce) {
    constexpr int kEntries = 300;
    for (int i = 0; i < kEntries; ++i)
        world.Seed("http://many.example/" + std::to_string(i) + ".html", kNormalCacheEntry);
    std::vector<std::string> listed, pending;
    int deleted = 0;
    world.Cache().Enumerate("", [&](const UrlCacheEntry& e) {
        if (e.sourceUrl.rfind("http://many.example/", 0) != 0) return true;
        listed.push_back(e.sourceUrl);
        pending.push_back(e.sourceUrl);
        if (pending.size() == 64) {
            for (const std::string& url : pending)
                deleted += world.Cache().DeleteEntry(url);
            pending.clear();
        }
        return true;
    });
    for (const std::string& url : pending)
        deleted += world.Cache().DeleteEntry(url);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(std::unique(listed.begin(), listed.end()), listed.end()) << "an entry listed twice";
    EXPECT_EQ(std::tuple(listed.size(), deleted), std::tuple(std::size_t{kEntries}, kEntries));
    for (const UrlCacheEntry& e : List(world.Cache(), ""))
        EXPECT_NE(e.sourceUrl.rfind("http://many.example/", 0), 0u) << e.sourceUrl;
}

}  // namespace
}  // namespace cw::contract
