// Each item of the cleaning run on a real registry and file system (Wine's): the registry
// (HKCU and HKLM) and drive C are taken before and after the run with only that item ticked,
// and the difference must be exactly the item's traces plus the writes the item makes. The
// registry items run once more under Wine's Windows 98, 2000 and XP.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "gui/programs/CleaningWorld.h"
#include "demo/Traces.h"
#include "platform/win32/Win32UrlCache.h"
#include "support/Process.h"
#include "support/Snapshot.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

using Lines = std::vector<std::string>;
using traces::SearchPlaces;

std::string Key(const std::string& key) {
    return "HKCU\\" + key;
}
std::string Value(const std::string& key, const std::string& name) {
    return "HKCU\\" + key + "|" + name;
}
// The lines of values of the key that go.
Lines ValuesGone(const std::string& key, std::initializer_list<const char*> names) {
    Lines lines;
    for (const char* name : names)
        lines.push_back("- " + Value(key, name));
    return lines;
}
// Every line of the snapshot that belongs to the key (itself, its values, its subkeys).
Lines AllOfKeyGone(const Snapshot& before, const std::string& key) {
    Lines lines;
    const std::string k = Key(key);
    for (const auto& [identity, details] : before) {
        if (identity == k || identity.rfind(k + "|", 0) == 0 || identity.rfind(k + "\\", 0) == 0) {
            lines.push_back("- " + identity);
        }
    }
    EXPECT_FALSE(lines.empty()) << key << " was not seeded";
    return lines;
}
Lines Sorted(std::initializer_list<Lines> parts) {
    Lines out;
    for (const Lines& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    std::sort(out.begin(), out.end());
    return out;
}

// Wine sets up the display (and records it in the registry) when a process first uses the
// window functions; that happens here, before any snapshot.
void LetWineSetUpTheDisplay() {
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    ReleaseDC(nullptr, GetDC(nullptr));
}

class CleaningIntegrationTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { LetWineSetUpTheDisplay(); }

    void Before() {
        registry_ = RegistrySnapshot();
        drive_ = DriveSnapshot();
    }
    // Runs "Wipe Selected Items" with exactly these boxes ticked; the changes it made.
    Lines Run(const std::vector<std::string>& boxes) {
        EXPECT_TRUE(world->Tick(boxes));
        world->privacy.cmdCleanSelectedItems.Click();
        EXPECT_EQ(world->dialogs.prompts.back(), "Your system has now been cleaned");
        return ChangesSince(registry_, drive_);
    }
    Lines KeyGone(const std::string& key) { return AllOfKeyGone(registry_, key); }
    // The key made by a write, unless it was there.
    Lines KeyMade(const std::string& key) {
        return registry_.count(Key(key)) ? Lines{} : Lines{"+ " + Key(key)};
    }
    std::string Text(const std::string& key, const std::string& name) {
        return traces::ReadText(HKEY_CURRENT_USER, key, name);
    }

    std::unique_ptr<world::CleaningWorld> world = std::make_unique<world::CleaningWorld>();
    Snapshot registry_, drive_;
};

TEST_F(CleaningIntegrationTest, ARunWithNothingTickedChangesNothing) {
    traces::SeedRunList();
    Before();
    EXPECT_EQ(Run({}), Lines{});
}

TEST_F(CleaningIntegrationTest, TypedAddressesPrinterPortsAndRecentListsGoAndNothingElse) {
    traces::SeedTypedUrls();
    Before();
    EXPECT_EQ(Run({"chkUrls"}), Sorted({KeyGone(settings::kTypedUrlsKey)}));

    traces::SeedPrinterPorts();
    Before();
    EXPECT_EQ(Run({"chkPrinterPorts"}), Sorted({KeyGone(settings::kPrnPortsMruKey)}));

    // Visual Basic's list: the numbers 1 to 100.
    traces::SeedVisualBasic();
    traces::PutText(HKEY_CURRENT_USER, settings::kVbRecentFilesKey, "57", "C:\\x.vbp");
    traces::PutText(HKEY_CURRENT_USER, settings::kVbRecentFilesKey, "101", "C:\\y.vbp");
    Before();
    EXPECT_EQ(Run({"chkVb"}),
              Sorted({ValuesGone(settings::kVbRecentFilesKey, {"1", "2", "3", "57"})}));

    // Paint's File1 is empty: only File1 goes, the rest of its list stays.
    traces::SeedWordPad();
    traces::SeedPaint();
    traces::PutText(HKEY_CURRENT_USER, settings::kPaintRecentKey, "File1", "");
    Before();
    EXPECT_EQ(Run({"chkWordPad", "chkPbrush"}),
              Sorted({ValuesGone(settings::kWordPadRecentKey, {"File1", "File2", "File3"}),
                      ValuesGone(settings::kPaintRecentKey, {"File1"})}));
}

TEST_F(CleaningIntegrationTest, RunListAndWinZipListsGoAsFarAsTheirOwnIndexSays) {
    traces::SeedRunList();
    traces::PutText(HKEY_CURRENT_USER, settings::kRunMruKey, "d", "not listed\\1");
    Before();
    EXPECT_EQ(Run({"chkRunMenu"}),
              Sorted({ValuesGone(settings::kRunMruKey, {"a", "b", "c", "MRUList"})}));

    traces::SeedWinZipFiles();
    traces::SeedWinZipExtract();
    traces::PutText(HKEY_CURRENT_USER, settings::kWinZipFileMenuKey, "filemenu5",
                    "C:\\after gap.zip");
    Before();
    EXPECT_EQ(
        Run({"chkWzip1", "chkWzip2"}),
        Sorted({ValuesGone(settings::kWinZipFileMenuKey, {"filemenu1", "filemenu2", "filemenu3"}),
                ValuesGone(settings::kWinZipExtractKey, {"extract1", "extract2"})}));
    EXPECT_EQ(Text(settings::kWinZipFileMenuKey, "filemenu5"), "C:\\after gap.zip");
}

TEST_F(CleaningIntegrationTest, AutoCompleteLosesItsFormDataAndIsSwitchedOff) {
    traces::SeedAutoComplete();
    // Both switches missing: the writes make them (and the key they need).
    DeleteKeyTree(kHkeyCurrentUser, "Software\\Microsoft\\Explorer\\AutoComplete");
    win32::Win32Registry().DeleteValue(kHkeyCurrentUser, settings::kIEMainKey,
                                       settings::kUseFormSuggest);
    Before();
    const std::string autoComplete = settings::kExplorerAutoCompleteKey;
    EXPECT_EQ(Run({"chkAutoComplete"}),
              Sorted({KeyGone(settings::kIntelliFormsKey),
                      KeyMade("Software\\Microsoft\\Explorer"),
                      {"+ " + Key(autoComplete), "+ " + Value(autoComplete, "Use AutoComplete"),
                       "+ " + Value(settings::kIEMainKey, "Use FormSuggest")}}));
    EXPECT_EQ(Text(autoComplete, "Use AutoComplete"), "no");
    EXPECT_EQ(Text(settings::kIEMainKey, "Use FormSuggest"), "no");
}

TEST_F(CleaningIntegrationTest, SearchListsOfThisSystemGoAndTheOtherSystemsPlacesStay) {
    for (SearchPlaces places :
         {SearchPlaces::Windows9x, SearchPlaces::Windows2000, SearchPlaces::WindowsXP}) {
        traces::SeedFindFilesAt(places);
        traces::SeedFindComputersAt(places);
    }
    Before();
    // Wine reports Windows 7 here: the places of Windows 95 to Me and NT 4 are taken.
    EXPECT_EQ(
        Run({"chkFindFiles", "chkFindComputers"}),
        Sorted({KeyGone(settings::kFindFilesMruKey), KeyGone(settings::kFindComputerMruKey)}));
}

TEST_F(CleaningIntegrationTest, MediaPlayerListsGoAndAnotherUsersFilesStay) {
    traces::SeedMediaPlayer();
    const std::string other = settings::kMediaPlayerFolder;
    traces::PutFile(other + "\\CurrentDatabase_59R.wmdb", "the Administrator's library");
    Before();
    EXPECT_EQ(Run({"chkMediaPlayer"}), Sorted({KeyGone(settings::kMediaPlayerUrlsKey),
                                               KeyGone(settings::kMediaPlayerFilesKey)}));
    EXPECT_TRUE(PathExists(other + "\\CurrentDatabase_59R.wmdb"));
}

TEST_F(CleaningIntegrationTest, TempFolderIsEmptiedAndStaysInPlace) {
    traces::SeedTempFolder();
    Before();
    std::string temp = traces::TempFolder() + "\\";
    Lines expected;
    for (const auto& [identity, details] : drive_) {
        if (identity.size() > temp.size() && identity.compare(0, temp.size(), temp) == 0) {
            expected.push_back("- " + identity);
        }
    }
    EXPECT_GE(expected.size(), 5u);
    EXPECT_EQ(Run({"chkTemp"}), Sorted({expected}));
    EXPECT_TRUE(PathExists(traces::TempFolder()));
}

TEST_F(CleaningIntegrationTest, CookieStepIsFollowedByTheMarkerInTheInteractiveRunOnly) {
    Before();
    Lines changes = Run({"chkCookies"});
    EXPECT_EQ(world->browserSteps.calls, Lines{"ClearIECookies"});
    const std::string marker = "HKLM\\Software\\Microsoft\\Tolvex";
    Lines expected = {"+ " + marker + "|cookies"};
    if (!registry_.count(marker)) expected.push_back("+ " + marker);
    EXPECT_EQ(changes, Sorted({expected}));
    EXPECT_EQ(traces::ReadText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Tolvex", "cookies"), "tt");
}

TEST_F(CleaningIntegrationTest, HistoryEntriesAndPagesGoIndexFilesStayAndDaysToKeepIsZero) {
    // Other tests of this program leave history entries behind; start from none.
    win32::Win32UrlCache cache;
    std::vector<std::string> earlier;
    cache.Enumerate("Visited:", [&](const UrlCacheEntry& e) {
        earlier.push_back(e.sourceUrl);
        return true;
    });
    for (const std::string& url : earlier)
        cache.DeleteEntry(url);
    traces::SeedHistory();
    const std::string history = traces::Folder(CSIDL_HISTORY);
    const std::string ie5 = history + "\\History.IE5";
    const std::string week = ie5 + "\\MSHist012004010520040112";
    traces::PutFile(history + "\\desktop.ini", "[.ShellClassInfo]",
                    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    traces::PutFile(week + "\\index.dat", "a week's index");
    traces::PutFile(week + "\\visited page.htm", "<html></html>", FILE_ATTRIBUTE_READONLY);
    traces::PutFile(history + "\\Today\\search.htm", "<html></html>");
    ASSERT_EQ(traces::CountHistory(), 5 + 3);
    Before();
    const std::string urlHistory = settings::kUrlHistoryKey;
    EXPECT_EQ(Run({"chkInternetHistory"}),
              Sorted({KeyMade(urlHistory),
                      {"+ " + Value(urlHistory, "DaysToKeep"), "- " + ie5 + "\\diary[0].html",
                       "- " + week + "\\visited page.htm", "- " + history + "\\Today\\",
                       "- " + history + "\\Today\\search.htm", "~ " + ie5 + "\\index.dat"}}));
    EXPECT_EQ(traces::CountHistory(), 0);
    RegValue days;
    world->registry.QueryValue(kHkeyCurrentUser, urlHistory, "DaysToKeep", days);
    EXPECT_EQ(days.type, kRegDword);
    EXPECT_EQ(days.data, std::string(4, '\0'));
}

TEST_F(CleaningIntegrationTest, RecentDocumentsGoFromTheShellsListAndTheRecentFolder) {
    traces::SeedRecentDocuments();
    const std::string recent = traces::Folder(CSIDL_RECENT);
    traces::PutFile(recent + "\\notes.txt", "not a shortcut");
    Before();
    EXPECT_EQ(Run({"chkDocuments"}),
              Sorted({KeyGone("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"),
                      {"- " + recent + "\\budget 2004.xls.lnk", "- " + recent + "\\holiday.jpg.lnk",
                       "- " + recent + "\\letter to the bank.txt.lnk"}}));
    EXPECT_EQ(traces::CountRecentDocuments(), 0);
}

// Under Wine the Recycle Bin is the Linux Trash of the (throw-away) home folder.
TEST_F(CleaningIntegrationTest, RecycleBinEmptiesTheTrashOfTheIsolatedHomeOnly) {
    const char* home = std::getenv("CW_UNIX_HOME");
    ASSERT_NE(home, nullptr);
    const char* data = std::getenv("XDG_DATA_HOME");
    const std::string trash =
        (data && *data ? std::string(data) : std::string(home) + "/.local/share") + "/Trash";
    ASSERT_EQ(trash.rfind(home, 0), 0u) << "the Trash must lie in the test's own home";
    // Files only: Wine 8 leaves a trashed folder that still holds files.
    TestServer::MakeUnixFolder(trash + "/files");
    TestServer::MakeUnixFolder(trash + "/info");
    for (const char* name : {"old letter.txt", "photo.bmp"}) {
        TestServer::WriteUnixFile(trash + "/files/" + name, "trashed");
        TestServer::WriteUnixFile(trash + "/info/" + name + ".trashinfo",
                                  std::string("[Trash Info]\nPath=/home/user/") + name +
                                      "\nDeletionDate=2004-05-06T07:08:09\n");
    }
    TestServer::WriteUnixFile(std::string(home) + "/keep.txt", "not in the bin");
    ASSERT_EQ(traces::CountRecycleBin(), 2);
    Before();
    EXPECT_EQ(Run({"chkRecBin"}), Lines{});
    EXPECT_EQ(TestServer::ListUnixFolder(trash + "/files"), Lines{});
    EXPECT_EQ(TestServer::ListUnixFolder(trash + "/info"), Lines{});
    Lines homeNames = TestServer::ListUnixFolder(home);
    EXPECT_NE(std::find(homeNames.begin(), homeNames.end(), "keep.txt"), homeNames.end());
    EXPECT_EQ(traces::CountRecycleBin(), 0);
}

// Wine fixes the Windows version a process sees when it starts, so these runs happen in a
// child process (cwclean.exe) started after the version was set.
struct VersionCase {
    const char* wineVersion;
    SearchPlaces places;
    const char* versionAnswers;
};

class VersionCleanersTest : public ::testing::TestWithParam<VersionCase> {
  protected:
    static void SetUpTestSuite() { LetWineSetUpTheDisplay(); }
};

TEST_P(VersionCleanersTest, RegistryItemsRemoveTheirTracesAndTheVersionsSearchLists) {
    const VersionCase& version = GetParam();
    WineVersion wine(version.wineVersion);
    for (SearchPlaces places :
         {SearchPlaces::Windows9x, SearchPlaces::Windows2000, SearchPlaces::WindowsXP}) {
        traces::SeedFindFilesAt(places);
        traces::SeedFindComputersAt(places);
    }
    for (auto seed : {traces::SeedRunList, traces::SeedTypedUrls, traces::SeedPrinterPorts,
                      traces::SeedAutoComplete, traces::SeedWinZipFiles, traces::SeedWinZipExtract,
                      traces::SeedVisualBasic, traces::SeedWordPad, traces::SeedPaint,
                      traces::SeedMediaPlayer}) {
        seed();
    }
    Snapshot registry = RegistrySnapshot();
    Snapshot drive = DriveSnapshot();

    ProcessResult child = RunHelper("cwclean",
                                    "chkRunMenu chkUrls chkFindFiles chkFindComputers "
                                    "chkPrinterPorts chkAutoComplete chkWzip1 chkWzip2 chkVb "
                                    "chkWordPad chkPbrush chkMediaPlayer");
    ASSERT_TRUE(child.finished) << child.output;
    EXPECT_NE(child.output.find(version.versionAnswers), std::string::npos) << child.output;
    EXPECT_NE(child.output.find("Your system has now been cleaned"), std::string::npos);

    auto gone = [&](const std::string& key) { return AllOfKeyGone(registry, key); };
    Lines searches =
        version.places == SearchPlaces::Windows2000
            ? Sorted(
                  {gone(settings::kFindFilesMru2000Key), gone(settings::kFindComputersMru2000Key)})
        : version.places == SearchPlaces::WindowsXP
            ? Sorted({gone(settings::kFindFilesMruXPKey), gone(settings::kFindComputersMruXPKey)})
            : gone(settings::kFindFilesMruKey);
    EXPECT_EQ(
        ChangesSince(registry, drive),
        Sorted({searches,
                gone(settings::kFindComputerMruKey),
                ValuesGone(settings::kRunMruKey, {"a", "b", "c", "MRUList"}),
                gone(settings::kTypedUrlsKey),
                gone(settings::kPrnPortsMruKey),
                gone(settings::kIntelliFormsKey),
                {"~ " + Value(settings::kIEMainKey, settings::kUseFormSuggest),
                 "~ " + Value(settings::kExplorerAutoCompleteKey, settings::kUseAutoComplete)},
                ValuesGone(settings::kWinZipFileMenuKey, {"filemenu1", "filemenu2", "filemenu3"}),
                ValuesGone(settings::kWinZipExtractKey, {"extract1", "extract2"}),
                ValuesGone(settings::kVbRecentFilesKey, {"1", "2", "3"}),
                ValuesGone(settings::kWordPadRecentKey, {"File1", "File2", "File3"}),
                ValuesGone(settings::kPaintRecentKey, {"File1", "File2"}),
                gone(settings::kMediaPlayerUrlsKey),
                gone(settings::kMediaPlayerFilesKey)}));
    EXPECT_EQ(traces::ReadText(HKEY_CURRENT_USER, settings::kIEMainKey, settings::kUseFormSuggest),
              "no");
}

INSTANTIATE_TEST_SUITE_P(Windows, VersionCleanersTest,
                         ::testing::Values(VersionCase{"win98", SearchPlaces::Windows9x,
                                                       "IsWindows2000=0 IsWindowsXP=0"},
                                           VersionCase{"win2k", SearchPlaces::Windows2000,
                                                       "IsWindows2000=1 IsWindowsXP=0"},
                                           VersionCase{"winxp", SearchPlaces::WindowsXP,
                                                       "IsWindows2000=0 IsWindowsXP=1"}),
                         [](const auto& info) { return std::string(info.param.wineVersion); });

}  // namespace
}  // namespace cw::testing
