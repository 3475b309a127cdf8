// The rules of the recent-list cleaners at their edges, on the fake registry. Each item's
// exact changes to a real registry, under Wine's Windows 98, 2000 and XP too, are in the
// target CleaningIntegrationTest.

#include <gtest/gtest.h>

#include "clean/ExplorerCleaners.h"
#include "clean/RecentListCleaners.h"
#include "clean/WindowsVersion.h"
#include "fakes/FakeOsVersion.h"
#include "fakes/FakeRegistry.h"
#include "settings/SettingNames.h"
#include "text/Convert.h"

namespace cw {
namespace {

using Names = std::vector<std::string>;

class RegistryCleanersTest : public ::testing::Test {
  protected:
    void Put(const std::string& key, const std::string& name, const std::string& text = "x") {
        registry.SetString(kHkeyCurrentUser, key, name, text);
    }
    void PutNumbered(const std::string& key, const std::string& prefix, int from, int to) {
        for (int i = from; i <= to; ++i)
            Put(key, prefix + text::ToText(i));
    }
    Names ValueNames(const std::string& key) {
        Names names;
        registry.EnumValueNames(kHkeyCurrentUser, key, names);
        return names;
    }

    fakes::FakeRegistry registry;
    SettingsStore settings{registry};
    fakes::FakeOsVersion os;
    ExplorerCleaners explorer{settings, os};
    RecentListCleaners lists{settings};
};

TEST_F(RegistryCleanersTest, RunListWithoutItsIndexKeepsEverything) {
    for (const char* name : {"a", "b"})
        Put(settings::kRunMruKey, name);
    explorer.ClearRunMRU();
    EXPECT_EQ(ValueNames(settings::kRunMruKey), (Names{"a", "b"}));
}

TEST_F(RegistryCleanersTest, WinZipWalksStopAfterTheFirstGapOrAHundredEntries) {
    const std::string extract = settings::kWinZipExtractKey;
    PutNumbered(extract, "extract", 1, 101);
    Put(extract, "extract3", "");  // an empty entry is a gap as well
    lists.ClearWinZipExtractMenu();
    EXPECT_EQ(ValueNames(extract).size(), 98u);
    EXPECT_FALSE(registry.HasValue(kHkeyCurrentUser, extract, "extract3"));
    EXPECT_TRUE(registry.HasValue(kHkeyCurrentUser, extract, "extract4"));

    PutNumbered(extract, "extract", 1, 100);
    lists.ClearWinZipExtractMenu();  // a full list: the walk ends after 100
    EXPECT_EQ(ValueNames(extract), Names{"extract101"});
}

TEST_F(RegistryCleanersTest, NumberedListsTakeExactlyTheirOwnNumbers) {
    // WordPad's list goes only when "File1" holds text.
    const std::string wordpad = settings::kWordPadRecentKey;
    Put(wordpad, "File2");
    Put(wordpad, "File3");
    lists.ClearWordPadRecentList();
    Put(wordpad, "File1", "");
    lists.ClearWordPadRecentList();
    EXPECT_EQ(ValueNames(wordpad), (Names{"File2", "File3"}));

    const std::string paint = settings::kPaintRecentKey;
    for (const char* name : {"File1", "File7", "File100", "File101", "Settings"})
        Put(paint, name);
    lists.ClearPaintRecentList();
    EXPECT_EQ(ValueNames(paint), (Names{"File101", "Settings"}));

    const std::string vb = settings::kVbRecentFilesKey;
    for (const char* name : {"1", "57", "100", "101", "0", "01"})
        Put(vb, name);
    lists.ClearVBRecentFiles();
    EXPECT_EQ(ValueNames(vb), (Names{"101", "0", "01"}));
}

TEST_F(RegistryCleanersTest, VersionTestsNeedTheNtPlatformAndASuccessfulCall) {
    os.SetWindows2000();
    EXPECT_TRUE(IsWindows2000(os));
    EXPECT_FALSE(IsWindowsXP(os));
    os.SetWindowsXP();
    EXPECT_TRUE(IsWindowsXP(os));
    os.succeeds = false;
    EXPECT_FALSE(IsWindowsXP(os));
    os.succeeds = true;
    os.info = {5, 1, 2600, kPlatformWindows, "", 0, 0};
    EXPECT_FALSE(IsWindowsXP(os));
}

}  // namespace
}  // namespace cw
