#include <gtest/gtest.h>

#include "clean/ExplorerCleaners.h"
#include "clean/RecentListCleaners.h"
#include "clean/WindowsVersion.h"
#include "fakes/FakeOsVersion.h"
#include "fakes/FakeRegistry.h"
#include "fakes/SnapshotDiff.h"
#include "settings/SettingNames.h"
#include "text/Convert.h"

namespace cw {
namespace {

constexpr RootKey kCU = kHkeyCurrentUser;
const std::string kRunMru = settings::kRunMruKey;

class RegistryCleanersTest : public ::testing::Test {
  protected:
    void Put(const std::string& key, const std::string& name, const std::string& text = "x") {
        registry.SetString(kCU, key, name, text);
    }
    // What changed in the whole registry since the last call.
    std::vector<std::string> Changes() {
        std::vector<std::string> now = registry.Dump();
        std::vector<std::string> diff = fakes::SnapshotDiff(last_, now);
        last_ = now;
        return diff;
    }
    std::vector<std::string> ValueNames(const std::string& key) {
        std::vector<std::string> names;
        registry.EnumValueNames(kCU, key, names);
        return names;
    }
    void Mark() { last_ = registry.Dump(); }

    fakes::FakeRegistry registry;
    SettingsStore settings{registry};
    fakes::FakeOsVersion os;
    ExplorerCleaners explorer{settings, os};
    RecentListCleaners lists{settings};

  private:
    std::vector<std::string> last_;
};

TEST_F(RegistryCleanersTest, RunListLosesTheValuesItsMruListNamesAndKeepsTheKey) {
    for (const char* name : {"a", "b", "c", "d"})
        Put(kRunMru, name, std::string("cmd ") + name);
    Put(kRunMru, "MRUList", "cba");
    explorer.ClearRunMRU();
    EXPECT_EQ(ValueNames(kRunMru), std::vector<std::string>{"d"});
    EXPECT_TRUE(registry.KeyExists(kCU, kRunMru));

    Put(kRunMru, "a");
    Mark();
    registry.DeleteValue(kCU, kRunMru, "MRUList");
    Mark();
    explorer.ClearRunMRU();  // no MRUList: nothing goes
    EXPECT_TRUE(Changes().empty());
}

TEST_F(RegistryCleanersTest, WinZipWalkStopsAtTheFirstGapAfterDeletingIt) {
    const std::string files = settings::kWinZipFileMenuKey;
    for (const char* name : {"filemenu1", "filemenu2", "filemenu4", "extract1"})
        Put(files, name);
    lists.ClearWinZipFileMenu();
    EXPECT_EQ(ValueNames(files), (std::vector<std::string>{"filemenu4", "extract1"}));

    const std::string extract = settings::kWinZipExtractKey;
    for (int i = 1; i <= 101; ++i)
        Put(extract, "extract" + text::ToText(i));
    Put(extract, "extract3", "");  // an empty entry is a gap as well
    lists.ClearWinZipExtractMenu();
    EXPECT_EQ(ValueNames(extract).size(), 98u);
    EXPECT_FALSE(registry.HasValue(kCU, extract, "extract3"));
    EXPECT_TRUE(registry.HasValue(kCU, extract, "extract4"));

    registry.DeleteValue(kCU, extract, "extract1");
    registry.DeleteValue(kCU, extract, "extract2");
    for (int i = 1; i <= 100; ++i)
        Put(extract, "extract" + text::ToText(i));
    lists.ClearWinZipExtractMenu();  // a full list: the walk ends after 100
    EXPECT_EQ(ValueNames(extract), std::vector<std::string>{"extract101"});
}

TEST_F(RegistryCleanersTest, WordPadAndPaintListsGoOnlyWhenFile1HoldsText) {
    const std::string wordpad = settings::kWordPadRecentKey;
    Put(wordpad, "File2");
    Put(wordpad, "File3");
    lists.ClearWordPadRecentList();
    EXPECT_EQ(ValueNames(wordpad), (std::vector<std::string>{"File2", "File3"}));
    Put(wordpad, "File1", "");
    lists.ClearWordPadRecentList();
    EXPECT_EQ(ValueNames(wordpad), (std::vector<std::string>{"File2", "File3"}));

    const std::string paint = settings::kPaintRecentKey;
    for (const char* name : {"File1", "File7", "File100", "File101", "Settings"})
        Put(paint, name);
    lists.ClearPaintRecentList();
    EXPECT_EQ(ValueNames(paint), (std::vector<std::string>{"File101", "Settings"}));
}

TEST_F(RegistryCleanersTest, VisualBasicListLosesEveryNumberFromOneToAHundred) {
    const std::string vb = settings::kVbRecentFilesKey;
    for (const char* name : {"1", "2", "3", "4", "57", "100", "101", "0", "01"})
        Put(vb, name);
    lists.ClearVBRecentFiles();
    EXPECT_EQ(ValueNames(vb), (std::vector<std::string>{"101", "0", "01"}));
}

TEST_F(RegistryCleanersTest, SearchListsDependOnTheWindowsVersion) {
    const std::string files2000 = settings::kFindFilesMru2000Key;
    const std::string filesXP = settings::kFindFilesMruXPKey;
    const std::string files9x = settings::kFindFilesMruKey;
    const std::string computers = settings::kFindComputerMruKey;
    const std::string computers2000 = settings::kFindComputersMru2000Key;
    const std::string computersXP = settings::kFindComputersMruXPKey;
    auto seed = [&] {
        for (const auto& key :
             {files2000, filesXP, files9x, computers, computers2000, computersXP}) {
            Put(key, "a", "trace");
        }
        Mark();
    };
    auto gone = [&](std::vector<std::string> keys) {
        std::vector<std::string> expected;
        for (const auto& key : keys) {
            expected.push_back("- 80000001\\" + key);
            expected.push_back("- 80000001\\" + key + "|a|1|747261636500");
        }
        std::vector<std::string> changes = Changes();
        std::sort(changes.begin(), changes.end());
        std::sort(expected.begin(), expected.end());
        return changes == expected;
    };

    os.SetWindows2000();
    seed();
    explorer.ClearFindFilesMRU();
    explorer.ClearFindComputersMRU();
    EXPECT_TRUE(gone({files2000, computers, computers2000}));

    os.SetWindowsXP();
    seed();
    explorer.ClearFindFilesMRU();
    explorer.ClearFindComputersMRU();
    EXPECT_TRUE(gone({filesXP, computers, computersXP}));

    os.SetWindows98();
    seed();
    explorer.ClearFindFilesMRU();
    explorer.ClearFindComputersMRU();
    EXPECT_TRUE(gone({files9x, computers}));

    os.info = {6, 1, 7601, kPlatformNT, "", 0, 1};  // a later system takes the old places
    seed();
    explorer.ClearFindFilesMRU();
    EXPECT_TRUE(gone({files9x}));
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

TEST_F(RegistryCleanersTest, AutoCompleteTypedUrlsAndPrinterPortsChangeOnlyTheirKeys) {
    Put("Software\\Microsoft\\Internet Explorer\\IntelliForms\\SPW", "hash", "secret");
    Put("Software\\Microsoft\\Internet Explorer\\TypedURLs", "url1", "http://a/");
    Put(settings::kPrnPortsMruKey, "a", "LPT1:");
    Put(settings::kIEMainKey, "Start Page", "about:blank");
    Mark();
    explorer.DisableAutoComplete();
    explorer.DeleteTypedUrls();
    explorer.ClearPrinterPortsMRU();
    std::vector<std::string> expected = {
        "+ 80000001\\Software\\Microsoft\\Explorer",
        "+ 80000001\\Software\\Microsoft\\Explorer\\AutoComplete",
        "+ 80000001\\Software\\Microsoft\\Explorer\\AutoComplete|Use AutoComplete|1|6e6f00",
        "+ 80000001\\Software\\Microsoft\\Internet Explorer\\Main|Use FormSuggest|1|6e6f00",
        "- 80000001\\Software\\Microsoft\\Internet Explorer\\IntelliForms\\SPW",
        "- 80000001\\Software\\Microsoft\\Internet "
        "Explorer\\IntelliForms\\SPW|hash|1|73656372657400",
        "- 80000001\\Software\\Microsoft\\Internet Explorer\\TypedURLs",
        "- 80000001\\Software\\Microsoft\\Internet Explorer\\TypedURLs|url1|1|687474703a2f2f612f00",
        "- 80000001\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\PrnPortsMRU",
        "- "
        "80000001\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\PrnPortsMRU|a|1|"
        "4c5054313a00",
    };
    std::vector<std::string> changes = Changes();
    std::sort(changes.begin(), changes.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(changes, expected);
    EXPECT_TRUE(registry.KeyExists(kCU, "Software\\Microsoft\\Internet Explorer\\IntelliForms"));
}

}  // namespace
}  // namespace cw
