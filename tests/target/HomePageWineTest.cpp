// The home page controls against the real registry and files: Set, Use Blank, the lock
// holding the start page against another process in real time, and the Netscape line.

#include <windows.h>
#include <gtest/gtest.h>

#include "browser/HomePage.h"
#include "platform/win32/Handles.h"
#include "settings/SettingNames.h"
#include "support/Process.h"
#include "support/TestWorld.h"
#include "support/TimerPump.h"
#include "support/Win32Platform.h"

namespace cw::testing {
namespace {

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
    HomePage home{c, settings, files, dialogs, &errors};
};

TEST_F(HomePageWineTest, SetAndUseBlankWriteInternetExplorersValues) {
    c.txtHomePageURL.SetTextFromUser("http://www.example.org/start");
    c.chkLockIEHomepage.SetValueFromUser(ui::kChecked);
    c.cmdSetHomePage.Click();
    EXPECT_EQ(Value(settings::kStartPage), "http://www.example.org/start");
    EXPECT_EQ(Value(settings::kLock), "1");

    c.txtHomePageURL.SetTextFromUser("");
    c.chkLockIEHomepage.SetValueFromUser(ui::kUnchecked);
    c.cmdSetHomePage.Click();
    EXPECT_EQ(Value(settings::kStartPage), "http://www.example.org/start");
    EXPECT_EQ(Value(settings::kLock), "0");

    c.chkLockIEHomepage.SetValueFromUser(ui::kChecked);
    c.cmdUseBlank.Click();
    EXPECT_EQ(c.txtHomePageURL.Text(), "about:blank");
    EXPECT_EQ(Value(settings::kStartPage), "about:blank");
    EXPECT_EQ(Value(settings::kLock), "0") << "only Set writes the lock flag";
    EXPECT_TRUE(errors.reports.empty());
}

// The lock against another program, in real time: once the first 15 ticks have passed, a
// start page changed by another process is back within one 2-second tick, and an address
// typed into the box becomes the start page without Set.
TEST_F(HomePageWineTest, LockRestoresTheStartPageAnotherProcessChanged) {
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

    c.txtHomePageURL.SetTextFromUser("http://typed.example/");
    ms = PumpTimers({&c.timIEURL}, 4000,
                    [&] { return Value(settings::kStartPage) == "http://typed.example/"; });
    EXPECT_EQ(Value(settings::kStartPage), "http://typed.example/");
    EXPECT_LE(ms, 2600u);  // one 2 s tick, and slack for a busy machine
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

}  // namespace
}  // namespace cw::testing
