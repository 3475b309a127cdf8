// The cleaners that work on files, on the fakes, in the cases the seeded prefix under Wine
// (target CleaningIntegrationTest) does not hold: links, missing and refused folders, files
// in use, other users' profiles, and what the Recycle Bin is asked.

#include <gtest/gtest.h>

#include "clean/FolderCleaners.h"
#include "clean/HistoryCleaner.h"
#include "clean/MediaPlayerCleaner.h"
#include "clean/SystemTraceCleaners.h"
#include "contract/Services.h"
#include "fakes/FakeOsVersion.h"
#include "fakes/FakeShellLists.h"
#include "fakes/SnapshotDiff.h"
#include "settings/SettingNames.h"

namespace cw::testing {
namespace {

const std::string kProfile = "C:\\Documents and Settings\\bob";
const std::string kHistory = kProfile + "\\Local Settings\\History";

class TraceFileCleanersTest : public ::testing::Test, public Services<FakePlatform> {
  protected:
    std::vector<std::string> FileChanges() { return fakes::SnapshotDiff(files_, fs.Snapshot()); }
    std::vector<std::string> RegistryChanges() {
        return fakes::SnapshotDiff(keys_, registry.Dump());
    }
    void Mark() {
        files_ = fs.Snapshot();
        keys_ = registry.Dump();
    }

    fakes::FakeOsVersion os;
    fakes::FakeRecentDocuments recent;
    fakes::FakeRecycleBin bin;
    SystemTraceCleaners cleaners{
        TraceCleanerServices{settings, os, files, shellFolders, cache, recent, bin, dialogs}};

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
    cleaners.ClearIEHistory();
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
    cleaners.ClearIEHistory();
    EXPECT_TRUE(FileChanges().empty());
    EXPECT_TRUE(cache.entries.empty());
    EXPECT_EQ(RegistryChanges().back(),
              "+ 80000001\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
              "Settings\\Url History|DaysToKeep|4|00000000");

    // A History folder that points at the profile itself is refused by the guard.
    folders.Set(kCsidlHistory, kProfile);
    cleaners.ClearIEHistory();
    EXPECT_TRUE(fs.Exists("C:\\Documents and Settings\\bob\\x.txt"));
}

TEST_F(TraceFileCleanersTest, TempFolderIsThereAgainAfterItsPurge) {
    const std::string temp = kProfile + "\\Local Settings\\Temp";
    fs.SetTempPath(temp + "\\");
    fs.AddFile(temp + "\\~wrd0001.tmp", "x", kAttrHidden);
    fs.AddFile(temp + "\\setup\\data.cab");
    fs.AddFile(kProfile + "\\Local Settings\\keep.txt");
    Mark();
    cleaners.ClearTempFolder();
    EXPECT_EQ(FileChanges(), (std::vector<std::string>{"- " + temp + "\\setup\\data.cab|32|",
                                                       "- " + temp + "\\setup|16|",
                                                       "- " + temp + "\\~wrd0001.tmp|2|x"}));

    // A file in use stops the purge; the folder is still there.
    fs.AddFile(temp + "\\a.tmp");
    fs.AddFile(temp + "\\busy.tmp");
    fs.Lock(temp + "\\busy.tmp");
    cleaners.ClearTempFolder();
    EXPECT_TRUE(fs.Exists(temp + "\\busy.tmp"));
    EXPECT_TRUE(fs.IsDirectory(temp));

    // A temporary path the guard refuses is left whole and not made again.
    fs.SetTempPath(kProfile + "\\");
    Mark();
    cleaners.ClearTempFolder();
    EXPECT_TRUE(FileChanges().empty());
}

TEST_F(TraceFileCleanersTest, MediaPlayerFilesGoOnlyFromTheCurrentUsersOwnProfile) {
    const std::string folder = settings::kMediaPlayerFolder;
    fs.AddFile(folder + "\\wmplibrary_v_0_12.db");
    fs.AddFile(folder + "\\CurrentDatabase_59R.wmdb");
    fs.AddFile(folder + "\\Art Cache\\cover.jpg");
    fs.AddFile(folder + "\\hidden.bin", "", kAttrHidden);
    registry.SetString(kHkeyCurrentUser, settings::kMediaPlayerUrlsKey, "URL0", "http://a/x.asf");
    registry.SetString(kHkeyCurrentUser, settings::kMediaPlayerFilesKey, "File0", "C:\\a.mp3");
    Mark();
    cleaners.ClearMediaPlayerLists();  // bob runs it: the Administrator's files stay
    EXPECT_TRUE(FileChanges().empty());
    EXPECT_EQ(RegistryChanges().size(), 4u);
    EXPECT_FALSE(registry.KeyExists(kHkeyCurrentUser, settings::kMediaPlayerUrlsKey));
    EXPECT_FALSE(registry.KeyExists(kHkeyCurrentUser, settings::kMediaPlayerFilesKey));

    folders.Set(kCsidlProfile, "C:\\Documents and Settings\\Administrator");
    cleaners.ClearMediaPlayerLists();
    EXPECT_EQ(FileChanges(),
              (std::vector<std::string>{"- " + folder + "\\CurrentDatabase_59R.wmdb|32|",
                                        "- " + folder + "\\wmplibrary_v_0_12.db|32|"}));

    // "Administrator2" is another user whose profile only begins with the same letters.
    MediaPlayerCleaner media(settings, files, shellFolders);
    folders.Set(kCsidlProfile, "C:\\Documents and Settings\\Administrator2");
    EXPECT_FALSE(media.IsInOwnProfile(folder));
    folders.Remove(kCsidlProfile);
    EXPECT_FALSE(media.IsInOwnProfile(folder));
}

TEST_F(TraceFileCleanersTest, RecycleBinIsEmptiedSilentlyForTheGivenOwner) {
    bin.items = {"C:\\RECYCLER\\Dc1.txt"};
    cleaners.EmptyRecycleBinSilently(0x77);
    ASSERT_EQ(bin.emptyCalls.size(), 1u);
    EXPECT_EQ(bin.emptyCalls[0].owner, 0x77u);
    EXPECT_EQ(bin.emptyCalls[0].root, "");
    EXPECT_EQ(bin.emptyCalls[0].flags, 7u);
    EXPECT_TRUE(bin.items.empty());
    EXPECT_EQ(dialogs.doEventsCalls, 1);
}

}  // namespace
}  // namespace cw::testing
