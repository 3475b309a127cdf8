// Home pages on the fakes: Use Blank, the lock timer driven by a fake clock, stored values
// the load cannot show, and the Netscape line.

#include "browser/HomePage.h"

#include <gtest/gtest.h>

#include "BrowserWorld.h"

namespace cw::testing {
namespace {

const std::string kPrefs = std::string(BrowserWorld::kNavigator) + "\\prefs.js";

class HomePageTest : public ::testing::Test, public BrowserWorld {
  protected:
    std::string Value(const char* name) {
        return settings.GetSettingString(kHkeyCurrentUser, settings::kIEMainKey, name, "<missing>");
    }
    void StoreValue(const char* name, const std::string& text) {
        registry.SetString(kHkeyCurrentUser, settings::kIEMainKey, name, text);
    }
    // Drives timIEURL as the window would, every 2 seconds of a fake clock; true as soon as
    // "Start Page" holds the text, false when the time is up first.
    bool StartPageBecomesWithin(const std::string& text, std::uint32_t ms) {
        for (std::uint32_t waited = 0; waited < ms;) {
            auto interval = static_cast<std::uint32_t>(c.timIEURL.Interval());
            clock.AdvanceMs(interval);
            waited += interval;
            c.timIEURL.Tick();
            if (Value(settings::kStartPage) == text) return true;
        }
        return false;
    }

    HomePageControls c;
    HomePage home{c, settings, files, dialogs, errors};
};

TEST_F(HomePageTest, LockRestoresThePageItLockedEveryTickAfterFifteenTicksNeverCountedAgain) {
    c.txtHomePageURL.SetTextFromUser("http://home.example/");
    c.cmdSetHomePage.Click();
    EXPECT_FALSE(c.timIEURL.Enabled());
    RegValue raw;  // stored with the terminating zero Internet Explorer counts on
    registry.QueryValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage, raw);
    EXPECT_EQ(raw.data, std::string("http://home.example/") + '\0');
    c.chkLockIEHomepage.SetValueFromUser(ui::kChecked);
    ASSERT_TRUE(c.timIEURL.Enabled() && c.timIEURL.Interval() == 2000);

    // Another program changes the start page at once: the lock waits out its 15 ticks
    // (30 s) and restores it on the 16th (32 s after the box was ticked).
    StoreValue(settings::kStartPage, "http://hijack.example/");
    EXPECT_FALSE(StartPageBecomesWithin("http://home.example/", 30000));
    EXPECT_TRUE(StartPageBecomesWithin("http://home.example/", 2000));
    EXPECT_EQ(home.LockTicks(), 15);

    // From then on any change is undone within one tick (2 s).
    StoreValue(settings::kStartPage, "http://hijack.example/");
    EXPECT_TRUE(StartPageBecomesWithin("http://home.example/", 2000));

    // An address being typed is never written; Set makes it the page the lock holds.
    c.txtHomePageURL.SetTextFromUser("http://typ");
    EXPECT_FALSE(StartPageBecomesWithin("http://typ", 6000));
    EXPECT_EQ(Value(settings::kStartPage), "http://home.example/");
    c.txtHomePageURL.SetTextFromUser("http://typed.example/");
    c.cmdSetHomePage.Click();
    StoreValue(settings::kStartPage, "http://hijack.example/");
    EXPECT_TRUE(StartPageBecomesWithin("http://typed.example/", 2000));

    // An empty box: Set writes no page, and the lock goes on holding the one it has.
    c.txtHomePageURL.SetTextFromUser("");
    c.cmdSetHomePage.Click();
    StoreValue(settings::kStartPage, "http://hijack.example/");
    EXPECT_TRUE(StartPageBecomesWithin("http://typed.example/", 2000));
    // Use Blank writes only the blank page, not the lock flag.
    c.chkLockIEHomepage.SetValueFromUser(ui::kUnchecked);
    c.cmdUseBlank.Click();
    EXPECT_EQ(
        std::tuple(c.txtHomePageURL.Text(), Value(settings::kStartPage), Value(settings::kLock)),
        std::tuple("about:blank", "about:blank", "1"));
    c.chkLockIEHomepage.SetValueFromUser(ui::kChecked);
    c.txtHomePageURL.SetTextFromUser("http://typed.example/");
    c.cmdSetHomePage.Click();

    // Off: nothing is enforced. On again: the lock holds the page stored then; the counter
    // is not reset, so the first tick restores it.
    c.chkLockIEHomepage.SetValueFromUser(ui::kUnchecked);
    EXPECT_FALSE(c.timIEURL.Enabled());
    StoreValue(settings::kStartPage, "http://other.example/");
    EXPECT_FALSE(StartPageBecomesWithin("http://typed.example/", 10000));
    c.chkLockIEHomepage.SetValueFromUser(ui::kChecked);
    StoreValue(settings::kStartPage, "http://hijack.example/");
    EXPECT_TRUE(StartPageBecomesWithin("http://other.example/", 2000));
    EXPECT_EQ(Value(settings::kLock), "1") << "the box alone does not write the flag";
}

TEST_F(HomePageTest, LoadWithoutLockOrWithTextLeavesTheBoxClearAndTheTimerOff) {
    for (const char* lock : {"<absent>", "0", "abc", ""}) {
        HomePageControls controls;
        HomePage page{controls, settings, files, dialogs, errors};
        registry.DeleteValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage);
        registry.DeleteValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock);
        if (std::string(lock) != "<absent>") StoreValue(settings::kLock, lock);
        ErrorTrap loadTrap(TrapKind::SkipTypeMismatchThenReport, &errors, "frmMain,Form_Load");
        page.LoadHomePage(loadTrap);
        EXPECT_EQ(std::tuple(controls.txtHomePageURL.Text(), controls.chkLockIEHomepage.Value(),
                             controls.timIEURL.Enabled()),
                  std::tuple("", ui::kUnchecked, false))
            << lock;
    }
    // (A number no check box can show is reported: MainWindowLoadTest.)
    EXPECT_TRUE(errors.reports.empty()) << "type mismatches at load are not reported";
}

TEST_F(HomePageTest, NetscapeSetAddsALineBreakOnlyWhereNeededAndReportsFailedWrites) {
    // No profile known, or a profile without "prefs.js": nothing written, nothing shown.
    c.cmdSetNetscapeHomepage.Click();
    SetNavigatorUser();
    fs.AddDirectory(kNavigator);
    c.cmdSetNetscapeHomepage.Click();
    EXPECT_FALSE(fs.Exists(kPrefs) || !dialogs.shown.empty());
    c.txtNetscapeHomepage.SetTextFromUser("http://home.example/");
    const std::string line = NetscapeHomepageLine("http://home.example/") + "\r\n";
    for (const std::string& before : {std::string("a\n"), std::string("a\r\n"), std::string("")}) {
        fs.AddFile(kPrefs, before);
        c.cmdSetNetscapeHomepage.Click();
        EXPECT_EQ(fs.Content(kPrefs), before + line);
    }
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].prompt, "Setting Hompepage... Successful");

    // Read-only or held by another program: reported, not called successful.
    fs.AddFile(kPrefs, "keep\r\n", kAttrReadOnly);
    c.cmdSetNetscapeHomepage.Click();
    fs.SetAttributes(kPrefs, kAttrArchive);
    fs.Lock(kPrefs);
    c.cmdSetNetscapeHomepage.Click();
    ASSERT_EQ(errors.reports.size(), 2u);
    EXPECT_EQ(std::tuple(fs.Content(kPrefs), dialogs.shown.size(), errors.reports[1].tag),
              std::tuple("keep\r\n", 3u, "frmMain,cmdSetNetscapHomepage_Click"));

    // Quotes and backslashes cannot break the string.
    EXPECT_EQ(NetscapeHomepageLine("http://www.example.com/"),
              "user_pref(\"browser.startup.homepage\", \"http://www.example.com/\");");
    EXPECT_EQ(NetscapeHomepageLine("http://x/\"); evil(\"\\"),
              "user_pref(\"browser.startup.homepage\", \"http://x/\\\"); evil(\\\"\\\\\");");
    EXPECT_EQ(NetscapeHomepageLine("a\r\nb"),
              "user_pref(\"browser.startup.homepage\", \"a\\r\\nb\");");
}

}  // namespace
}  // namespace cw::testing
