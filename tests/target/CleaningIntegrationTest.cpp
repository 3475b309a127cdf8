// Each item of the cleaning run on a real registry and file system (Wine's): the registry
// (HKCU and HKLM) and drive C are taken before and after the run with only that item ticked,
// and the difference must be exactly the item's traces plus the writes the item makes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "gui/programs/CleaningWorld.h"
#include "gui/programs/Traces.h"
#include "platform/win32/Win32UrlCache.h"
#include "support/Snapshots.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

using Lines = std::vector<std::string>;

std::string Key(const std::string& key) {
    return "HKCU\\" + key;
}
std::string Value(const std::string& key, const std::string& name) {
    return "HKCU\\" + key + "|" + name;
}

class CleaningIntegrationTest : public ::testing::Test {
  protected:
    // Wine sets up the display (and records it in the registry) when a process first uses
    // the window functions; that happens here, before any snapshot.
    static void SetUpTestSuite() {
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
        ReleaseDC(nullptr, GetDC(nullptr));
    }

    void Before() {
        registry_ = RegistrySnapshot();
        drive_ = DriveSnapshot();
    }
    // Runs "Wipe Selected Items" with exactly these boxes ticked; the changes it made.
    Lines Run(const std::vector<std::string>& boxes) {
        EXPECT_TRUE(world->Tick(boxes));
        world->privacy.cmdCleanSelectedItems.Click();
        EXPECT_EQ(world->dialogs.prompts.back(), "Your system has now been cleaned");
        Lines changes = Changes(registry_, RegistrySnapshot());
        for (const std::string& line : Changes(drive_, DriveSnapshot()))
            changes.push_back(line);
        std::sort(changes.begin(), changes.end());
        return changes;
    }
    static Lines Sorted(Lines lines) {
        std::sort(lines.begin(), lines.end());
        return lines;
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
    const std::string typed = settings::kTypedUrlsKey;
    EXPECT_EQ(Run({"chkUrls"}), Sorted({"- " + Key(typed), "- " + Value(typed, "url1"),
                                        "- " + Value(typed, "url2"), "- " + Value(typed, "url3")}));

    traces::SeedPrinterPorts();
    Before();
    const std::string ports = settings::kPrnPortsMruKey;
    EXPECT_EQ(Run({"chkPrinterPorts"}),
              Sorted({"- " + Key(ports), "- " + Value(ports, "a"), "- " + Value(ports, "b"),
                      "- " + Value(ports, "MRUList")}));

    traces::SeedVisualBasic();
    traces::PutText(HKEY_CURRENT_USER, settings::kVbRecentFilesKey, "57", "C:\\x.vbp");
    traces::PutText(HKEY_CURRENT_USER, settings::kVbRecentFilesKey, "101", "C:\\y.vbp");
    Before();
    const std::string vb = settings::kVbRecentFilesKey;
    EXPECT_EQ(Run({"chkVb"}), Sorted({"- " + Value(vb, "1"), "- " + Value(vb, "2"),
                                      "- " + Value(vb, "3"), "- " + Value(vb, "57")}));

    traces::SeedWordPad();
    traces::SeedPaint();
    traces::PutText(HKEY_CURRENT_USER, settings::kPaintRecentKey, "File1", "");
    Before();
    const std::string wordpad = settings::kWordPadRecentKey;
    const std::string paint = settings::kPaintRecentKey;
    // Paint's File1 is empty: only File1 goes, the rest of its list stays.
    EXPECT_EQ(Run({"chkWordPad", "chkPbrush"}),
              Sorted({"- " + Value(wordpad, "File1"), "- " + Value(wordpad, "File2"),
                      "- " + Value(wordpad, "File3"), "- " + Value(paint, "File1")}));
}

TEST_F(CleaningIntegrationTest, RunListAndWinZipListsGoAsFarAsTheirOwnIndexSays) {
    traces::SeedRunList();
    traces::PutText(HKEY_CURRENT_USER, settings::kRunMruKey, "d", "not listed\\1");
    Before();
    const std::string run = settings::kRunMruKey;
    EXPECT_EQ(Run({"chkRunMenu"}), Sorted({"- " + Value(run, "a"), "- " + Value(run, "b"),
                                           "- " + Value(run, "c"), "- " + Value(run, "MRUList")}));

    traces::SeedWinZipFiles();
    traces::SeedWinZipExtract();
    traces::PutText(HKEY_CURRENT_USER, settings::kWinZipFileMenuKey, "filemenu5",
                    "C:\\after gap.zip");
    Before();
    const std::string files = settings::kWinZipFileMenuKey;
    const std::string extract = settings::kWinZipExtractKey;
    EXPECT_EQ(Run({"chkWzip1", "chkWzip2"}),
              Sorted({"- " + Value(files, "filemenu1"), "- " + Value(files, "filemenu2"),
                      "- " + Value(files, "filemenu3"), "- " + Value(extract, "extract1"),
                      "- " + Value(extract, "extract2")}));
    EXPECT_EQ(Text(files, "filemenu5"), "C:\\after gap.zip");
}

TEST_F(CleaningIntegrationTest, AutoCompleteLosesItsFormDataAndIsSwitchedOff) {
    traces::SeedAutoComplete();
    // Both switches missing: the writes make them (and the key they need).
    DeleteKeyTree(kHkeyCurrentUser, "Software\\Microsoft\\Explorer\\AutoComplete");
    HKEY main = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, settings::kIEMainKey, 0, KEY_SET_VALUE, &main);
    RegDeleteValueA(main, settings::kUseFormSuggest);
    RegCloseKey(main);
    Before();
    const std::string spw = settings::kIntelliFormsKey;
    const std::string autoComplete = settings::kExplorerAutoCompleteKey;
    Lines changes = Run({"chkAutoComplete"});
    Lines expected = {"- " + Key(spw),
                      "- " + Value(spw, "4F0C0D8E4C3A4D2E"),
                      "- " + Value(spw, "9A1B2C3D4E5F6071"),
                      "+ " + Key(autoComplete),
                      "+ " + Value(autoComplete, "Use AutoComplete"),
                      "+ " + Value(settings::kIEMainKey, "Use FormSuggest")};
    if (!registry_.count(Key("Software\\Microsoft\\Explorer"))) {
        expected.push_back("+ " + Key("Software\\Microsoft\\Explorer"));
    }
    EXPECT_EQ(changes, Sorted(expected));
    EXPECT_EQ(Text(autoComplete, "Use AutoComplete"), "no");
    EXPECT_EQ(Text(settings::kIEMainKey, "Use FormSuggest"), "no");
}

TEST_F(CleaningIntegrationTest, SearchListsOfThisSystemGoAndTheOtherSystemsPlacesStay) {
    using traces::SearchPlaces;
    for (SearchPlaces places :
         {SearchPlaces::Windows9x, SearchPlaces::Windows2000, SearchPlaces::WindowsXP}) {
        traces::SeedFindFilesAt(places);
        traces::SeedFindComputersAt(places);
    }
    Before();
    // Wine reports Windows 7 here: the places of Windows 95 to Me and NT 4 are taken.
    const std::string files = settings::kFindFilesMruKey;
    const std::string computers = settings::kFindComputerMruKey;
    EXPECT_EQ(Run({"chkFindFiles", "chkFindComputers"}),
              Sorted({"- " + Key(files), "- " + Value(files, "a"), "- " + Value(files, "MRUList"),
                      "- " + Key(computers), "- " + Value(computers, "a"),
                      "- " + Value(computers, "MRUList")}));
}

TEST_F(CleaningIntegrationTest, MediaPlayerListsGoAndAnotherUsersFilesStay) {
    traces::SeedMediaPlayer();
    const std::string other = settings::kMediaPlayerFolder;
    traces::PutFile(other + "\\CurrentDatabase_59R.wmdb", "the Administrator's library");
    Before();
    const std::string urls = settings::kMediaPlayerUrlsKey;
    const std::string files = settings::kMediaPlayerFilesKey;
    EXPECT_EQ(Run({"chkMediaPlayer"}),
              Sorted({"- " + Key(urls), "- " + Value(urls, "URL0"), "- " + Key(files),
                      "- " + Value(files, "File0"), "- " + Value(files, "File1")}));
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
    EXPECT_EQ(Run({"chkTemp"}), Sorted(expected));
    EXPECT_TRUE(PathExists(traces::TempFolder()));
}

TEST_F(CleaningIntegrationTest, CookieStepIsFollowedByTheMarkerInTheInteractiveRunOnly) {
    Before();
    Lines changes = Run({"chkCookies"});
    EXPECT_EQ(world->browserSteps.calls, Lines{"ClearIECookies"});
    Lines expected = {"+ HKLM\\Software\\Microsoft\\Tolvex|cookies"};
    if (!registry_.count("HKLM\\Software\\Microsoft\\Tolvex")) {
        expected.push_back("+ HKLM\\Software\\Microsoft\\Tolvex");
    }
    EXPECT_EQ(changes, Sorted(expected));
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
    for (const std::string& url : earlier) cache.DeleteEntry(url);
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
    Lines expected = {"+ " + Value(urlHistory, "DaysToKeep"), "- " + ie5 + "\\diary[0].html",
                      "- " + week + "\\visited page.htm",     "- " + history + "\\Today\\",
                      "- " + history + "\\Today\\search.htm", "~ " + ie5 + "\\index.dat"};
    if (!registry_.count(Key(urlHistory))) expected.push_back("+ " + Key(urlHistory));
    EXPECT_EQ(Run({"chkInternetHistory"}), Sorted(expected));
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
    const std::string docs = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
    EXPECT_EQ(Run({"chkDocuments"}),
              Sorted({"- " + recent + "\\budget 2004.xls.lnk", "- " + recent + "\\holiday.jpg.lnk",
                      "- " + recent + "\\letter to the bank.txt.lnk", "- " + Key(docs),
                      "- " + Value(docs, "MRUList"), "- " + Value(docs, "a"),
                      "- " + Value(docs, "b"), "- " + Value(docs, "c")}));
    EXPECT_EQ(traces::CountRecentDocuments(), 0);
}

// Under Wine the Recycle Bin is the Linux Trash of the (throw-away) home folder.
std::string TrashFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data) return std::string(data) + "/Trash";
    const char* home = std::getenv("CW_UNIX_HOME");
    return home ? std::string(home) + "/.local/share/Trash" : "";
}

void TrashFile(const std::string& trash, const std::string& name, const std::string& from) {
    TestServer::WriteUnixFile(
        trash + "/info/" + name + ".trashinfo",
        "[Trash Info]\nPath=" + from + "\nDeletionDate=2004-05-06T07:08:09\n");
}

TEST_F(CleaningIntegrationTest, RecycleBinEmptiesTheTrashOfTheIsolatedHomeOnly) {
    const std::string trash = TrashFolder();
    ASSERT_FALSE(trash.empty());
    const char* home = std::getenv("CW_UNIX_HOME");
    ASSERT_NE(home, nullptr);
    ASSERT_EQ(trash.rfind(home, 0), 0u) << "the Trash must lie in the test's own home";
    // Files only: Wine 8 leaves a trashed folder that still holds files.
    TestServer::MakeUnixFolder(trash + "/files");
    TestServer::MakeUnixFolder(trash + "/info");
    TestServer::WriteUnixFile(trash + "/files/old letter.txt", "Dear bank");
    TrashFile(trash, "old letter.txt", "/home/user/old letter.txt");
    TestServer::WriteUnixFile(trash + "/files/photo.bmp", "BM");
    TrashFile(trash, "photo.bmp", "/home/user/Pictures/photo.bmp");
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

}  // namespace
}  // namespace cw::testing
