// The "IE Cache" page on WinINet's real cache index of the test prefix, and the toolbar
// button's picture.

#include <windows.h>
#include <gtest/gtest.h>
#include <psapi.h>

#include "demo/UrlCacheSeeding.h"
#include "platform/win32/Handles.h"
#include "support/TestWorld.h"
#include "support/Win32Platform.h"

namespace cw::testing {
namespace {

class CachePageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        demo::RestoreCacheFolders();
        demo::ClearUrlCache();
    }
    void TearDown() override { demo::ClearUrlCache(); }

    static void SeedPages(int n, const std::string& site = "http://www.example.com/") {
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(demo::SeedUrlCacheEntry(site + "page" + std::to_string(i) + ".html",
                                                kNormalCacheEntry));
        }
    }
    void Select(const std::string& url) {
        const auto& items = c.lstCache.Items();
        auto it = std::find(items.begin(), items.end(), url);
        ASSERT_NE(it, items.end()) << url;
        c.lstCache.SetListIndexFromUser(static_cast<int>(it - items.begin()));
    }

    BrowserServices<Win32Platform> s;
    CacheControls& c = s.cacheControls;
};

TEST_F(CachePageTest, NineteenShowNoneTwentyShowAllCookieLinesDeleteCookiesAndDeleteAll) {
    SeedPages(18);
    ASSERT_TRUE(demo::SeedUrlCacheEntry(
        "Cookie:bob@a.example/", kNormalCacheEntry | kCookieCacheEntry, "id\n1\na.example/\n"));
    c.cmdGetCache.Click();
    EXPECT_EQ(c.lstCache.ListCount(), 0);
    EXPECT_EQ(c.lblCacheFiles.Caption(), "0 files listed.");
    ASSERT_TRUE(demo::SeedUrlCacheEntry("http://a.example/cookie-policy.html", kNormalCacheEntry,
                                        "<html>policy</html>"));
    c.cmdGetCache.Click();
    ASSERT_EQ(c.lstCache.ListCount(), 20);

    Select("Cookie:bob@a.example/");
    EXPECT_FALSE(c.cmdDeleteSelected.Enabled());
    Select("http://www.example.com/page4.html");
    EXPECT_TRUE(c.cmdDeleteSelected.Enabled());
    c.cmdDeleteSelected.Click();
    EXPECT_EQ(c.lblCacheFiles.Caption(), "19 files listed.");

    c.cmdDeleteCookies.Click();
    EXPECT_TRUE(demo::ListUrlCache(kCookieContainer).empty());
    const auto& items = c.lstCache.Items();
    EXPECT_NE(std::find(items.begin(), items.end(), "http://a.example/cookie-policy.html"),
              items.end());
    EXPECT_EQ(c.lblCacheFiles.Caption(), "18 files listed.");

    c.cmdDeleteAllCache.Click();
    EXPECT_EQ(c.lstCache.ListCount(), 0);
    EXPECT_EQ(c.lblCacheFiles.Caption(), "0 files listed.");
    EXPECT_TRUE(demo::ListUrlCache("").empty() && s.errors.reports.empty());
}

std::size_t PrivateBytes() {
    using Fn = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);
    static Fn get = win32::LookupProc<Fn>("kernel32.dll", "K32GetProcessMemoryInfo");
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!get || !get(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return counters.PagefileUsage;
}

TEST_F(CachePageTest, ThousandsOfEntriesListInOneEntrysMemory) {
    const int kEntries = 2000;
    SeedPages(kEntries, "http://bulk.example.com/some/longer/path/");

    // The enumeration itself: what is in use after the last entry is what was in use after
    // the 100th.
    win32::Win32UrlCache cache;
    std::size_t atHundred = 0, atEnd = 0;
    int visited = 0;
    cache.Enumerate("", [&](const UrlCacheEntry&) {
        ++visited;
        if (visited == 100) atHundred = PrivateBytes();
        if (visited == kEntries) atEnd = PrivateBytes();
        return true;
    });
    ASSERT_EQ(visited, kEntries);
    ASSERT_GT(atHundred, 0u);
    EXPECT_LT(atEnd, atHundred + 64 * 1024) << "grew by " << (atEnd - atHundred) << " bytes";

    c.cmdGetCache.Click();
    EXPECT_EQ(c.lstCache.ListCount(), kEntries);
    EXPECT_EQ(c.lblCacheFiles.Caption(), std::to_string(kEntries) + " files listed.");
}

// The build ships "icon.ico" beside the executables; the button shows it at 16 and 20
// pixels (hot and normal) and the Tools menu at 16, so the sizes must load.
TEST(BrowserButtonWineTest, IconBesideTheExecutableLoads) {
    for (int size : {16, 20, 32}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(nullptr, "C:\\cwtest\\icon.ico", IMAGE_ICON, size, size, LR_LOADFROMFILE));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm = {};
        GetObjectA(info.hbmColor, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

}  // namespace
}  // namespace cw::testing
