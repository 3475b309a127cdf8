// The cleaners that work on files, on the fakes, in the cases the seeded prefix under Wine
// (target CleaningIntegrationTest) does not hold: links, missing and refused folders, files
// in use, and other users' profiles.

#include <gtest/gtest.h>

#include "BrowserWorld.h"
#include "clean/MediaPlayerCleaner.h"
#include "fakes/SnapshotDiff.h"

namespace cw::testing {
namespace {

const std::string kHistory = std::string(BrowserWorld::kProfile) + "\\Local Settings\\History";

class TraceFileCleanersTest : public ::testing::Test, public CleanerWorld {
  protected:
    std::vector<std::string> FileChanges() { return fakes::SnapshotDiff(files_, fs.Snapshot()); }
    std::vector<std::string> RegistryChanges() {
        return fakes::SnapshotDiff(keys_, registry.Dump());
    }
    void Mark() {
        files_ = fs.Snapshot();
        keys_ = registry.Dump();
    }

  private:
    std::vector<std::string> files_, keys_;
};

TEST_F(TraceFileCleanersTest, HistoryLeavesTheFolderALinkPointsTo) {
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

TEST_F(TraceFileCleanersTest, HistoryWithoutAFolderOrItemsLeavesOnlyDaysToKeep) {
    folders.Remove(kCsidlHistory);
    fs.AddFile("C:\\Documents and Settings\\bob\\x.txt");
    cache.Add("Visited: bob@http://a/", kUrlHistoryCacheEntry);
    Mark();
    Wipe(CleaningItem::IEHistory);
    EXPECT_TRUE(FileChanges().empty());
    EXPECT_TRUE(cache.entries.empty());
    EXPECT_EQ(RegistryChanges().back(),
              "+ 80000001\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
              "Settings\\Url History|DaysToKeep|4|00000000");

    // A History folder that points at the profile itself is refused by the guard.
    folders.Set(kCsidlHistory, kProfile);
    Wipe(CleaningItem::IEHistory);
    EXPECT_TRUE(fs.Exists("C:\\Documents and Settings\\bob\\x.txt"));
}

// Internet Explorer 5 and later keep the days and weeks of the History bar in containers of
// their own (MSHist01...): their entries go too, and nothing else of the index.
TEST_F(TraceFileCleanersTest, HistoryEmptiesTheDayAndWeekContainersToo) {
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
TEST_F(TraceFileCleanersTest, ARefusedTempPathIsLeftWhole) {
    fs.SetTempPath(std::string(kProfile) + "\\");
    fs.AddFile(std::string(kProfile) + "\\a.tmp");
    Mark();
    Wipe(CleaningItem::TempFolder);
    EXPECT_TRUE(FileChanges().empty());
}

// (The media player's files of another user staying, on a real profile: target
// CleaningIntegrationTest.)
TEST_F(TraceFileCleanersTest, AProfileThatOnlyBeginsWithTheSameLettersIsAnotherUsers) {
    MediaPlayerCleaner media(settings, files, shellFolders);
    folders.Set(kCsidlProfile, "C:\\Documents and Settings\\Administrator");
    EXPECT_TRUE(media.IsInOwnProfile(settings::kMediaPlayerFolder));
    folders.Set(kCsidlProfile, "C:\\Documents and Settings\\Administrator2");
    EXPECT_FALSE(media.IsInOwnProfile(settings::kMediaPlayerFolder));
    folders.Remove(kCsidlProfile);
    EXPECT_FALSE(media.IsInOwnProfile(settings::kMediaPlayerFolder));
}

}  // namespace
}  // namespace cw::testing
