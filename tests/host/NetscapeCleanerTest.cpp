#include "clean/NetscapeCleaner.h"

#include <gtest/gtest.h>

#include "BrowserWorld.h"
#include "clean/MozillaProfiles.h"
#include "clean/NetscapeUserDir.h"
#include "clean/PrefsHistory.h"
#include "fakes/PlanOf.h"
#include "files/WholeFile.h"

namespace cw::testing {
namespace {

std::string HistoryLine(int n, const std::string& url, const std::string& eol = "\r\n") {
    return std::string(kHistoryLinePrefix) + "_" + std::to_string(n) + "\", \"" + url + "\");" +
           eol;
}

TEST(PrefsHistoryTest, RemovesHistoryLinesWithTheirOwnLineBreaksOnly) {
    const std::string head =
        "// Netscape User Preferences\r\n\r\nuser_pref(\"browser.startup.homepage\", "
        "\"http://h/\");\r\n";
    const std::string middle = "user_pref(\"mail.check_time\", 10);\r\n";
    const std::string tail = "user_pref(\"network.proxy.type\", 0);\r\n";
    std::string text = head + HistoryLine(0, "http://a.example/") + middle +
                       HistoryLine(1, "http://b.example/q?x=1;y=2") + HistoryLine(2, "http://c/") +
                       tail;
    EXPECT_EQ(RemoveHistoryLines(text), 3);
    EXPECT_EQ(text, head + middle + tail);

    // Bare line feeds: the next line keeps its first character.
    std::string lf = "a;\n" + HistoryLine(0, "http://x;y/", "\n") + "user_pref(\"z\", 1);\n";
    EXPECT_EQ(RemoveHistoryLines(lf), 1);
    EXPECT_EQ(lf, "a;\nuser_pref(\"z\", 1);\n");

    // Any letter case of the prefix; a last line without a break; identical lines together.
    std::string mixed = "USER_PREF(\"Browser.URL_History.URL_0\", \"u\");\r\nkeep\r\n" +
                        HistoryLine(5, "d") + HistoryLine(5, "d") + HistoryLine(6, "e", "");
    EXPECT_EQ(RemoveHistoryLines(mixed), 3);
    EXPECT_EQ(mixed, "keep\r\n");
}

TEST(PrefsHistoryTest, RemovesAtMostThirtyLinesPerRun) {
    std::string text = "first\r\n";
    for (int i = 0; i < 40; ++i)
        text += HistoryLine(i, "http://site" + std::to_string(i) + "/");
    text += "last\r\n";
    EXPECT_EQ(RemoveHistoryLines(text), 30);
    EXPECT_EQ(text.find(HistoryLine(29, "http://site29/")), std::string::npos);
    EXPECT_NE(text.find(HistoryLine(30, "http://site30/")), std::string::npos);
    EXPECT_EQ(RemoveHistoryLines(text), 10);
    EXPECT_EQ(text, "first\r\nlast\r\n");
    EXPECT_EQ(RemoveHistoryLines(text), 0);
}

TEST(NetscapeUserDirTest, BuildsTheProfileFolderOnlyFromBothValues) {
    BrowserWorld w;
    w.SetNavigatorUser("bob", "C:\\Program Files\\Netscape\\Communicator");
    EXPECT_EQ(GetNetscapeUserDir(w.settings), "C:\\Program Files\\Netscape\\Users\\bob");
    w.SetNavigatorUser("bob", "C:\\Apps\\CommCommunicatorunicator\\");
    EXPECT_EQ(GetNetscapeUserDir(w.settings), "C:\\Apps\\Communicator\\Users\\bob");
    w.SetNavigatorUser("", "C:\\Program Files\\Netscape\\Communicator");
    EXPECT_EQ(GetNetscapeUserDir(w.settings), "");
    w.SetNavigatorUser("bob", "Communicator");
    EXPECT_EQ(GetNetscapeUserDir(w.settings), "");
}

TEST(MozillaProfilesTest, TakesTheFirstTwoUsablePathsInAnyLetterCase) {
    const std::string moz = "C:\\Documents and Settings\\bob\\Application Data\\Mozilla\\";
    const std::string upper = "C:\\DOCUMENTS AND SETTINGS\\BOB\\APPLICATION DATA\\MOZILLA\\";
    std::string dat = std::string("\x76\x9b\x12\x34\0\0", 6) + upper +
                      "Profiles\\default\\ab12.slt" + std::string("\0\x01\x02", 3) + moz +
                      "Profiles\\work\\cd34.SLT" + '\0' + moz + "Profiles\\third\\ef56.slt";
    auto profiles = ParseMozillaProfiles(dat, moz);
    EXPECT_EQ(profiles, (std::vector<std::string>{upper + "Profiles\\default\\ab12.slt",
                                                  moz + "Profiles\\work\\cd34.SLT"}));

    // A path cut off before its ".slt" does not swallow the next one; unusable paths are
    // passed over.
    std::string broken = moz + "Profiles\\lost" + std::string("\0\0", 2) + moz +
                         "Profiles\\..\\..\\evil.slt" + '\0' + moz + "Profiles\\a*\\x.slt" + '\0' +
                         moz + "Profiles\\good\\gh78.slt";
    EXPECT_EQ(ParseMozillaProfiles(broken, moz),
              std::vector<std::string>{moz + "Profiles\\good\\gh78.slt"});
    EXPECT_TRUE(ParseMozillaProfiles(moz + "Profiles\\nothing", moz).empty());
    EXPECT_TRUE(ParseMozillaProfiles(dat, "").empty());
}

struct NetscapeCleanerTest : ::testing::Test, BrowserWorld {
    const std::string nav = BrowserWorld::kNavigator;

    std::string Profile(int i) {
        return BrowserWorld::Mozilla() + "\\Profiles\\p" + std::to_string(i) + "\\x" +
               std::to_string(i) + ".slt";
    }
};

// Three Mozilla profiles listed: the first two are cleaned (each item's exact changes,
// Navigator's prefs.js and cache among them: CleaningPlansTest).
TEST_F(NetscapeCleanerTest, HistoryAndCacheCleanTheFirstTwoMozillaProfiles) {
    SetAppData();
    std::string dat = std::string("\x01\x02\0\0", 4);
    for (int i = 0; i < 3; ++i) {
        dat += Profile(i) + std::string("\0\x07", 2);
        for (const char* f :
             {"history.dat", "cookies.txt", "cache\\_CACHE_001_", "cache\\sub\\deep"})
            fs.AddFile(Profile(i) + "\\" + f, f);
    }
    fs.AddFile(BrowserWorld::Mozilla() + "\\registry.dat", dat);
    CarryOut(fakes::PlanOf(netscape, &NetscapeCleaner::PlanNetscapeHistory));
    CarryOut(fakes::PlanOf(netscape, &NetscapeCleaner::PlanNetscapeCache));
    for (int i = 0; i < 3; ++i) {
        for (const char* f : {"history.dat", "cache\\_CACHE_001_"})
            EXPECT_EQ(fs.Exists(Profile(i) + "\\" + f), i == 2) << i << f;
        EXPECT_TRUE(fs.Exists(Profile(i) + "\\cookies.txt"));
        EXPECT_TRUE(fs.Exists(Profile(i) + "\\cache\\sub\\deep"));  // subfolders stay
    }
}

TEST_F(NetscapeCleanerTest, AFailedReplacementKeepsTheOriginalPreferences) {
    SetNavigatorUser();
    const std::string original = HistoryLine(0, "http://a/") + "user_pref(\"b\", 2);\r\n";
    fs.AddFile(nav + "\\prefs.js", original, kAttrReadOnly);
    CarryOut(fakes::PlanOf(netscape, &NetscapeCleaner::PlanNetscapeHistory));
    EXPECT_EQ(fs.Content(nav + "\\prefs.js"), original);
    EXPECT_FALSE(fs.Exists(ReplacementTempPath(nav + "\\prefs.js")));
}

TEST_F(NetscapeCleanerTest, WithoutProfilesNothingOutsideAProfileIsTouched) {
    // What the cleaners would reach from empty lookups: the root of the drive.
    for (const char* f : {"C:\\prefs.js", "C:\\liprefs.js", "C:\\netscape.hst", "C:\\cookies.txt",
                          "C:\\cache\\page.htm", "C:\\Mozilla\\Profiles\\p\\x.slt\\history.dat"}) {
        fs.AddFile(f, HistoryLine(0, "http://a/"));
    }
    fs.AddFile("C:\\Mozilla\\registry.dat", "\\Mozilla\\Profiles\\p\\x.slt");
    SetNavigatorUser("", "");
    SetAppData("");
    const auto before = fs.Snapshot();
    CarryOut(fakes::PlanOf(netscape, &NetscapeCleaner::PlanNetscapeHistory));
    CarryOut(fakes::PlanOf(netscape, &NetscapeCleaner::PlanNetscapeCache));
    CarryOut(fakes::PlanOf(netscape, &NetscapeCleaner::PlanNetscapeCookies, CookieKeepList{}));
    SetNavigatorUser("bob", "");  // a user name alone names no folder either
    CarryOut(fakes::PlanOf(netscape, &NetscapeCleaner::PlanNetscapeHistory));
    CarryOut(fakes::PlanOf(netscape, &NetscapeCleaner::PlanNetscapeCookies, CookieKeepList{}));
    EXPECT_EQ(fs.Snapshot(), before);
}

}  // namespace
}  // namespace cw::testing
