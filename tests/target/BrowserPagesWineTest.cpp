// The browser pages' features against the real registry, files, URL cache and change
// notifications of the test prefix.

#include <windows.h>
#include <gtest/gtest.h>
#include <psapi.h>
#include <cstdio>

#include "browser/BrowserButton.h"
#include "browser/FavoritesGuard.h"
#include "browser/HomePage.h"
#include "demo/UrlCacheSeeding.h"
#include "fakes/FakeDialogs.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32ChangeWatch.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellExecute.h"
#include "settings/SettingNames.h"
#include "support/Process.h"
#include "support/TestWorld.h"
#include "support/TimerPump.h"
#include "support/Win32Platform.h"

namespace cw::testing {
namespace {

// The "IE Cache" page on WinINet's real cache index under Wine.

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
    c.cmdGetCache.Click();
    EXPECT_EQ(c.lblCacheFiles.Caption(), "0 files listed.");
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
    EXPECT_TRUE(demo::ListUrlCache("").empty());
    EXPECT_TRUE(s.errors.reports.empty());
}

std::size_t PrivateBytes() {
    using Fn = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);
    static Fn get = win32::LookupProc<Fn>("kernel32.dll", "K32GetProcessMemoryInfo");
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!get || !get(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return counters.PagefileUsage;
}

TEST_F(CachePageTest, TenThousandEntriesListInOneEntrysMemory) {
    const int kEntries = 10000;
    DWORD start = GetTickCount();
    SeedPages(kEntries, "http://bulk.example.com/some/longer/path/");
    DWORD seeded = GetTickCount();

    // The enumeration itself: what is in use after the 10,000th entry is what was in use
    // after the 100th.
    win32::Win32UrlCache cache;
    std::size_t atHundred = 0, atEnd = 0;
    int visited = 0;
    cache.Enumerate("", [&](const UrlCacheEntry&) {
        ++visited;
        if (visited == 100) atHundred = PrivateBytes();
        if (visited == kEntries) atEnd = PrivateBytes();
        return true;
    });
    DWORD enumerated = GetTickCount();
    ASSERT_EQ(visited, kEntries);
    ASSERT_GT(atHundred, 0u);
    EXPECT_LT(atEnd, atHundred + 64 * 1024) << "grew by " << (atEnd - atHundred) << " bytes";

    c.cmdGetCache.Click();
    DWORD listed = GetTickCount();
    EXPECT_EQ(c.lstCache.ListCount(), kEntries);
    EXPECT_EQ(c.lblCacheFiles.Caption(), "10000 files listed.");
    std::printf(
        "[ measure  ] seeding %d entries %lu ms; enumeration %lu ms; Get Cache %lu ms; "
        "private bytes after entry 100: %zu, after entry %d: %zu\n",
        kEntries, seeded - start, enumerated - seeded, listed - enumerated, atHundred, kEntries,
        atEnd);
}

// The home page controls against the real registry and files: Set, Use Blank, the lock
// holding the start page against another process in real time, and the Netscape line.

class HomePageWineTest : public ::testing::Test, public Services<Win32Platform> {
  protected:
    void SetUp() override {
        registry.DeleteValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage);
        registry.DeleteValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock);
    }
    void TearDown() override {
        registry.SetValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage,
                          RegValue{kRegSz, "about:blank"});
        registry.DeleteValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock);
        DeleteKeyTree(kHkeyCurrentUser, "Software\\Netscape");
    }
    std::string Value(const char* name) {
        RegValue v;
        if (registry.QueryValue(kHkeyCurrentUser, settings::kIEMainKey, name, v) != 0) {
            return "<missing>";
        }
        EXPECT_EQ(v.type, kRegSz) << name;
        return TextUpToZero(v.data);
    }

    HomePageControls c;
    HomePage home{c, settings, files, dialogs, errors};
};

// Set with an empty text writes only the lock flag, Use Blank only the blank page. The lock
// against another program, in real time: once the first 15 ticks have passed, a start page
// changed by another process is back within one 2-second tick, and an address being typed
// into the box is not written. (Set with an address, the lock on and off:
// BrowserPagesGui.)
TEST_F(HomePageWineTest, UseBlankEmptySetAndTheLockAgainstAnotherProcess) {
    registry.SetValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage,
                      RegValue{kRegSz, "http://www.example.org/start"});
    c.txtHomePageURL.SetTextFromUser("");
    c.chkLockIEHomepage.SetValueFromUser(ui::kChecked);
    c.cmdSetHomePage.Click();
    EXPECT_EQ(Value(settings::kStartPage), "http://www.example.org/start");
    EXPECT_EQ(Value(settings::kLock), "1");
    c.chkLockIEHomepage.SetValueFromUser(ui::kUnchecked);
    c.cmdUseBlank.Click();
    EXPECT_EQ(c.txtHomePageURL.Text(), "about:blank");
    EXPECT_EQ(Value(settings::kStartPage), "about:blank");
    EXPECT_EQ(Value(settings::kLock), "1") << "only Set writes the lock flag";

    c.txtHomePageURL.SetTextFromUser("http://home.example/");
    c.chkLockIEHomepage.SetValueFromUser(ui::kChecked);
    c.cmdSetHomePage.Click();
    ASSERT_TRUE(c.timIEURL.Enabled());
    for (int i = 0; i < 15; ++i)
        c.timIEURL.Tick();  // the first 30 s, without the wait
    ASSERT_EQ(home.LockTicks(), 15);

    ASSERT_EQ(RunAndWait("reg.exe add \"HKCU\\Software\\Microsoft\\Internet Explorer\\Main\" "
                         "/v \"Start Page\" /t REG_SZ /d http://hijack.example/ /f"),
              0);
    ASSERT_EQ(Value(settings::kStartPage), "http://hijack.example/");
    unsigned long ms = PumpTimers(
        {&c.timIEURL}, 4000, [&] { return Value(settings::kStartPage) == "http://home.example/"; });
    EXPECT_EQ(Value(settings::kStartPage), "http://home.example/");
    EXPECT_LE(ms, 2600u);  // one 2 s tick, and slack for a busy machine
    std::printf("  start page restored %lu ms after another process changed it\n", ms);

    // An address being typed is not written: the lock holds the page it locked.
    c.txtHomePageURL.SetTextFromUser("http://typ");
    PumpTimers({&c.timIEURL}, 2600,
               [&] { return Value(settings::kStartPage) != "http://home.example/"; });
    EXPECT_EQ(Value(settings::kStartPage), "http://home.example/");
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(HomePageWineTest, NetscapeSetTwiceAppendsTwoLinesInOrder) {
    std::string root = MakeScratchFolder("netscape-home");
    std::string profile = root + "\\Users\\bob";
    CreateDirectoryA((root + "\\Users").c_str(), nullptr);
    CreateDirectoryA(profile.c_str(), nullptr);
    std::string prefs = profile + "\\prefs.js";

    // No profile known: nothing written, nothing shown.
    c.cmdSetNetscapeHomepage.Click();
    registry.SetValue(kHkeyCurrentUser, settings::kNetscapeBiffKey, "CurrentUser",
                      RegValue{kRegSz, "bob"});
    registry.SetValue(kHkeyCurrentUser, settings::kNetscapeMainKey, "Install Directory",
                      RegValue{kRegSz, root + "\\Communicator"});
    // A profile without "prefs.js": the same.
    c.cmdSetNetscapeHomepage.Click();
    EXPECT_FALSE(PathExists(prefs));
    EXPECT_TRUE(dialogs.shown.empty());

    WriteFile(prefs, "user_pref(\"browser.cache.disk_cache_size\", 7680);");
    c.txtNetscapeHomepage.SetTextFromUser("http://first.example/");
    c.cmdSetNetscapeHomepage.Click();
    c.txtNetscapeHomepage.SetTextFromUser("http://second.example/\"quoted\"");
    c.cmdSetNetscapeHomepage.Click();
    EXPECT_EQ(ReadFile(prefs),
              "user_pref(\"browser.cache.disk_cache_size\", 7680);\r\n"
              "user_pref(\"browser.startup.homepage\", \"http://first.example/\");\r\n"
              "user_pref(\"browser.startup.homepage\", "
              "\"http://second.example/\\\"quoted\\\"\");\r\n");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].prompt, "Setting Hompepage... Successful");

    // A file another program holds without sharing: reported, not called successful.
    {
        win32::FileHandle held(
            CreateFileA(prefs.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        c.cmdSetNetscapeHomepage.Click();
    }
    EXPECT_EQ(dialogs.shown.size(), 2u);
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].tag, "frmMain,cmdSetNetscapHomepage_Click");
}

// The Favorites guard on the real Favorites folder of the test prefix, with real change
// notifications and its timer run in real time: new favorites go within a fraction of a
// second, earlier ones and those in subfolders stay, and a read-only one is reported without
// stopping the guard. (Disable, and the window staying responsive: BrowserPagesGui.)

class FavoritesGuardWineTest : public ::testing::Test, public Services<Win32Platform> {
  protected:
    void SetUp() override {
        ASSERT_FALSE(favorites.empty());
        CreateDirectoryA(favorites.c_str(), nullptr);
        CreateDirectoryA(Path("Links Test").c_str(), nullptr);
        c.cmdEnableAutoBookMark.Click();
        ASSERT_TRUE(guard.Watching());
    }
    void TearDown() override {
        guard.WatchDelete();
        for (const std::string& name : made) {
            SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(Path(name).c_str());
        }
        RemoveDirectoryA(Path("Links Test").c_str());
    }
    std::string Path(const std::string& name) { return favorites + "\\" + name; }
    void Make(const std::string& name, DWORD attributes = 0) {
        made.push_back(name);
        WriteFile(Path(name), "[InternetShortcut]\r\nURL=http://example.com/\r\n");
        if (attributes) SetFileAttributesA(Path(name).c_str(), attributes);
    }
    // Moves a file's creation time back by whole minutes. Wine keeps no creation time on a
    // Unix file system: it ignores a new one and reports the earlier of the file's change
    // and modification times, so the last-write time goes back too.
    void Age(const std::string& name, int minutes) {
        win32::FileHandle file(CreateFileA(Path(name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file);
        FILETIME created;
        ASSERT_TRUE(GetFileTime(file.get(), &created, nullptr, nullptr));
        ULARGE_INTEGER t{{created.dwLowDateTime, created.dwHighDateTime}};
        t.QuadPart -= static_cast<ULONGLONG>(minutes) * 60 * 10000000;
        created = {t.LowPart, t.HighPart};
        ASSERT_TRUE(SetFileTime(file.get(), &created, nullptr, &created));
    }
    unsigned long PumpUntil(unsigned long maxMs, const std::function<bool()>& done) {
        return PumpTimers({&c.timFavoritesWatch}, maxMs, done);
    }

    win32::Win32ChangeWatch changes;
    FavoritesGuardControls c;
    FavoritesGuard guard{c, shellFolders, files, changes, clock, errors};
    std::string favorites = shellFolders.GetFavoritesFolder();
    std::vector<std::string> made;
};

TEST_F(FavoritesGuardWineTest, NewFavoritesGoWithinAFractionOfASecondOthersStayOrAreReported) {
    Make("Before.url");
    Age("Before.url", 2);
    PumpUntil(300, [] { return false; });
    for (int i = 0; i < 3; ++i) {
        std::string name = "Saved" + std::to_string(i) + ".url";
        Make(name);
        unsigned long ms = PumpUntil(3000, [&] { return !PathExists(Path(name)); });
        EXPECT_FALSE(PathExists(Path(name))) << name;
        EXPECT_LT(ms, 700u) << name;
        std::printf("  %s deleted %lu ms after it was saved\n", name.c_str(), ms);
    }
    Make("Links Test\\Inside.url");
    PumpUntil(700, [] { return false; });
    EXPECT_TRUE(PathExists(Path("Links Test\\Inside.url"))) << "subfolders are not examined";
    EXPECT_TRUE(PathExists(Path("Before.url"))) << "an earlier clock minute";
    EXPECT_TRUE(errors.reports.empty());

    // A read-only new favorite is reported, and the guard keeps running.
    Make("Stuck.url", FILE_ATTRIBUTE_READONLY);
    PumpUntil(1500, [&] { return !errors.reports.empty(); });
    ASSERT_FALSE(errors.reports.empty());
    EXPECT_EQ(errors.reports[0].tag, "frmMain,delnewFiles");
    EXPECT_TRUE(PathExists(Path("Stuck.url")));
    Make("Next.url");
    PumpUntil(3000, [&] { return !PathExists(Path("Next.url")); });
    EXPECT_FALSE(PathExists(Path("Next.url")));
    EXPECT_TRUE(c.timFavoritesWatch.Enabled());
}

// The browser toolbar button against the real machine key, and its picture beside the
// executable.

TEST(BrowserButtonWineTest, AddWritesEightValuesTwiceTheSameAndRemoveDeletesTheKey) {
    win32::Win32Registry registry;
    SettingsStore settings{registry};
    win32::Win32ShellExecute shell;
    BrowserButtonControls c;
    fakes::FakeDialogs dialogs;
    BrowserButton button{c, settings, shell, dialogs, "Clearwell v2.10"};
    const char* key = settings::kBrowserButtonKey;
    DeleteKeyTree(kHkeyLocalMachine, key);
    const std::string module = shell.ModulePath();  // ...\target_tests.exe
    const std::string folder = module.substr(0, module.rfind('\\'));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"ButtonText", "Clearwell v2.10"},    {"CLSID", "{1FBA04EE-3024-11D2-8F1F-0000F87ABD16}"},
        {"Default Visible", "Yes"},           {"Exec", folder + "\\target_tests"},
        {"HotIcon", folder + "\\icon.ico"},   {"Icon", folder + "\\icon.ico"},
        {"MenuStatusBar", "Clearwell v2.10"}, {"MenuText", "Clearwell v2.10"},
    };
    auto values = [&] {
        std::vector<std::string> names, subkeys;
        registry.EnumValueNames(kHkeyLocalMachine, key, names);
        registry.EnumSubkeys(kHkeyLocalMachine, key, subkeys);
        std::sort(names.begin(), names.end());
        std::vector<std::pair<std::string, std::string>> out;
        for (const std::string& name : names) {
            RegValue v;
            registry.QueryValue(kHkeyLocalMachine, key, name, v);
            out.emplace_back(name, v.type == kRegSz ? TextUpToZero(v.data) : "(not REG_SZ)");
        }
        EXPECT_TRUE(subkeys.empty());
        return out;
    };

    c.mAddMSIE.Click();
    EXPECT_EQ(values(), expected);
    button.AddBrowserButton();
    EXPECT_EQ(values(), expected);
    c.mDeleteMSIE.Click();
    EXPECT_FALSE(registry.KeyExists(kHkeyLocalMachine, key));
    EXPECT_TRUE(registry.KeyExists(kHkeyLocalMachine, "Software\\Microsoft\\Internet Explorer"));
    EXPECT_TRUE(dialogs.shown.empty()) << "nothing refused, nothing said";
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
