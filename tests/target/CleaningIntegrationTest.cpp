// Each item of the cleaning run on a real registry and file system (Wine's): the registry
// (HKCU and HKLM) and drive C are taken before and after the run with only that item ticked,
// and the difference must be exactly the item's traces plus the writes the item makes. The
// registry items run once more under Wine's Windows 98, 2000 and XP. And the closing of the
// browsers, on windows another process made.

#include <windows.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>

#include "demo/Traces.h"
#include "gui/programs/CleaningWorld.h"
#include "platform/win32/Win32UrlCache.h"
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
    std::string Text(const std::string& key, const std::string& name) {
        return traces::ReadText(HKEY_CURRENT_USER, key, name);
    }

    std::unique_ptr<world::CleaningWorld> world = std::make_unique<world::CleaningWorld>();
    Snapshot registry_, drive_;
};

TEST_F(CleaningIntegrationTest, RegistryListsGoAsFarAsTheirOwnRulesSayAndNothingElse) {
    traces::SeedRunList();
    Before();
    EXPECT_EQ(Run({}), Lines{}) << "nothing ticked";

    traces::SeedTypedUrls();
    traces::SeedPrinterPorts();
    Before();
    EXPECT_EQ(Run({"chkUrls", "chkPrinterPorts"}),
              Sorted({KeyGone(kTypedUrlsKey), KeyGone(kPrnPortsMruKey)}));

    // Visual Basic's list: the numbers 1 to 100.
    traces::SeedVisualBasic();
    traces::PutText(HKEY_CURRENT_USER, kVbRecentFilesKey, "57", "C:\\x.vbp");
    traces::PutText(HKEY_CURRENT_USER, kVbRecentFilesKey, "101", "C:\\y.vbp");
    // Paint's File1 is empty: only File1 goes, the rest of its list stays.
    traces::SeedWordPad();
    traces::SeedPaint();
    traces::PutText(HKEY_CURRENT_USER, kPaintRecentKey, "File1", "");
    Before();
    EXPECT_EQ(Run({"chkVb", "chkWordPad", "chkPbrush"}),
              Sorted({ValuesGone(kVbRecentFilesKey, {"1", "2", "3", "57"}),
                      ValuesGone(kWordPadRecentKey, {"File1", "File2", "File3"}),
                      ValuesGone(kPaintRecentKey, {"File1"})}));

    // The Run list as far as its MRUList says; WinZip's lists up to their first gap.
    traces::PutText(HKEY_CURRENT_USER, kRunMruKey, "d", "not listed\\1");
    traces::SeedWinZipFiles();
    traces::SeedWinZipExtract();
    traces::PutText(HKEY_CURRENT_USER, kWinZipFileMenuKey, "filemenu5", "C:\\after gap.zip");
    Before();
    EXPECT_EQ(Run({"chkRunMenu", "chkWzip1", "chkWzip2"}),
              Sorted({ValuesGone(kRunMruKey, {"a", "b", "c", "MRUList"}),
                      ValuesGone(kWinZipFileMenuKey, {"filemenu1", "filemenu2", "filemenu3"}),
                      ValuesGone(kWinZipExtractKey, {"extract1", "extract2"})}));
    EXPECT_EQ(Text(kWinZipFileMenuKey, "filemenu5"), "C:\\after gap.zip");

    // Wine reports Windows 7 here: the places of Windows 95 to Me and NT 4 are taken, the
    // other systems' places stay. Another user's Media Player files stay.
    SeedSearchesOfEverySystem();
    traces::SeedMediaPlayer();
    traces::PutFile(std::string(kMediaPlayerFolder) + "\\CurrentDatabase_59R.wmdb", "another's");
    Before();
    EXPECT_EQ(Run({"chkFindFiles", "chkFindComputers", "chkMediaPlayer"}),
              Sorted({KeyGone(kFindFilesMruKey), KeyGone(kFindComputerMruKey),
                      KeyGone(kMediaPlayerUrlsKey), KeyGone(kMediaPlayerFilesKey)}));
    EXPECT_TRUE(PathExists(std::string(kMediaPlayerFolder) + "\\CurrentDatabase_59R.wmdb"));
}

TEST_F(CleaningIntegrationTest, AutoCompleteLosesItsFormDataAndIsSwitchedOff) {
    traces::SeedAutoComplete();
    // Both switches missing: the writes make them (and the key they need).
    DeleteKeyTree(kHkeyCurrentUser, "Software\\Microsoft\\Explorer\\AutoComplete");
    world->registry.DeleteValue(kHkeyCurrentUser, kIEMainKey, kUseFormSuggest);
    Before();
    EXPECT_EQ(Run({"chkAutoComplete"}),
              Sorted({KeyGone(kIntelliFormsKey),
                      KeyMade("Software\\Microsoft\\Explorer"),
                      {"+ " + Key(kExplorerAutoCompleteKey),
                       "+ " + Value(kExplorerAutoCompleteKey, "Use AutoComplete"),
                       "+ " + Value(kIEMainKey, "Use FormSuggest")}}));
    EXPECT_EQ(Text(kExplorerAutoCompleteKey, "Use AutoComplete"), "no");
    EXPECT_EQ(Text(kIEMainKey, "Use FormSuggest"), "no");
}

TEST_F(CleaningIntegrationTest, TempFolderIsEmptiedAndStaysInPlace) {
    traces::SeedTempFolder();
    Before();
    std::string temp = traces::TempFolder() + "\\";
    Lines expected;
    for (const auto& [identity, details] : drive_) {
        if (identity.size() > temp.size() && identity.compare(0, temp.size(), temp) == 0)
            expected.push_back("- " + identity);
    }
    EXPECT_GE(expected.size(), 5u);
    EXPECT_EQ(Run({"chkTemp"}), Sorted({expected}));
    EXPECT_TRUE(PathExists(traces::TempFolder()));
}

// A file another program holds open and a link to a read-only file elsewhere stay; every
// other file, nested ones included, goes, and the closing message says what was left.
TEST_F(CleaningIntegrationTest, TempPurgeGoesOnPastWhatItCannotDeleteAndSaysSo) {
    const std::string temp = traces::TempFolder();
    const std::string outside = MakeScratchFolder("temp-link-target");
    traces::PutFile(outside + "\\secret.txt", "secret", FILE_ATTRIBUTE_READONLY);
    traces::PutFile(temp + "\\held.tmp", "held");
    traces::PutFile(temp + "\\a\\b\\plain.tmp", "plain");
    traces::PutFile(temp + "\\z.tmp", "z");
    TestServer::Symlink(UnixPath(temp) + "/secret.lnk", UnixPath(outside + "\\secret.txt"));
    HANDLE held = CreateFileA((temp + "\\held.tmp").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(world->Tick({"chkTemp"}));
    world->privacy.cmdCleanSelectedItems.Click();
    CloseHandle(held);
    const std::string& prompt = world->dialogs.prompts.back();
    EXPECT_EQ(prompt.rfind("Your system has now been cleaned\n", 0), 0u) << prompt;
    const std::string left = "\n2 items could not be removed: 1 in use, 1 link.";
    EXPECT_EQ(prompt.substr(prompt.size() - std::min(prompt.size(), left.size())), left) << prompt;
    EXPECT_FALSE(PathExists(temp + "\\a"));
    EXPECT_FALSE(PathExists(temp + "\\z.tmp"));
    EXPECT_EQ(ReadFile(temp + "\\held.tmp"), "held");
    EXPECT_EQ(ReadFile(outside + "\\secret.txt"), "secret");
    EXPECT_NE(GetFileAttributesA((outside + "\\secret.txt").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    // The link leaves by a rename, which moves the link itself.
    MoveFileA((temp + "\\secret.lnk").c_str(), (outside + "\\secret.lnk").c_str());
    DeleteFileA((temp + "\\held.tmp").c_str());
}

TEST_F(CleaningIntegrationTest, CookieStepIsFollowedByTheMarkerInTheInteractiveRunOnly) {
    Before();
    Lines changes = Run({"chkCookies"});
    EXPECT_EQ(world->cleaners.calls, Lines{"chkCookies"});
    const std::string marker = "HKLM\\Software\\Microsoft\\Tolvex";
    Lines expected = {"+ " + marker + "|cookies"};
    if (!registry_.count(marker)) expected.push_back("+ " + marker);
    EXPECT_EQ(changes, Sorted({expected}));
    EXPECT_EQ(traces::ReadText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Tolvex", "cookies"), "tt");
}

TEST_F(CleaningIntegrationTest, HistoryEntriesAndPagesGoIndexFilesStayAndDaysToKeepIsZero) {
    // Other tests of this program leave history entries behind; start from none.
    std::vector<std::string> earlier;
    world->urlCache.Enumerate("Visited:", [&](const UrlCacheEntry& e) {
        earlier.push_back(e.sourceUrl);
        return true;
    });
    for (const std::string& url : earlier)
        world->urlCache.DeleteEntry(url);
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
    EXPECT_EQ(traces::CountHistory(), 0);
    RegValue days;
    world->registry.QueryValue(kHkeyCurrentUser, kUrlHistoryKey, "DaysToKeep", days);
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

TEST_P(VersionCleanersTest, RegistryItemsRemoveTheirTracesAndTheVersionsSearchLists) {
    const VersionCase& version = GetParam();
    WineVersion wine(version.wineVersion);
    SeedSearchesOfEverySystem();
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

    Lines expected =
        Sorted({ValuesGone(kRunMruKey, {"a", "b", "c", "MRUList"}),
                {"~ " + Value(kIEMainKey, kUseFormSuggest),
                 "~ " + Value(kExplorerAutoCompleteKey, kUseAutoComplete)},
                ValuesGone(kWinZipFileMenuKey, {"filemenu1", "filemenu2", "filemenu3"}),
                ValuesGone(kWinZipExtractKey, {"extract1", "extract2"}),
                ValuesGone(kVbRecentFilesKey, {"1", "2", "3"}),
                ValuesGone(kWordPadRecentKey, {"File1", "File2", "File3"}),
                ValuesGone(kPaintRecentKey, {"File1", "File2"})});
    for (const char* key : version.searchKeys)
        expected = Sorted({expected, AllOfKeyGone(registry, key)});
    for (const char* key : {kFindComputerMruKey, kTypedUrlsKey, kPrnPortsMruKey, kIntelliFormsKey,
                            kMediaPlayerUrlsKey, kMediaPlayerFilesKey})
        expected = Sorted({expected, AllOfKeyGone(registry, key)});
    EXPECT_EQ(ChangesSince(registry, drive), expected);
    EXPECT_EQ(traces::ReadText(HKEY_CURRENT_USER, kIEMainKey, kUseFormSuggest), "no");
}

INSTANTIATE_TEST_SUITE_P(
    Windows, VersionCleanersTest,
    ::testing::Values(VersionCase{"win98", "IsWindows2000=0 IsWindowsXP=0", {kFindFilesMruKey}},
                      VersionCase{"win2k",
                                  "IsWindows2000=1 IsWindowsXP=0",
                                  {kFindFilesMru2000Key, kFindComputersMru2000Key}},
                      VersionCase{"winxp",
                                  "IsWindows2000=0 IsWindowsXP=1",
                                  {kFindFilesMruXPKey, kFindComputersMruXPKey}}),
    [](const auto& info) { return std::string(info.param.wineVersion); });

// Closing the browsers, on windows another process made: frame windows of Internet Explorer,
// windows titled like Internet Explorer's and Netscape's, and one that refuses to close.

BOOL CALLBACK CollectTitled(HWND window, LPARAM lParam) {
    auto* found = reinterpret_cast<std::vector<HWND>*>(lParam);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (std::string(title).find("Microsoft Internet Explorer") != std::string::npos ||
        std::string(title).find("Netscape") != std::string::npos ||
        std::string(title).find("NETSCAPE") != std::string::npos)
        found->push_back(window);
    return TRUE;
}

class BrowserClosingTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (HWND control = FindWindowA("CwWindowsControl", nullptr))
            PostMessageA(control, WM_CLOSE, 0, 0);
    }
    // Starts the helper with windows "[refuse:]class:title" and waits for them.
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
    std::vector<HWND> titled, ie, netscape;
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&titled));
    for (HWND w : titled) {
        char name[64] = {}, title[256] = {};
        GetClassNameA(w, name, sizeof name);
        GetWindowTextA(w, title, sizeof title);
        if (std::string(name) != "CwTitled") continue;
        (std::string(title).find("Internet Explorer") != std::string::npos ? ie : netscape)
            .push_back(w);
    }
    ASSERT_EQ(ie.size(), 2u);
    ASSERT_EQ(netscape.size(), 2u);

    EXPECT_EQ(world->browsers.CloseIEWindows(), 3);
    EXPECT_EQ(FindWindowA("IEFrame", nullptr), nullptr);
    EXPECT_TRUE(world->browsers.CloseWindowByTitle("Internet Explorer"));
    EXPECT_TRUE(world->browsers.CloseWindowByTitle("Netscape"));
    Sleep(500);  // the helper handles the posted requests
    for (const auto* windows : {&ie, &netscape}) {
        EXPECT_FALSE(IsWindow((*windows)[0])) << "the first title match closes";
        EXPECT_TRUE(IsWindow((*windows)[1])) << "and only the first";
    }
    EXPECT_NE(FindWindowA("CwTitled", "Notes about browsers"), nullptr);
}

TEST_F(BrowserClosingTest, AFrameThatRefusesToCloseDoesNotHoldTheRunPastTheBound) {
    auto helper = Helper("\"refuse:IEFrame:Stubborn - Microsoft Internet Explorer\"");
    HWND stubborn = FindWindowA("IEFrame", nullptr);
    ASSERT_NE(stubborn, nullptr);
    world->privacy.chkVb.SetValue(1);

    DWORD start = GetTickCount();
    world->privacy.cmdCleanSelectedItems.Click();
    DWORD elapsed = GetTickCount() - start;

    EXPECT_LE(elapsed, 12000u) << "10 s for the browsers, then the run";
    EXPECT_GE(elapsed, 9000u) << "the stubborn window was given its time";
    EXPECT_TRUE(IsWindow(stubborn));
    // The helper counts the close requests in the window's title: "... #n".
    char title[256] = {};
    GetWindowTextA(stubborn, title, sizeof title);
    std::string text = title;
    ASSERT_NE(text.rfind(" #"), std::string::npos) << text;
    int requests = std::stoi(text.substr(text.rfind(" #") + 2));
    RecordProperty("close_requests", requests);
    RecordProperty("elapsed_ms", static_cast<int>(elapsed));
    EXPECT_GE(requests, 2);
    EXPECT_LE(requests, 51) << "at most 50 for the frame class, and one for its title";
    ASSERT_FALSE(world->dialogs.prompts.empty());
    EXPECT_EQ(world->dialogs.prompts.back().rfind("Your system has now been cleaned\n", 0), 0u);
}

}  // namespace
}  // namespace cw::testing
