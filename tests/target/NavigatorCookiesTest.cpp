// The overwrite of Navigator's cookie file on a real file system, seen through a hard link
// made beforehand: the bytes are overwritten where they lie, not only unlinked.

#include <gtest/gtest.h>
#include <windows.h>

#include "demo/BrowserTraces.h"
#include "support/BrowserServices.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

class NavigatorCookiesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(demo::SeedBrowserTraces());
        layout = demo::GetBrowserTraceLayout();
    }
    demo::BrowserTraceLayout layout;
    BrowserServices s;
};

TEST_F(NavigatorCookiesTest, NavigatorCookiesAreOverwrittenMozillasOnlyDeleted) {
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
