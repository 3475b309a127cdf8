// The item cleaners on the fakes, in the cases the seeded prefix under Wine (target
// CleaningIntegrationTest, which also holds each item's exact changes to a real registry)
// does not hold: links, missing and refused folders, other users' profiles, and the recent
// lists' rules at their edges.

#include <gtest/gtest.h>

#include "BrowserWorld.h"
#include "clean/MediaPlayerCleaner.h"
#include "fakes/SnapshotDiff.h"
#include "text/Convert.h"

namespace cw::testing {
namespace {

const std::string kHistory = std::string(BrowserWorld::kProfile) + "\\Local Settings\\History";

using Names = std::vector<std::string>;

class ItemCleanersTest : public ::testing::Test, public CleanerWorld {
  protected:
    void PutNumbered(const std::string& key, const std::string& prefix, int from, int to) {
        for (int i = from; i <= to; ++i)
            Put(key, prefix + text::ToText(i));
    }
    Names ValueNames(const std::string& key) {
        Names names;
        registry.EnumValueNames(kHkeyCurrentUser, key, names);
        return names;
    }
    std::vector<std::string> FileChanges() { return fakes::SnapshotDiff(files_, fs.Snapshot()); }
    void Mark() { files_ = fs.Snapshot(); }

  private:
    std::vector<std::string> files_;
};

TEST_F(ItemCleanersTest, HistoryLeavesTheFolderALinkPointsTo) {
    fs.AddFile("C:\\Elsewhere\\keep\\page.htm", "keep");
    fs.AddLink(kHistory + "\\link", "C:\\Elsewhere");
    fs.AddFile(kHistory + "\\History.IE5\\index.dat", "INDEX");
    fs.AddFile(kHistory + "\\History.IE5\\MSHist012024010820240109\\page[1].htm", "p",
               kAttrReadOnly | kAttrHidden);
    Mark();
    Wipe(CleaningItem::IEHistory);
    EXPECT_EQ(FileChanges(),
              (std::vector<std::string>{
                  "- " + kHistory + "\\History.IE5\\MSHist012024010820240109\\page[1].htm|3|p",
                  "- " + kHistory + "\\History.IE5\\MSHist012024010820240109|16|"}));
}

TEST_F(ItemCleanersTest, HistoryWithoutAFolderOrItemsLeavesOnlyDaysToKeep) {
    folders.Remove(kCsidlHistory);
    fs.AddFile("C:\\Documents and Settings\\bob\\x.txt");
    cache.Add("Visited: bob@http://a/", kUrlHistoryCacheEntry);
    Mark();
    const auto keys = registry.Dump();
    Wipe(CleaningItem::IEHistory);
    EXPECT_TRUE(FileChanges().empty() && cache.entries.empty());
    EXPECT_EQ(fakes::SnapshotDiff(keys, registry.Dump()).back(),
              "+ 80000001\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
              "Settings\\Url History|DaysToKeep|4|00000000");

    // A History folder that points at the profile itself is refused by the guard.
    folders.Set(kCsidlHistory, kProfile);
    Wipe(CleaningItem::IEHistory);
    EXPECT_TRUE(fs.Exists("C:\\Documents and Settings\\bob\\x.txt"));
}

// Internet Explorer 5 and later keep the days and weeks of the History bar in containers of
// their own (MSHist01...): their entries go too, and nothing else of the index.
TEST_F(ItemCleanersTest, HistoryEmptiesTheDayAndWeekContainersToo) {
    cache.containers = {{"MSHist012024010820240109", ":2024010820240109: "},
                        {"MSHist012024010120240108", ":2024010120240108: "},
                        {"Feeds", "feeds:"},
                        {"MSHist01broken", ""}};  // an empty prefix would list everything
    for (const char* url : {"Visited: bob@http://a/", ":2024010820240109: bob@:Host: a",
                            ":2024010120240108: bob@http://b/", "feeds:x", "http://a/page.htm"})
        cache.Add(url);
    Wipe(CleaningItem::IEHistory);
    std::vector<std::string> left;
    for (const UrlCacheEntry& e : cache.entries)
        left.push_back(e.sourceUrl);
    EXPECT_EQ(left, (std::vector<std::string>{"feeds:x", "http://a/page.htm"}));
}

// (A file in use staying while the purge goes on: CleaningPlansTest's temp wipe.)
TEST_F(ItemCleanersTest, ARefusedTempPathIsLeftWhole) {
    fs.SetTempPath(std::string(kProfile) + "\\");
    fs.AddFile(std::string(kProfile) + "\\a.tmp");
    Mark();
    Wipe(CleaningItem::TempFolder);
    EXPECT_TRUE(FileChanges().empty());
}

// (The media player's files of another user staying, on a real profile: target
// CleaningIntegrationTest.)
TEST_F(ItemCleanersTest, AProfileThatOnlyBeginsWithTheSameLettersIsAnotherUsers) {
    MediaPlayerCleaner media(settings, files, shellFolders);
    folders.Set(kCsidlProfile, "C:\\Documents and Settings\\Administrator");
    EXPECT_TRUE(media.IsInOwnProfile(settings::kMediaPlayerFolder));
    folders.Set(kCsidlProfile, "C:\\Documents and Settings\\Administrator2");
    EXPECT_FALSE(media.IsInOwnProfile(settings::kMediaPlayerFolder));
    folders.Remove(kCsidlProfile);
    EXPECT_FALSE(media.IsInOwnProfile(settings::kMediaPlayerFolder));
}

TEST_F(ItemCleanersTest, WinZipWalksStopAfterTheFirstGapOrAHundredEntries) {
    const std::string extract = settings::kWinZipExtractKey;
    PutNumbered(extract, "extract", 1, 101);
    registry.SetString(kHkeyCurrentUser, extract, "extract3", "");  // an empty entry: a gap too
    Wipe(CleaningItem::WinZipExtractMenu);
    EXPECT_EQ(ValueNames(extract).size(), 98u);
    EXPECT_TRUE(!registry.HasValue(kHkeyCurrentUser, extract, "extract3") &&
                registry.HasValue(kHkeyCurrentUser, extract, "extract4"));

    PutNumbered(extract, "extract", 1, 100);
    Wipe(CleaningItem::WinZipExtractMenu);  // a full list: the walk ends after 100
    EXPECT_EQ(ValueNames(extract), Names{"extract101"});
}

// VB's list is the numbers 1 to 100, past any gap: "100" goes, "101" stays. (WordPad's and
// Paint's "File1" rule: target CleaningIntegrationTest.)
TEST_F(ItemCleanersTest, TheRunListWithoutItsIndexAndVbsListKeepWhatTheyDoNotTake) {
    for (const char* name : {"a", "b"})
        Put(settings::kRunMruKey, name);
    Wipe(CleaningItem::RunMenu);
    EXPECT_EQ(ValueNames(settings::kRunMruKey), (Names{"a", "b"}));

    const std::string vb = settings::kVbRecentFilesKey;
    for (const char* name : {"1", "100", "101", "0", "01"})
        Put(vb, name);
    Wipe(CleaningItem::VBRecentFiles);
    EXPECT_EQ(ValueNames(vb), (Names{"101", "0", "01"})) << "exactly the numbers 1 to 100";
}

}  // namespace
}  // namespace cw::testing
