// Home pages: what Set, Use Blank and the lock write to Internet Explorer's key, how the
// lock timer enforces the text box, how a stored lock is taken up at load, and the Netscape
// line appended to "prefs.js".

#include "browser/HomePage.h"

#include <gtest/gtest.h>

#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSpecialFolders.h"
#include "fakes/RecordingErrorSink.h"
#include "settings/SettingNames.h"

namespace cw {
namespace {

constexpr char kProfile[] = "C:\\Program Files\\Netscape\\Users\\bob";
constexpr char kPrefs[] = "C:\\Program Files\\Netscape\\Users\\bob\\prefs.js";

class HomePageTest : public ::testing::Test {
  protected:
    std::string Value(const char* name) {
        RegValue v;
        if (registry.QueryValue(kHkeyCurrentUser, settings::kIEMainKey, name, v) != 0) {
            return "<missing>";
        }
        return TextUpToZero(v.data);
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
    void KnowNetscapeProfile() {
        registry.SetString(kHkeyCurrentUser, settings::kNetscapeBiffKey, "CurrentUser", "bob");
        registry.SetString(kHkeyCurrentUser, settings::kNetscapeMainKey, "Install Directory",
                           "C:\\Program Files\\Netscape\\Communicator");
    }

    fakes::FakeClock clock;
    fakes::FakeRegistry registry;
    SettingsStore settings{registry};
    fakes::FakeFileSystem fs;
    fakes::FakeSpecialFolders folders;
    PathGuard guard{folders, fs};
    FileRoutines files{fs, guard};
    fakes::FakeDialogs dialogs;
    fakes::RecordingErrorSink errors;
    HomePageControls c;
    HomePage home{c, settings, files, dialogs, &errors};
};

TEST_F(HomePageTest, LockRewritesTheTextBoxEveryTickAfterFifteenTicksNeverCountedAgain) {
    c.txtHomePageURL.SetTextFromUser("http://home.example/");
    c.cmdSetHomePage.Click();
    EXPECT_FALSE(c.timIEURL.Enabled());
    c.chkLockIEHomepage.SetValueFromUser(ui::kChecked);
    ASSERT_TRUE(c.timIEURL.Enabled());
    EXPECT_EQ(c.timIEURL.Interval(), 2000);

    // Another program changes the start page at once: the lock waits out its 15 ticks
    // (30 s) and restores it on the 16th (32 s after the box was ticked).
    StoreValue(settings::kStartPage, "http://hijack.example/");
    EXPECT_FALSE(StartPageBecomesWithin("http://home.example/", 30000));
    EXPECT_TRUE(StartPageBecomesWithin("http://home.example/", 2000));
    EXPECT_EQ(home.LockTicks(), 15);

    // From then on any change is undone within one tick (2 s).
    StoreValue(settings::kStartPage, "http://hijack.example/");
    EXPECT_TRUE(StartPageBecomesWithin("http://home.example/", 2000));

    // An address typed while locked becomes the start page without Set.
    c.txtHomePageURL.SetTextFromUser("http://typed.example/");
    EXPECT_TRUE(StartPageBecomesWithin("http://typed.example/", 2000));

    // An empty box writes nothing.
    c.txtHomePageURL.SetTextFromUser("");
    StoreValue(settings::kStartPage, "http://other.example/");
    EXPECT_FALSE(StartPageBecomesWithin("", 6000));
    EXPECT_EQ(Value(settings::kStartPage), "http://other.example/");

    // Off: nothing is enforced. On again: the counter is not reset, the first tick rewrites.
    c.txtHomePageURL.SetTextFromUser("http://home.example/");
    c.chkLockIEHomepage.SetValueFromUser(ui::kUnchecked);
    EXPECT_FALSE(c.timIEURL.Enabled());
    EXPECT_FALSE(StartPageBecomesWithin("http://home.example/", 10000));
    c.chkLockIEHomepage.SetValueFromUser(ui::kChecked);
    EXPECT_TRUE(StartPageBecomesWithin("http://home.example/", 2000));
    EXPECT_EQ(Value(settings::kLock), "0") << "the box alone does not write the flag";
}

TEST_F(HomePageTest, LoadTakesUpTheAddressAndEnforcesAStoredLockFromStartUp) {
    ErrorTrap loadTrap(TrapKind::SkipTypeMismatchThenReport, &errors, "frmMain,Form_Load");
    StoreValue(settings::kStartPage, "http://saved.example/");
    StoreValue(settings::kLock, "1");
    home.LoadHomePage(loadTrap);
    EXPECT_EQ(c.txtHomePageURL.Text(), "http://saved.example/");
    EXPECT_EQ(c.chkLockIEHomepage.Value(), ui::kChecked);
    EXPECT_TRUE(c.timIEURL.Enabled()) << "a saved lock is enforced after a restart";
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(HomePageTest, LoadWithoutLockOrWithTextLeavesTheBoxClearAndTheTimerOff) {
    for (const char* lock : {"<absent>", "0", "abc", ""}) {
        HomePageControls controls;
        HomePage page{controls, settings, files, dialogs, &errors};
        registry.DeleteValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kStartPage);
        registry.DeleteValue(kHkeyCurrentUser, settings::kIEMainKey, settings::kLock);
        if (std::string(lock) != "<absent>") StoreValue(settings::kLock, lock);
        ErrorTrap loadTrap(TrapKind::SkipTypeMismatchThenReport, &errors, "frmMain,Form_Load");
        page.LoadHomePage(loadTrap);
        EXPECT_EQ(controls.txtHomePageURL.Text(), "") << lock;
        EXPECT_EQ(controls.chkLockIEHomepage.Value(), ui::kUnchecked) << lock;
        EXPECT_FALSE(controls.timIEURL.Enabled()) << lock;
    }
    EXPECT_TRUE(errors.reports.empty()) << "type mismatches at load are not reported";

    // A number no check box can show is a load error that is reported.
    StoreValue(settings::kLock, "7");
    ErrorTrap loadTrap(TrapKind::SkipTypeMismatchThenReport, &errors, "frmMain,Form_Load");
    home.LoadHomePage(loadTrap);
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(errors.reports[0].tag, "frmMain,Form_Load");
    EXPECT_EQ(errors.reports[0].number, 380);
    EXPECT_FALSE(c.timIEURL.Enabled());
}

TEST(NetscapeHomepageLineTest, QuotesAndBackslashesCannotBreakTheString) {
    EXPECT_EQ(NetscapeHomepageLine("http://www.example.com/"),
              "user_pref(\"browser.startup.homepage\", \"http://www.example.com/\");");
    EXPECT_EQ(NetscapeHomepageLine("http://x/\"); evil(\"\\"),
              "user_pref(\"browser.startup.homepage\", \"http://x/\\\"); evil(\\\"\\\\\");");
    EXPECT_EQ(NetscapeHomepageLine("a\r\nb"),
              "user_pref(\"browser.startup.homepage\", \"a\\r\\nb\");");
}

TEST_F(HomePageTest, NetscapeSetAppendsLinesInOrderAfterALineBreak) {
    KnowNetscapeProfile();
    const std::string original = "user_pref(\"browser.cache.disk_cache_size\", 7680);";
    fs.AddFile(kPrefs, original);  // no line break at the end

    c.txtNetscapeHomepage.SetTextFromUser("http://first.example/");
    c.cmdSetNetscapeHomepage.Click();
    c.txtNetscapeHomepage.SetTextFromUser("http://second.example/");
    c.cmdSetNetscapeHomepage.Click();

    EXPECT_EQ(fs.Content(kPrefs), original + "\r\n" +
                                      NetscapeHomepageLine("http://first.example/") + "\r\n" +
                                      NetscapeHomepageLine("http://second.example/") + "\r\n");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].prompt, "Setting Hompepage... Successful");
    EXPECT_EQ(dialogs.shown[0].buttons, ui::vbOKOnly);
    EXPECT_EQ(dialogs.shown[0].title, "Clearwell");
    EXPECT_TRUE(errors.reports.empty());

    // A file that ends in a line feed, or is empty, gets no extra line break.
    fs.AddFile(kPrefs, "a\n");
    c.cmdSetNetscapeHomepage.Click();
    EXPECT_EQ(fs.Content(kPrefs), "a\n" + NetscapeHomepageLine("http://second.example/") + "\r\n");
    fs.AddFile(kPrefs, "");
    c.cmdSetNetscapeHomepage.Click();
    EXPECT_EQ(fs.Content(kPrefs), NetscapeHomepageLine("http://second.example/") + "\r\n");
}

TEST_F(HomePageTest, NetscapeSetWithoutProfileOrPrefsWritesAndShowsNothing) {
    fs.AddFile("C:\\Users\\bob\\prefs.js", "x");
    fs.AddFile("C:\\Users\\prefs.js", "x");
    auto before = fs.Snapshot();

    c.cmdSetNetscapeHomepage.Click();  // no profile known
    // A user name without an install folder gives a path relative to the current drive.
    registry.SetString(kHkeyCurrentUser, settings::kNetscapeBiffKey, "CurrentUser", "bob");
    c.cmdSetNetscapeHomepage.Click();
    // A profile without "prefs.js".
    KnowNetscapeProfile();
    fs.AddDirectory(kProfile);
    before = fs.Snapshot();
    c.cmdSetNetscapeHomepage.Click();

    EXPECT_EQ(fs.Snapshot(), before);
    EXPECT_TRUE(fs.Writes().empty());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(HomePageTest, NetscapeFailedWriteIsReportedAndNotCalledSuccessful) {
    KnowNetscapeProfile();
    fs.AddFile(kPrefs, "keep\r\n", kAttrReadOnly);
    c.cmdSetNetscapeHomepage.Click();
    fs.SetAttributes(kPrefs, kAttrArchive);
    fs.Lock(kPrefs);
    c.cmdSetNetscapeHomepage.Click();

    EXPECT_EQ(fs.Content(kPrefs), "keep\r\n");
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(errors.reports.size(), 2u);
    for (const auto& report : errors.reports) {
        EXPECT_EQ(report.tag, "frmMain,cmdSetNetscapHomepage_Click");
        EXPECT_NE(report.number, 0);
    }
}

}  // namespace
}  // namespace cw
