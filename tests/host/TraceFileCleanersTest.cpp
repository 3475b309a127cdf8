// The cleaners that work on files: history, temporary folder, Media Player, recent documents.

#include <gtest/gtest.h>

#include "clean/FolderCleaners.h"
#include "clean/HistoryCleaner.h"
#include "clean/MediaPlayerCleaner.h"
#include "clean/SystemTraceCleaners.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeOsVersion.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShellLists.h"
#include "fakes/FakeSpecialFolders.h"
#include "fakes/FakeUrlCache.h"
#include "fakes/SnapshotDiff.h"
#include "settings/SettingNames.h"

namespace cw {
namespace {

const std::string kProfile = "C:\\Documents and Settings\\bob";
const std::string kHistory = kProfile + "\\Local Settings\\History";

class TraceFileCleanersTest : public ::testing::Test {
  protected:
    std::vector<std::string> FileChanges() { return fakes::SnapshotDiff(files_, fs.Snapshot()); }
    std::vector<std::string> RegistryChanges() {
        return fakes::SnapshotDiff(keys_, registry.Dump());
    }
    void Mark() {
        files_ = fs.Snapshot();
        keys_ = registry.Dump();
    }

    fakes::FakeFileSystem fs;
    fakes::FakeSpecialFolders special;
    PathGuard guard{special, fs};
    FileRoutines files{fs, guard};
    ShellFolders folders{special};
    fakes::FakeRegistry registry;
    SettingsStore settings{registry};
    fakes::FakeUrlCache cache;
    fakes::FakeOsVersion os;
    fakes::FakeRecentDocuments recent;
    fakes::FakeRecycleBin bin;
    fakes::FakeDialogs dialogs;
    SystemTraceCleaners cleaners{
        TraceCleanerServices{settings, os, files, folders, cache, recent, bin, dialogs}};

  private:
    std::vector<std::string> files_, keys_;
};

TEST_F(TraceFileCleanersTest, HistoryGoesWithoutTheIndexFilesAndNothingElseChanges) {
    const std::string ie5 = kHistory + "\\History.IE5";
    fs.AddFile(kHistory + "\\desktop.ini", "[.ShellClassInfo]", kAttrHidden | kAttrSystem);
    fs.AddFile(ie5 + "\\index.dat", "INDEX");
    fs.AddFile(ie5 + "\\desktop.ini", "ini", kAttrHidden | kAttrSystem);
    fs.AddFile(ie5 + "\\MSHist012024010120240108\\index.dat", "WEEK");
    fs.AddFile(ie5 + "\\MSHist012024010820240109\\page[1].htm", "p", kAttrReadOnly | kAttrHidden);
    fs.AddFile(ie5 + "\\a[0]_", "");
    fs.AddDirectory("C:\\Elsewhere\\keep");
    fs.AddLink(kHistory + "\\link", "C:\\Elsewhere");
    cache.Add("Visited: bob@http://example.com/", kUrlHistoryCacheEntry | kNormalCacheEntry);
    cache.Add("Visited: bob@file:///C:/secret.txt", kUrlHistoryCacheEntry);
    cache.Add("http://example.com/logo.gif");
    cache.Add("Cookie:bob@example.com/", kCookieCacheEntry | kNormalCacheEntry);
    registry.SetString(kHkeyCurrentUser,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                       "User Agent", "Mozilla/4.0");
    Mark();

    cleaners.ClearIEHistory();

    EXPECT_EQ(cache.deleted, (std::vector<std::string>{"Visited: bob@http://example.com/",
                                                       "Visited: bob@file:///C:/secret.txt"}));
    EXPECT_EQ(cache.entries.size(), 2u);
    std::vector<std::string> expectedFiles = {
        "- " + ie5 + "\\MSHist012024010820240109\\page[1].htm|3|p",
        "- " + ie5 + "\\MSHist012024010820240109|16|",
        "- " + ie5 + "\\a[0]_|32|",
    };
    EXPECT_EQ(FileChanges(), expectedFiles);
    EXPECT_EQ(RegistryChanges(),
              (std::vector<std::string>{
                  "+ 80000001\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
                  "Settings\\Url History",
                  "+ 80000001\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
                  "Settings\\Url History|DaysToKeep|4|00000000",
              }));
}

TEST_F(TraceFileCleanersTest, HistoryWithoutAFolderOrItemsLeavesOnlyDaysToKeep) {
    special.Remove(kCsidlHistory);
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
    special.Set(kCsidlHistory, kProfile);
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

    special.Set(kCsidlProfile, "C:\\Documents and Settings\\Administrator");
    cleaners.ClearMediaPlayerLists();
    EXPECT_EQ(FileChanges(),
              (std::vector<std::string>{"- " + folder + "\\CurrentDatabase_59R.wmdb|32|",
                                        "- " + folder + "\\wmplibrary_v_0_12.db|32|"}));

    // "Administrator2" is another user whose profile only begins with the same letters.
    MediaPlayerCleaner media(settings, files, folders);
    special.Set(kCsidlProfile, "C:\\Documents and Settings\\Administrator2");
    EXPECT_FALSE(media.IsInOwnProfile(folder));
    special.Remove(kCsidlProfile);
    EXPECT_FALSE(media.IsInOwnProfile(folder));
}

TEST_F(TraceFileCleanersTest, RecentDocumentsEmptyTheShellsListAndItsShortcuts) {
    const std::string folder = kProfile + "\\Recent";
    recent.Add("C:\\letter.doc");
    fs.AddFile(folder + "\\letter.doc.lnk");
    fs.AddFile(folder + "\\desktop.ini", "", kAttrHidden | kAttrSystem);
    fs.AddFile(folder + "\\notes.txt");
    Mark();
    cleaners.ClearRecentDocuments();
    EXPECT_TRUE(recent.items.empty());
    EXPECT_EQ(recent.clears, 1);
    EXPECT_EQ(FileChanges(), std::vector<std::string>{"- " + folder + "\\letter.doc.lnk|32|"});
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
}  // namespace cw
