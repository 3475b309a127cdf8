// The cache page and the Internet Explorer cleaners on the fakes, for what the page on the
// real cache under Wine (target CachePageTest, BrowserItemsTest) cannot set up: entries the
// library lists differently, deletions that fail, links and failed folder lookups.

#include "clean/CacheManager.h"

#include <gtest/gtest.h>

#include "BrowserWorld.h"
#include "fakes/PlanOf.h"

namespace cw::testing {
namespace {

struct CacheManagerTest : ::testing::Test, BrowserWorld {
    CacheControls& c = cacheControls;

    void AddPages(int n, const std::string& site = "http://www.example.com/") {
        for (int i = 0; i < n; ++i)
            cache.Add(site + "page" + std::to_string(i) + ".html");
    }
};

TEST_F(CacheManagerTest, TheListShowsNormalEntriesOnceWhateverTheLibraryListsWithoutAPattern) {
    // The library may or may not list the cookies when asked without a pattern.
    for (bool contentOnly : {false, true}) {
        cache.entries.clear();
        cache.contentOnlyWithoutPattern = contentOnly;
        AddPages(19);
        cache.Add("http://sticky.example/", kStickyCacheEntry);  // no normal flag: never listed
        cache.Add("Cookie:bob@a.example/", kNormalCacheEntry | kCookieCacheEntry);
        cache.Add("Visited:bob@http://a.example/", kNormalCacheEntry | kUrlHistoryCacheEntry);
        c.cmdGetCache.Click();
        const auto& items = c.lstCache.Items();
        EXPECT_EQ(std::count(items.begin(), items.end(), "Cookie:bob@a.example/"), 1);
        EXPECT_EQ(c.lstCache.ListCount(), contentOnly ? 20 : 21) << contentOnly;
    }

    // A cookie not yet listed stays.
    cache.Add("Cookie:bob@late.example/", kNormalCacheEntry | kCookieCacheEntry);
    c.cmdDeleteCookies.Click();
    EXPECT_EQ(cache.deleted, (std::vector<std::string>{"Cookie:bob@a.example/"}));
    EXPECT_TRUE(errors.reports.empty());
}

struct FailingCache : fakes::FakeUrlCache {
    bool DeleteEntry(const std::string&) override { throw RuntimeError(err::kPermissionDenied); }
};

TEST(CacheManagerErrors, EachButtonReportsWithItsTagAndGoesOn) {
    BrowserWorld w;
    FailingCache cache;
    CacheControls c;
    CacheManager manager{c, cache, w.files, w.shellFolders, w.errors};
    for (int i = 0; i < 20; ++i)
        cache.Add("http://a.example/Cookie" + std::to_string(i));
    c.cmdGetCache.Click();
    c.lstCache.SetListIndexFromUser(0);
    c.cmdDeleteSelected.Click();
    c.cmdDeleteCookies.Click();
    c.cmdDeleteAllCache.Click();
    std::vector<std::string> tags;
    for (const auto& r : w.errors.reports) {
        tags.push_back(r.tag);
        EXPECT_EQ(r.number, err::kPermissionDenied);
    }
    EXPECT_EQ(tags, (std::vector<std::string>{"frmMain,cmdDeleteSelected_Click",
                                              "frmMain,cmdDeleteCookies_Click",
                                              "frmMain,cmdDeleteAllCache_Click"}));
    EXPECT_EQ(c.lblCacheFiles.Caption(), "0 files listed.");  // the handler went on
}

TEST_F(CacheManagerTest, CleanersEmptyTheFoldersButKeepIndexFilesAndLinks) {
    const std::string cookies = std::string(BrowserWorld::kProfile) + "\\Cookies";
    const std::string content = CacheFolder() + "\\Content.IE5";
    fs.AddFile(cookies + "\\bob@a[1].txt", "a");
    fs.AddFile(cookies + "\\index.dat", "index");
    fs.AddFile(cookies + "\\sub\\keep.dat", "s");
    fs.AddFile(content + "\\index.dat", "index");
    fs.AddFile(content + "\\desktop.ini", "d", kAttrHidden | kAttrSystem);
    fs.AddFile(content + "\\AB12CD34\\page0[1].htm", "p", kAttrReadOnly);
    fs.AddDirectory(content + "\\EF56GH78", kAttrDirectory | kAttrSystem);
    fs.AddFile("C:\\Outside\\precious.doc", "keep");
    fs.AddLink(content + "\\LINK0000", "C:\\Outside");

    CarryOut(fakes::PlanOf(cacheManager, &CacheManager::PlanIECookies, CookieKeepList{}));
    EXPECT_FALSE(fs.Exists(cookies + "\\bob@a[1].txt"));
    EXPECT_FALSE(fs.Exists(cookies + "\\sub"));  // subfolders are emptied and removed
    EXPECT_TRUE(fs.Exists(content + "\\AB12CD34\\page0[1].htm"));

    CarryOut(fakes::PlanOf(cacheManager, &CacheManager::PlanIECache, CookieKeepList{}));
    EXPECT_FALSE(fs.Exists(content + "\\AB12CD34") || fs.Exists(content + "\\EF56GH78"));
    for (const std::string& kept : {cookies + "\\index.dat", content + "\\index.dat",
                                    content + "\\desktop.ini", content + "\\LINK0000"}) {
        EXPECT_TRUE(fs.Exists(kept)) << kept;
    }
    EXPECT_EQ(fs.Content("C:\\Outside\\precious.doc"), "keep");
}

TEST_F(CacheManagerTest, FailedFolderLookupsBuildNoPathFromNothing) {
    for (int csidl : {kCsidlInternetCache, kCsidlCookies, kCsidlHistory})
        folders.Remove(csidl);
    // What the steps would reach from an empty folder name: the root of the drive.
    fs.AddFile("C:\\Content.IE5\\AB12CD34\\page.htm", "p");
    fs.AddFile("C:\\Content.IE5\\loose.htm", "l");
    fs.AddFile("C:\\notes.txt", "n");
    fs.AddFile("C:\\Work\\report.txt", "r");
    AddPages(1);
    const auto before = fs.Snapshot();

    CarryOut(fakes::PlanOf(cacheManager, &CacheManager::PlanIECookies, CookieKeepList{}));
    CarryOut(fakes::PlanOf(cacheManager, &CacheManager::PlanIECache, CookieKeepList{}));
    CarryOut(fakes::PlanOf(cacheManager, &CacheManager::PlanIndexDatDeletion));
    EXPECT_EQ(fs.Snapshot(), before);
    EXPECT_TRUE(fs.PendingDeletes().empty());
    EXPECT_TRUE(cache.entries.empty());  // the index itself needs no folder
}

}  // namespace
}  // namespace cw::testing
