// The Favorites guard on the real Favorites folder of the test prefix, with real change
// notifications and its timer run in real time: new favorites go within a fraction of a
// second, earlier ones and those in subfolders stay, a read-only one is reported without
// stopping the guard, and Disable ends it.

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "browser/FavoritesGuard.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32ChangeWatch.h"
#include "support/TestWorld.h"
#include "support/TimerPump.h"
#include "support/Win32Platform.h"

namespace cw::testing {
namespace {

class FavoritesGuardWineTest : public ::testing::Test, public Services<Win32Platform> {
  protected:
    void SetUp() override {
        favoritesPath = shellFolders.GetFavoritesFolder();
        ASSERT_FALSE(favoritesPath.empty());
        CreateDirectoryA(favoritesPath.c_str(), nullptr);
    }
    void TearDown() override {
        guardUnderTest.WatchDelete();
        for (const std::string& name : made) {
            std::string path = favoritesPath + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
        RemoveDirectoryA((favoritesPath + "\\Links Test").c_str());
    }
    std::string Path(const std::string& name) { return favoritesPath + "\\" + name; }
    void Make(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        made.push_back(name);
        WriteFile(Path(name), "[InternetShortcut]\r\nURL=http://example.com/\r\n");
        if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesA(Path(name).c_str(), attributes);
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
    FavoritesGuard guardUnderTest{c, shellFolders, files, changes, clock, &errors};
    std::string favoritesPath;
    std::vector<std::string> made;
};

TEST_F(FavoritesGuardWineTest, NewFavoritesGoWithinAFractionOfASecondEarlierOnesStay) {
    Make("Before.url");
    Age("Before.url", 2);
    CreateDirectoryA(Path("Links Test").c_str(), nullptr);
    c.cmdEnableAutoBookMark.Click();
    ASSERT_TRUE(guardUnderTest.Watching());
    PumpUntil(300, [] { return false; });

    for (int i = 0; i < 3; ++i) {
        std::string name = "Saved" + std::to_string(i) + ".url";
        Make(name);
        DWORD saved = GetTickCount();
        unsigned long ms = PumpUntil(3000, [&] { return !PathExists(Path(name)); });
        EXPECT_FALSE(PathExists(Path(name))) << name;
        EXPECT_LT(ms, 700u) << name;
        std::printf("  %s deleted %lu ms after it was saved\n", name.c_str(),
                    static_cast<unsigned long>(GetTickCount() - saved));
    }

    Make("Links Test\\Inside.url");
    PumpUntil(700, [] { return false; });
    EXPECT_TRUE(PathExists(Path("Links Test\\Inside.url"))) << "subfolders are not examined";
    EXPECT_TRUE(PathExists(Path("Before.url"))) << "an earlier clock minute";
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(FavoritesGuardWineTest, ReadOnlyNewFavoriteIsReportedAndTheGuardKeepsRunning) {
    c.cmdEnableAutoBookMark.Click();
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

TEST_F(FavoritesGuardWineTest, DisableEndsTheGuard) {
    c.cmdEnableAutoBookMark.Click();
    PumpUntil(200, [] { return false; });
    c.cmdDisableAutoBookMark.Click();
    EXPECT_FALSE(c.timFavoritesWatch.Enabled());
    EXPECT_FALSE(guardUnderTest.Watching());
    Make("AfterDisable.url");
    PumpUntil(800, [] { return false; });
    EXPECT_TRUE(PathExists(Path("AfterDisable.url")));
    EXPECT_TRUE(errors.reports.empty());
}

}  // namespace
}  // namespace cw::testing
