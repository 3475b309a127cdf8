// The cleaning run on a real registry and file system (Wine's): the registry (HKCU and HKLM)
// and drive C are taken before and after the run, and the difference must be exactly the
// ticked items' traces plus the writes the items make. The search lists are cleaned once
// more under Wine's Windows 2000 and XP. And the closing of the browsers, on windows another
// process made.

#include <windows.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>

#include "demo/Traces.h"
#include "demo/UrlCacheSeeding.h"
#include "gui/programs/CleaningWorld.h"
#include "support/Process.h"
#include "support/Snapshot.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

using namespace settings;
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
        if (identity == k || identity.rfind(k + "|", 0) == 0 || identity.rfind(k + "\\", 0) == 0)
            lines.push_back("- " + identity);
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
void SeedSearchesOfEverySystem() {
    for (SearchPlaces places :
         {SearchPlaces::Windows9x, SearchPlaces::Windows2000, SearchPlaces::WindowsXP}) {
        traces::SeedFindFilesAt(places);
        traces::SeedFindComputersAt(places);
    }
}

class CleaningIntegrationTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { LetWineSetUpTheDisplay(); }

    void Before() {
        registry_ = RegistrySnapshot();
        drive_ = DriveSnapshot();
    }
    // Runs "Wipe Selected Items" with exactly these boxes ticked; the changes it made. The
    // ticked items' plans (what "Analyze" shows) are worked out first: they change nothing,
    // and the run's closing message counts what they list.
    Lines Run(const std::vector<std::string>& boxes) {
        EXPECT_TRUE(world->Tick(boxes));
        PlanTotals planned;
        for (const CleaningItemRow& row : kCleaningItems) {
            if (BoxOf(world->privacy, row).Checked())
                planned += world->cleaners.Plan(row.item).Totals();
        }
        EXPECT_EQ(ChangesSince(registry_, drive_), Lines{}) << "working out the plans";
        world->privacy.cmdCleanSelectedItems.Click();
        EXPECT_EQ(world->dialogs.prompts.back(), "Your system has now been cleaned\n" +
                                                     DescribeTraces(planned.traces) + " removed, " +
                                                     DescribeSize(planned.bytes) + " freed.");
        return ChangesSince(registry_, drive_);
    }
    Lines KeyGone(const std::string& key) { return AllOfKeyGone(registry_, key); }
    // The key made by a write, unless it was there.
    Lines KeyMade(const std::string& key) {
        return registry_.count(Key(key)) ? Lines{} : Lines{"+ " + Key(key)};
    }

    std::unique_ptr<world::CleaningWorld> world = std::make_unique<world::CleaningWorld>();
    Snapshot registry_, drive_;
};

// One run with every registry item, the Temp folder, the recent documents and the cookie
// step ticked: each list goes as far as its own rules say, and nothing else changes (what
// must stay, the Temp folder itself included, would show as a difference if it went).
TEST_F(CleaningIntegrationTest, EachItemChangesExactlyItsTracesAndNothingElse) {
    traces::SeedRunList();
    traces::PutText(HKEY_CURRENT_USER, kRunMruKey, "d", "not listed\\1");
    traces::SeedTypedUrls();
    traces::SeedPrinterPorts();
    traces::SeedVisualBasic();
    // Paint's File1 is empty: only File1 goes, the rest of its list stays.
    traces::SeedWordPad();
    traces::SeedPaint();
    traces::PutText(HKEY_CURRENT_USER, kPaintRecentKey, "File1", "");
    // WinZip's lists go up to their first gap.
    traces::SeedWinZipFiles();
    traces::SeedWinZipExtract();
    traces::PutText(HKEY_CURRENT_USER, kWinZipFileMenuKey, "filemenu5", "C:\\after gap.zip");
    // Wine reports Windows 7 here: the places of Windows 95 to Me and NT 4 are taken, the
    // other systems' places stay. Another user's Media Player files stay.
    SeedSearchesOfEverySystem();
    traces::SeedMediaPlayer();
    traces::PutFile(std::string(kMediaPlayerFolder) + "\\CurrentDatabase_59R.wmdb", "another's");
    // AutoComplete's switches missing: the writes make them (and the key they need).
    traces::SeedAutoComplete();
    DeleteKeyTree(kHkeyCurrentUser, "Software\\Microsoft\\Explorer\\AutoComplete");
    world->registry.DeleteValue(kHkeyCurrentUser, kIEMainKey, kUseFormSuggest);
    traces::SeedRecentDocuments();
    const std::string recent = traces::Folder(CSIDL_RECENT);
    traces::PutFile(recent + "\\notes.txt", "not a shortcut");
    traces::SeedTempFolder();
    Before();

    Lines temp;
    const std::string tempFolder = traces::TempFolder() + "\\";
    for (const auto& [identity, details] : drive_) {
        if (identity.size() > tempFolder.size() && identity.rfind(tempFolder, 0) == 0)
            temp.push_back("- " + identity);
    }
    EXPECT_GE(temp.size(), 5u);
    const std::string marker = "HKLM\\Software\\Microsoft\\Tolvex";
    Lines written = {"+ " + Key(kExplorerAutoCompleteKey),
                     "+ " + Value(kExplorerAutoCompleteKey, "Use AutoComplete"),
                     "+ " + Value(kIEMainKey, "Use FormSuggest"), "+ " + marker + "|cookies"};
    if (!registry_.count(marker)) written.push_back("+ " + marker);
    EXPECT_EQ(Run({"chkUrls", "chkPrinterPorts", "chkVb", "chkWordPad", "chkPbrush", "chkRunMenu",
                   "chkWzip1", "chkWzip2", "chkFindFiles", "chkFindComputers", "chkMediaPlayer",
                   "chkAutoComplete", "chkDocuments", "chkTemp", "chkCookies"}),
              Sorted({KeyGone(kTypedUrlsKey),
                      KeyGone(kPrnPortsMruKey),
                      ValuesGone(kVbRecentFilesKey, {"1", "2", "3"}),
                      ValuesGone(kWordPadRecentKey, {"File1", "File2", "File3"}),
                      ValuesGone(kPaintRecentKey, {"File1"}),
                      ValuesGone(kRunMruKey, {"a", "b", "c", "MRUList"}),
                      ValuesGone(kWinZipFileMenuKey, {"filemenu1", "filemenu2", "filemenu3"}),
                      ValuesGone(kWinZipExtractKey, {"extract1", "extract2"}),
                      KeyGone(kFindFilesMruKey),
                      KeyGone(kFindComputerMruKey),
                      KeyGone(kMediaPlayerUrlsKey),
                      KeyGone(kMediaPlayerFilesKey),
                      KeyGone(kIntelliFormsKey),
                      KeyMade("Software\\Microsoft\\Explorer"),
                      written,
                      KeyGone("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"),
                      {"- " + recent + "\\budget 2004.xls.lnk", "- " + recent + "\\holiday.jpg.lnk",
                       "- " + recent + "\\letter to the bank.txt.lnk"},
                      temp}));
}

TEST_F(CleaningIntegrationTest, HistoryEntriesAndPagesGoAndIndexFilesStay) {
    // Other tests of this program leave history entries behind; start from none.
    for (const UrlCacheEntry& e : demo::ListUrlCache(kHistoryContainer))
        world->urlCache.DeleteEntry(e.sourceUrl);
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
    EXPECT_EQ(Run({"chkInternetHistory"}),
              Sorted({KeyMade(kUrlHistoryKey),
                      {"+ " + Value(kUrlHistoryKey, "DaysToKeep"), "- " + ie5 + "\\diary[0].html",
                       "- " + week + "\\visited page.htm", "- " + history + "\\Today\\",
                       "- " + history + "\\Today\\search.htm", "~ " + ie5 + "\\index.dat"}}));
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
    for (const char* name : {"old letter.txt", "photo.bmp"}) {
        TestServer::MakeUnixFolder(trash + "/files");
        TestServer::MakeUnixFolder(trash + "/info");
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
    const char* versionAnswers;
    std::vector<const char*> searchKeys;  // the search lists of that system
};

class VersionCleanersTest : public ::testing::TestWithParam<VersionCase> {
  protected:
    static void SetUpTestSuite() { LetWineSetUpTheDisplay(); }
};

// Only the search lists depend on the version.
TEST_P(VersionCleanersTest, TheSearchListsAreThoseOfTheVersion) {
    const VersionCase& version = GetParam();
    WineVersion wine(version.wineVersion);
    SeedSearchesOfEverySystem();
    // What the child writes goes before the drive is compared.
    const std::string said = MakeScratchFolder("cwclean") + "\\said.txt";
    Snapshot registry = RegistrySnapshot();
    Snapshot drive = DriveSnapshot();

    ASSERT_EQ(RunAndWait("C:\\cwtest\\cwclean.exe \"" + said + "\" chkFindFiles chkFindComputers"),
              0);
    const std::string output = ReadFile(said);
    DeleteFileA(said.c_str());
    EXPECT_NE(output.find(version.versionAnswers), std::string::npos) << output;
    EXPECT_NE(output.find("Your system has now been cleaned"), std::string::npos);

    Lines expected = AllOfKeyGone(registry, kFindComputerMruKey);
    for (const char* key : version.searchKeys)
        expected = Sorted({expected, AllOfKeyGone(registry, key)});
    EXPECT_EQ(ChangesSince(registry, drive), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, VersionCleanersTest,
    ::testing::Values(VersionCase{"win2k",
                                  "IsWindows2000=1 IsWindowsXP=0",
                                  {kFindFilesMru2000Key, kFindComputersMru2000Key}},
                      VersionCase{"winxp",
                                  "IsWindows2000=0 IsWindowsXP=1",
                                  {kFindFilesMruXPKey, kFindComputersMruXPKey}}),
    [](const auto& info) { return std::string(info.param.wineVersion); });

// Closing the browsers, on windows another process made: frame windows of Internet Explorer,
// windows titled like Internet Explorer's and Netscape's.

class BrowserClosingTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (HWND control = FindWindowA("CwWindowsControl", nullptr))
            PostMessageA(control, WM_CLOSE, 0, 0);
    }
    // Starts the helper with windows "[kind:]class:title" and waits for them.
    std::unique_ptr<StartedProgram> Helper(const std::string& windows) {
        auto helper = std::make_unique<StartedProgram>("C:\\cwtest\\cwwindows.exe " + windows);
        for (int i = 0; i < 300 && !FindWindowA("CwWindowsControl", "cwwindows control"); ++i)
            Sleep(50);
        EXPECT_NE(FindWindowA("CwWindowsControl", "cwwindows control"), nullptr);
        return helper;
    }
    std::unique_ptr<world::CleaningWorld> world = std::make_unique<world::CleaningWorld>();
};

TEST_F(BrowserClosingTest, FramesAllCloseAndOnlyTheFirstTitleMatchOfEachBrowser) {
    auto helper = Helper(
        "\"IEFrame:Home - Microsoft Internet Explorer\" \"IEFrame:\" \"IEFrame:Blank page\" "
        "\"CwTitled:Report - Microsoft Internet Explorer\" "
        "\"CwTitled:Invoice - Microsoft Internet Explorer\" \"CwTitled:NETSCAPE Navigator\" "
        "\"CwTitled:Inbox - Netscape Mail\" \"CwTitled:Notes about browsers\"");
    // The titled windows in enumeration order, which decides the first match.
    std::vector<HWND> ie, netscape;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "CwTitled", nullptr));) {
        char title[256] = {};
        GetWindowTextA(w, title, sizeof title);
        const std::string t = title;
        if (t.find("Internet Explorer") != std::string::npos) ie.push_back(w);
        if (t.find("Netscape") != std::string::npos || t.find("NETSCAPE") != std::string::npos)
            netscape.push_back(w);
    }
    ASSERT_EQ(ie.size(), 2u);
    ASSERT_EQ(netscape.size(), 2u);

    EXPECT_EQ(world->browsers.CloseIEWindows(), 3);
    EXPECT_EQ(FindWindowA("IEFrame", nullptr), nullptr);
    EXPECT_TRUE(world->browsers.CloseWindowByTitle("Internet Explorer"));
    EXPECT_TRUE(world->browsers.CloseWindowByTitle("Netscape"));
    // The helper handles the posted requests.
    for (int i = 0; i < 100 && (IsWindow(ie[0]) || IsWindow(netscape[0])); ++i)
        Sleep(20);
    for (const auto* windows : {&ie, &netscape}) {
        EXPECT_FALSE(IsWindow((*windows)[0])) << "the first title match closes";
        EXPECT_TRUE(IsWindow((*windows)[1])) << "and only the first";
    }
    EXPECT_NE(FindWindowA("CwTitled", "Notes about browsers"), nullptr);
}

}  // namespace
}  // namespace cw::testing
