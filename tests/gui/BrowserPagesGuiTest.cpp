// The browser pages through the real window, on seeded caches, profiles and folders.

#include <shlobj.h>

#include <tuple>

#include "ClearwellGui.h"
#include "demo/BrowserTraces.h"
#include "demo/UrlCacheSeeding.h"

namespace cw::gui {
namespace {

using BrowserPagesGui = ClearwellGui;

TEST_F(BrowserPagesGui, TheCachePageListsTheSeededUrlCache) {
    demo::RestoreCacheFolders();
    demo::ClearUrlCache();
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(demo::SeedUrlCacheEntry(
            "http://www.example.com/news/2004/story" + std::to_string(i) + ".html",
            kNormalCacheEntry, "<html>story</html>"));
    }
    Start();
    ShowPage(2);
    W().Click(m::cmdGetCache);
    WaitUntil([&] { return W().Items(m::lstCache).size() == 20; }, "20 cache entries listed");
    EXPECT_EQ(W().Text(m::lblCacheFiles), "20 files listed.");
    W().Screenshot("cache-page-listed");
}

TEST_F(BrowserPagesGui, TheCookieViewerShowsTheProfilesDomainsAndStepsThroughThem) {
    // Navigator's cookies.txt holds the domains a, b, a, c, a, with the values "value 0" to 4.
    ASSERT_TRUE(demo::SeedBrowserTraces());
    Start();
    ShowPage(3);
    EXPECT_EQ(W().Items(m::List1),
              (std::vector<std::string>{".a.example", ".b.example", ".c.example"}));
    EXPECT_EQ(W().Items(m::List2), (std::vector<std::string>{"3", "1", "1"}));
    W().Select(m::List1, 0);
    W().WaitForText(m::Label7, "Cookie 1/3");
    EXPECT_EQ(W().Text(m::txtValue), "value 0");
    EXPECT_EQ(SendTo(W().Control(m::List2), LB_GETCURSEL), 0) << "the counts follow the domains";
    // ">" and "<".
    for (auto [button, position, value] :
         {std::tuple{m::Command2, "2/3", "value 2"}, {m::Command3, "1/3", "value 0"}}) {
        W().Click(button);
        W().WaitForText(m::Label7, std::string("Cookie ") + position);
        EXPECT_EQ(W().Text(m::txtValue), value);
    }
    W().Screenshot("netscape-cookies");
}

TEST_F(BrowserPagesGui, SetWritesTheStartPageAndTheLock) {
    Start();
    ShowPage(2);
    W().Type(m::txtHomePageURL, "http://www.example.org/start.html");
    W().SetChecked(m::chkLockIEHomepage, true);
    W().Click(m::cmdSetHomePage);
    auto value = [&](const char* name) {
        return Read(kHkeyCurrentUser, settings::kIEMainKey, name);
    };
    WaitUntil([&] { return value(settings::kStartPage) == "http://www.example.org/start.html"; },
              "the start page written");
    EXPECT_EQ(value("Lock"), "1");
}

TEST_F(BrowserPagesGui, TheFavoritesGuardDeletesANewFileWhileTheWindowStaysResponsive) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_FAVORITES, nullptr, 0, path);
    const std::string favorites = path;
    CreateDirectoryA((favorites + "\\Links").c_str(), nullptr);
    Start();
    W().Click(m::cmdEnableAutoBookMark);
    WaitUntil([&] { return W().ControlEnabled(m::cmdDisableAutoBookMark); }, "the guard on");

    const std::string added = favorites + "\\Cheap pills.url";
    const std::string inFolder = favorites + "\\Links\\Kept.url";
    WriteFile(inFolder, "[InternetShortcut]\r\nURL=http://kept.example/\r\n");
    DWORD start = GetTickCount();
    WriteFile(added, "[InternetShortcut]\r\nURL=http://spam.example/\r\n");
    WaitUntil([&] { return !PathExists(added); }, "the new favorite deleted", 2000);
    RecordProperty("FavoriteDeletedAfterMs", static_cast<int>(GetTickCount() - start));
    EXPECT_TRUE(PathExists(inFolder)) << "files in subfolders stay";
    ShowPage(5, 1000);  // guarding holds nothing up: the page changes at once

    ShowPage(0);
    W().Click(m::cmdDisableAutoBookMark);
    WaitUntil([&] { return W().ControlEnabled(m::cmdEnableAutoBookMark); }, "the guard off");
    WriteFile(added, "[InternetShortcut]\r\nURL=http://spam.example/\r\n");
    KeepsTrue([&] { return PathExists(added); }, "a favorite added with the guard off", 1000);
    DeleteFileA(added.c_str());
    DeleteFileA(inFolder.c_str());
}

TEST_F(BrowserPagesGui, TheToolbarButtonWritesItsKeyAndRemovesIt) {
    registry_.DeleteKey(kHkeyLocalMachine, settings::kBrowserButtonKey);
    Start();
    W().Click(m::mAddMSIE);
    auto value = [&](const char* name) {
        return Read(kHkeyLocalMachine, settings::kBrowserButtonKey, name);
    };
    WaitUntil([&] { return value("MenuText") == "Clearwell v2.10"; }, "the button's key");
    EXPECT_FALSE(W().ControlEnabled(m::mAddMSIE));

    W().Click(m::mDeleteMSIE);
    WaitUntil([&] { return !registry_.KeyExists(kHkeyLocalMachine, settings::kBrowserButtonKey); },
              "the button's key removed");
    WaitUntil([&] { return W().ControlEnabled(m::mAddMSIE); }, "Add enabled again");
    EXPECT_FALSE(W().ControlEnabled(m::mDeleteMSIE));
}

}  // namespace
}  // namespace cw::gui
