// The Netscape and Mozilla cleaners on real files under Wine: preference files edited byte
// for byte, the limit of 30 lines per run, Mozilla's profile list, and the overwrite of
// Navigator's cookie file seen through a hard link.

#include <gtest/gtest.h>
#include <windows.h>

#include "clean/PrefsHistory.h"
#include "demo/BrowserTraces.h"
#include "support/BrowserServices.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

std::string HistoryLine(int n) {
    return std::string(kHistoryLinePrefix) + "_" + std::to_string(n) + "\", \"http://site" +
           std::to_string(n) + ".example/a;b\");\r\n";
}

class NetscapeProfilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(demo::SeedBrowserTraces());
        layout = demo::GetBrowserTraceLayout();
    }
    demo::BrowserTraceLayout layout;
    BrowserServices s;
};

TEST_F(NetscapeProfilesTest, FortyHistoryLinesGoInTwoRunsEverythingElseStays) {
    const std::string prefs = layout.navigatorDir + "\\prefs.js";
    std::string text = "// prefs\r\nuser_pref(\"a\", 1);\r\n";
    for (int i = 0; i < 40; ++i)
        text += HistoryLine(i);
    text += "user_pref(\"z\", \"last;line\");\r\n";
    WriteFile(prefs, text);

    s.netscape.ClearNetscapeHistory();
    std::string after = ReadFile(prefs);
    EXPECT_EQ(after.find(HistoryLine(29)), std::string::npos);
    EXPECT_NE(after.find(HistoryLine(30)), std::string::npos);
    EXPECT_FALSE(PathExists(prefs + ".cwtmp"));
    s.netscape.ClearNetscapeHistory();
    EXPECT_EQ(ReadFile(prefs),
              "// prefs\r\nuser_pref(\"a\", 1);\r\nuser_pref(\"z\", \"last;line\");\r\n");
}

TEST_F(NetscapeProfilesTest, OnlyTheFirstTwoProfilesOfTheListAreCleanedWhateverTheLetterCase) {
    std::string third = layout.mozillaDir + "\\Profiles\\third\\zz99.slt";
    CreateDirectoryA((layout.mozillaDir + "\\Profiles\\third").c_str(), nullptr);
    CreateDirectoryA(third.c_str(), nullptr);
    WriteFile(third + "\\history.dat", "third");
    // The list names the first profile in capitals.
    std::string list = std::string("\x01\x02\0\0", 4);
    CHAR upper[MAX_PATH];
    lstrcpyA(upper, layout.mozillaProfiles[0].c_str());
    CharUpperA(upper);
    for (const std::string& p : {std::string(upper), layout.mozillaProfiles[1], third}) {
        list += p + std::string("\0\x05", 2);
    }
    WriteFile(layout.mozillaDir + "\\registry.dat", list);

    s.netscape.ClearNetscapeHistory();
    EXPECT_FALSE(PathExists(layout.mozillaProfiles[0] + "\\history.dat"));
    EXPECT_FALSE(PathExists(layout.mozillaProfiles[1] + "\\history.dat"));
    EXPECT_TRUE(PathExists(third + "\\history.dat"));
}

TEST_F(NetscapeProfilesTest, NavigatorCookiesAreOverwrittenMozillasOnlyDeleted) {
    const std::string links = MakeScratchFolder("cookielinks");
    const std::string navigator = layout.navigatorDir + "\\cookies.txt";
    const std::string mozilla = layout.mozillaProfiles[0] + "\\cookies.txt";
    const std::string navigatorBefore = ReadFile(navigator), mozillaBefore = ReadFile(mozilla);
    ASSERT_TRUE(CreateHardLinkA((links + "\\navigator.txt").c_str(), navigator.c_str(), nullptr));
    ASSERT_TRUE(CreateHardLinkA((links + "\\mozilla.txt").c_str(), mozilla.c_str(), nullptr));

    s.netscape.ClearNetscapeCookies();
    EXPECT_FALSE(PathExists(navigator));
    EXPECT_FALSE(PathExists(mozilla));
    const std::string overwritten = ReadFile(links + "\\navigator.txt");
    ASSERT_EQ(overwritten.size(), navigatorBefore.size());
    EXPECT_NE(overwritten, navigatorBefore);
    for (char c : overwritten)
        ASSERT_TRUE(c >= 2 && c <= 61) << static_cast<int>(c);
    EXPECT_EQ(ReadFile(links + "\\mozilla.txt"), mozillaBefore);
}

}  // namespace
}  // namespace cw::testing
