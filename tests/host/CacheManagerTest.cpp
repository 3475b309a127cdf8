#include "clean/CacheManager.h"

#include <gtest/gtest.h>

#include "BrowserWorld.h"

namespace cw::testing {
namespace {

struct CacheManagerTest : ::testing::Test {
    BrowserWorld w;
    CacheControls controls;
    CacheManager manager{controls, w.cache, w.files, w.shellFolders, w.errors};

    void AddPages(int n, const std::string& site = "http://www.example.com/") {
        for (int i = 0; i < n; ++i)
            w.cache.Add(site + "page" + std::to_string(i) + ".html");
    }
    int Select(const std::string& url) {
        const auto& items = controls.lstCache.Items();
        int index = static_cast<int>(std::find(items.begin(), items.end(), url) - items.begin());
        controls.lstCache.SetListIndexFromUser(index);
        return index;
    }
};

TEST_F(CacheManagerTest, GetCacheHidesIndexesOfFewerThanTwentyEntries) {
    controls.cmdGetCache.Click();
    EXPECT_EQ(controls.lstCache.ListCount(), 0);
    EXPECT_EQ(controls.lblCacheFiles.Caption(), "0 files listed.");

    AddPages(19);
    w.cache.Add("http://sticky.example/", kStickyCacheEntry);  // no normal flag: never listed
    controls.cmdGetCache.Click();
    EXPECT_EQ(controls.lstCache.ListCount(), 0);
    EXPECT_EQ(controls.lblCacheFiles.Caption(), "0 files listed.");

    AddPages(1, "http://other.example/");
    controls.cmdGetCache.Click();
    ASSERT_EQ(controls.lstCache.ListCount(), 20);
    EXPECT_EQ(controls.lstCache.List(0), "http://www.example.com/page0.html");
    EXPECT_EQ(controls.lblCacheFiles.Caption(), "20 files listed.");
    EXPECT_TRUE(w.errors.reports.empty());
}

TEST_F(CacheManagerTest, CookiesAreListedOnceWhetherOrNotTheLibraryListsThemWithoutPattern) {
    for (bool contentOnly : {false, true}) {
        fakes::FakeUrlCache& cache = w.cache;
        cache.entries.clear();
        cache.contentOnlyWithoutPattern = contentOnly;
        AddPages(20);
        cache.Add("Cookie:bob@a.example/", kNormalCacheEntry | kCookieCacheEntry);
        cache.Add("Visited:bob@http://a.example/", kNormalCacheEntry | kUrlHistoryCacheEntry);
        controls.cmdGetCache.Click();
        const auto& items = controls.lstCache.Items();
        EXPECT_EQ(std::count(items.begin(), items.end(), "Cookie:bob@a.example/"), 1)
            << contentOnly;
        EXPECT_EQ(controls.lstCache.ListCount(), contentOnly ? 21 : 22);
    }
}

TEST_F(CacheManagerTest, CookieLinesCannotBeDeletedOneByOne) {
    AddPages(20);
    w.cache.Add("Cookie:bob@a.example/", kNormalCacheEntry | kCookieCacheEntry);
    controls.cmdGetCache.Click();
    Select("Cookie:bob@a.example/");
    EXPECT_FALSE(controls.cmdDeleteSelected.Enabled());
    Select("http://www.example.com/page3.html");
    EXPECT_TRUE(controls.cmdDeleteSelected.Enabled());

    controls.cmdDeleteSelected.Click();
    EXPECT_EQ(w.cache.deleted, std::vector<std::string>{"http://www.example.com/page3.html"});
    EXPECT_EQ(controls.lstCache.ListCount(), 20);  // relisted, no threshold here
    EXPECT_EQ(controls.lblCacheFiles.Caption(), "20 files listed.");

    controls.cmdDeleteSelected.Click();  // nothing selected after the relisting
    EXPECT_EQ(w.cache.deleted.size(), 1u);
    EXPECT_TRUE(w.errors.reports.empty());
}

TEST_F(CacheManagerTest, DeleteCookiesSparesEveryUrlWithoutCapitalCookie) {
    AddPages(18);
    w.cache.Add("Cookie:bob@a.example/", kNormalCacheEntry | kCookieCacheEntry);
    w.cache.Add("http://a.example/Cookie.html");
    w.cache.Add("http://a.example/cookie-policy.html");
    controls.cmdGetCache.Click();
    w.cache.Add("Cookie:bob@late.example/",
                kNormalCacheEntry | kCookieCacheEntry);  // not listed yet

    controls.cmdDeleteCookies.Click();
    EXPECT_EQ(w.cache.deleted,
              (std::vector<std::string>{"Cookie:bob@a.example/", "http://a.example/Cookie.html"}));
    EXPECT_EQ(controls.lstCache.ListCount(), 20);
    EXPECT_EQ(controls.lblCacheFiles.Caption(), "20 files listed.");
}

TEST_F(CacheManagerTest, DeleteAllEmptiesTheListEvenWhenEntriesStay) {
    AddPages(25);
    w.cache.locked = {"http://www.example.com/page7.html"};
    controls.cmdGetCache.Click();
    controls.cmdDeleteAllCache.Click();
    EXPECT_EQ(w.cache.entries.size(), 1u);
    EXPECT_EQ(controls.lstCache.ListCount(), 0);
    EXPECT_EQ(controls.lblCacheFiles.Caption(), "0 files listed.");

    // With an empty list nothing is deleted, whatever the index holds.
    controls.cmdDeleteAllCache.Click();
    EXPECT_EQ(w.cache.deleted.size(), 24u);
}

// An index whose deletions fail with a run-time error.
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

TEST_F(CacheManagerTest, CookieStepDeletesTheIndexAndTheCookieFiles) {
    AddPages(3);
    w.cache.Add("Cookie:bob@a.example/", kNormalCacheEntry | kCookieCacheEntry);
    const std::string cookies = w.CookiesFolder();
    w.fs.AddFile(cookies + "\\bob@a[1].txt", "a");
    w.fs.AddFile(cookies + "\\index.dat", "index");
    w.fs.AddFile(cookies + "\\sub\\keep.dat", "s");
    w.fs.AddFile(w.CacheFolder() + "\\Content.IE5\\AB12CD34\\page0[1].htm", "p");

    manager.ClearIECookies();
    EXPECT_TRUE(w.cache.entries.empty());
    EXPECT_FALSE(w.fs.Exists(cookies + "\\bob@a[1].txt"));
    EXPECT_TRUE(w.fs.Exists(cookies + "\\index.dat"));
    EXPECT_FALSE(w.fs.Exists(cookies + "\\sub"));  // subfolders are emptied and removed
    EXPECT_TRUE(w.fs.Exists(w.CacheFolder() + "\\Content.IE5\\AB12CD34\\page0[1].htm"));
    EXPECT_EQ(controls.lblCacheFiles.Caption(), "0 files listed.");
}

TEST_F(CacheManagerTest, CacheStepEmptiesContentFoldersButKeepsTheIndexAndLinks) {
    AddPages(2);
    const std::string content = w.CacheFolder() + "\\Content.IE5";
    w.fs.AddFile(content + "\\index.dat", "index");
    w.fs.AddFile(content + "\\stray.htm", "x");
    w.fs.AddFile(content + "\\desktop.ini", "d", kAttrHidden | kAttrSystem);
    w.fs.AddFile(content + "\\AB12CD34\\page0[1].htm", "p", kAttrReadOnly);
    w.fs.AddFile(content + "\\AB12CD34\\deep\\x.gif", "g");
    w.fs.AddDirectory(content + "\\EF56GH78", kAttrDirectory | kAttrSystem);
    w.fs.AddFile("C:\\Outside\\precious.doc", "keep");
    w.fs.AddLink(content + "\\LINK0000", "C:\\Outside");

    manager.ClearIECache();
    EXPECT_TRUE(w.cache.entries.empty());
    EXPECT_FALSE(w.fs.Exists(content + "\\AB12CD34"));
    EXPECT_FALSE(w.fs.Exists(content + "\\EF56GH78"));
    EXPECT_FALSE(w.fs.Exists(content + "\\stray.htm"));
    EXPECT_TRUE(w.fs.Exists(content + "\\index.dat"));
    EXPECT_TRUE(w.fs.Exists(content + "\\desktop.ini"));
    EXPECT_TRUE(w.fs.Exists(content + "\\LINK0000"));
    EXPECT_EQ(w.fs.Content("C:\\Outside\\precious.doc"), "keep");
}

TEST_F(CacheManagerTest, IndexFilesAreOnlyRegisteredForRestart) {
    const std::string content = w.CacheFolder() + "\\Content.IE5";
    const std::string history = w.HistoryFolder() + "\\History.IE5";
    w.fs.AddFile(content + "\\index.dat", "i");
    w.fs.AddFile(history + "\\index.dat", "h");
    manager.ScheduleIndexDatDeletion();
    EXPECT_EQ(w.fs.PendingDeletes(),
              (std::vector<std::string>{content, history + "\\index.dat", history}));
    EXPECT_TRUE(w.fs.Exists(content + "\\index.dat"));
    EXPECT_TRUE(w.fs.Exists(history + "\\index.dat"));
}

TEST_F(CacheManagerTest, FailedFolderLookupsBuildNoPathFromNothing) {
    w.folders.Remove(kCsidlInternetCache);
    w.folders.Remove(kCsidlCookies);
    w.folders.Remove(kCsidlHistory);
    // What the steps would reach from an empty folder name: the root of the drive.
    w.fs.AddFile("C:\\Content.IE5\\AB12CD34\\page.htm", "p");
    w.fs.AddFile("C:\\Content.IE5\\loose.htm", "l");
    w.fs.AddFile("C:\\notes.txt", "n");
    w.fs.AddFile("C:\\Work\\report.txt", "r");
    AddPages(1);
    const auto before = w.fs.Snapshot();

    manager.ClearIECookies();
    manager.ClearIECache();
    manager.ScheduleIndexDatDeletion();
    EXPECT_EQ(w.fs.Snapshot(), before);
    EXPECT_TRUE(w.fs.PendingDeletes().empty());
    EXPECT_TRUE(w.cache.entries.empty());  // the index itself needs no folder
}

}  // namespace
}  // namespace cw::testing
