// The rules of the recent-list cleaners at their edges, on the fake registry. Each item's
// exact changes to a real registry, under Wine's Windows 98, 2000 and XP too, are in the
// target CleaningIntegrationTest.

#include <gtest/gtest.h>

#include "clean/ExplorerCleaners.h"
#include "clean/RecentListCleaners.h"
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
    CarryOut(explorer.PlanRunMRU());
    EXPECT_EQ(ValueNames(settings::kRunMruKey), (Names{"a", "b"}));
}

TEST_F(RegistryCleanersTest, WinZipWalksStopAfterTheFirstGapOrAHundredEntries) {
    const std::string extract = settings::kWinZipExtractKey;
    PutNumbered(extract, "extract", 1, 101);
    Put(extract, "extract3", "");  // an empty entry is a gap as well
    CarryOut(lists.PlanWinZipExtractMenu());
    EXPECT_EQ(ValueNames(extract).size(), 98u);
    EXPECT_FALSE(registry.HasValue(kHkeyCurrentUser, extract, "extract3"));
    EXPECT_TRUE(registry.HasValue(kHkeyCurrentUser, extract, "extract4"));

    PutNumbered(extract, "extract", 1, 100);
    CarryOut(lists.PlanWinZipExtractMenu());  // a full list: the walk ends after 100
    EXPECT_EQ(ValueNames(extract), Names{"extract101"});
}

// (WordPad's and Paint's "File1" rule, and VB's 57 and 101: target CleaningIntegrationTest.)
TEST_F(RegistryCleanersTest, VbTakesExactlyTheNumbersOneToAHundred) {
    const std::string vb = settings::kVbRecentFilesKey;
    for (const char* name : {"1", "100", "101", "0", "01"})
        Put(vb, name);
    CarryOut(lists.PlanVBRecentFiles());
    EXPECT_EQ(ValueNames(vb), (Names{"101", "0", "01"}));
}

}  // namespace
}  // namespace cw
