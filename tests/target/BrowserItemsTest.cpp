// Each browser item of the cleaning run on a seeded machine: the registry and drive C after
// the step differ from before by exactly the item's traces and the writes the item makes,
// and the demo's counts of the item go to zero (the index files: registered for restart).

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>

#include "clean/PrefsHistory.h"
#include "demo/BrowserTraces.h"
#include "demo/UrlCacheSeeding.h"
#include "support/Snapshot.h"
#include "support/TestWorld.h"
#include "support/Win32Platform.h"

namespace cw::testing {
namespace {

using Paths = std::set<std::string>;
using Lines = std::vector<std::string>;

// Windows compares names without regard to case; so do these tests.
std::string Upper(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

struct World {
    demo::BrowserTraceLayout layout = demo::GetBrowserTraceLayout();
    Snapshot drive;  // taken right after the seeding

    // Paths below a folder: all of them, or only its own files.
    Paths Below(const std::string& folder, bool recursive) const {
        Paths out;
        const std::string prefix = Upper(folder) + "\\";
        for (const auto& [path, details] : drive) {
            const std::string upper = Upper(path);
            if (upper.size() <= prefix.size() || upper.compare(0, prefix.size(), prefix) != 0)
                continue;
            bool own = upper.find('\\', prefix.size()) == std::string::npos;
            if (recursive || own) out.insert(upper);
        }
        return out;
    }
    // The cache's three index files, which the library rewrites as entries go.
    Paths IndexFiles() const {
        return {Upper(layout.contentIE5 + "\\index.dat"),
                Upper(layout.cookiesFolder + "\\index.dat"),
                Upper(layout.historyFolder + "\\History.IE5\\index.dat")};
    }
    // The local files of the entries the cache page lists.
    static Paths EntryFiles() {
        Paths out;
        for (const auto& e : demo::ListUrlCache("")) {
            if (!e.localFile.empty()) out.insert(Upper(e.localFile));
        }
        return out;
    }
};

Paths Join(std::initializer_list<Paths> sets) {
    Paths out;
    for (const Paths& s : sets)
        out.insert(s.begin(), s.end());
    return out;
}

// The preference file without its history lines, every other byte as it was.
std::string WithoutHistoryLines(const std::string& text) {
    std::string out;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find('\n', begin);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(begin, end - begin);
        if (line.rfind(kHistoryLinePrefix, 0) != 0) out += line;
        begin = end;
    }
    return out;
}

class BrowserItemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(demo::SeedBrowserTraces());
        world.drive = DriveSnapshot();
    }

    // Runs one step between two snapshots and checks the differences: the paths removed
    // and changed, and the registry values written, nothing else.
    void Check(void (BrowserCleaningSteps::*step)(), const Paths& removed, const Paths& changed,
               const Lines& registryValues = {}) {
        Snapshot registry = RegistrySnapshot();
        (static_cast<BrowserCleaningSteps&>(s.steps).*step)();
        Lines expected;
        for (const std::string& value : registryValues)
            expected.push_back((registry.count(value) ? "~ " : "+ ") + value);
        for (const std::string& path : removed)
            expected.push_back("- " + path);
        for (const std::string& path : changed)
            expected.push_back("~ " + path);
        for (std::string& line : expected)
            line = Upper(line);
        std::sort(expected.begin(), expected.end());
        Lines actual = ChangesSince(registry, world.drive);
        for (std::string& line : actual)
            line = Upper(line);
        std::sort(actual.begin(), actual.end());
        EXPECT_EQ(actual, expected);
        EXPECT_TRUE(s.errors.reports.empty());
    }
    // The demo's rows after the step: the item's own at zero, the others as given.
    void ExpectCounts(const std::vector<demo::TraceCount>& before, const std::string& item,
                      std::map<std::string, long> alsoChanged = {}) {
        for (const demo::TraceCount& row : demo::CountBrowserTraces()) {
            auto old = std::find_if(before.begin(), before.end(),
                                    [&](const demo::TraceCount& r) { return r.item == row.item; });
            ASSERT_NE(old, before.end());
            EXPECT_GT(old->count, 0) << row.item << " was not seeded";
            if (row.item == item) {
                EXPECT_EQ(row.count, 0) << item;
            } else if (alsoChanged.count(row.item)) {
                EXPECT_EQ(row.count, alsoChanged[row.item]) << row.item;
            } else {
                EXPECT_EQ(row.count, old->count) << row.item;
            }
        }
    }

    World world;
    BrowserServices<Win32Platform> s;
};

TEST_F(BrowserItemTest, NetscapeHistory) {
    const auto counts = demo::CountBrowserTraces();
    const std::string& nav = world.layout.navigatorDir;
    const std::string prefs = ReadFile(nav + "\\prefs.js"),
                      liprefs = ReadFile(nav + "\\liprefs.js");
    Paths removed{Upper(nav + "\\netscape.hst")};
    for (const std::string& p : world.layout.mozillaProfiles) {
        for (const char* f : {"\\history.dat", "\\history.mab", "\\localstore.rdf"})
            removed.insert(Upper(p + f));
    }
    Check(&BrowserCleaningSteps::ClearNetscapeHistory, removed,
          {Upper(nav + "\\prefs.js"), Upper(nav + "\\liprefs.js")});
    EXPECT_EQ(ReadFile(nav + "\\prefs.js"), WithoutHistoryLines(prefs));
    EXPECT_EQ(ReadFile(nav + "\\liprefs.js"), WithoutHistoryLines(liprefs));
    ExpectCounts(counts, "NetScape1");
}

TEST_F(BrowserItemTest, NetscapeCache) {
    const auto counts = demo::CountBrowserTraces();
    Paths removed = world.Below(world.layout.navigatorDir + "\\cache", true);
    for (const std::string& p : world.layout.mozillaProfiles) {
        removed = Join({removed, world.Below(p + "\\cache", false)});
    }
    Check(&BrowserCleaningSteps::ClearNetscapeCache, removed, {});
    ExpectCounts(counts, "netscape2");
}

TEST_F(BrowserItemTest, NetscapeCookiesAndTheViewer) {
    const auto counts = demo::CountBrowserTraces();
    Paths removed{Upper(world.layout.navigatorDir + "\\cookies.txt")};
    for (const std::string& p : world.layout.mozillaProfiles)
        removed.insert(Upper(p + "\\cookies.txt"));
    s.viewer.LoadCookieDomains();  // as the main window does at load
    EXPECT_EQ(s.cookieControls.List1.Items(),
              (std::vector<std::string>{".a.example", ".b.example", ".c.example"}));
    EXPECT_EQ(s.cookieControls.List2.Items(), (std::vector<std::string>{"3", "1", "1"}));
    Check(&BrowserCleaningSteps::ClearNetscapeCookies, removed, {});
    ExpectCounts(counts, "netscape3");
    EXPECT_EQ(s.cookieControls.List1.ListCount(), 0);  // the step reloaded the viewer
    EXPECT_EQ(s.cookieControls.List2.ListCount(), 0);
}

// The overwrite of Navigator's cookie file, seen through a hard link made beforehand: the
// bytes are overwritten where they lie, not only unlinked.
TEST_F(BrowserItemTest, NavigatorCookiesAreOverwrittenMozillasOnlyDeleted) {
    const std::string links = MakeScratchFolder("cookielinks");
    const std::string navigator = world.layout.navigatorDir + "\\cookies.txt";
    const std::string mozilla = world.layout.mozillaProfiles[0] + "\\cookies.txt";
    const std::string navigatorBefore = ReadFile(navigator), mozillaBefore = ReadFile(mozilla);
    ASSERT_TRUE(CreateHardLinkA((links + "\\navigator.txt").c_str(), navigator.c_str(), nullptr));
    ASSERT_TRUE(CreateHardLinkA((links + "\\mozilla.txt").c_str(), mozilla.c_str(), nullptr));

    s.netscape.ClearNetscapeCookies();
    EXPECT_FALSE(PathExists(navigator));
    EXPECT_FALSE(PathExists(mozilla));
    const std::string overwritten = ReadFile(links + "\\navigator.txt");
    ASSERT_EQ(overwritten.size(), navigatorBefore.size());
    EXPECT_NE(overwritten, navigatorBefore);
    for (char c : overwritten)
        ASSERT_TRUE(c >= 2 && c <= 61) << static_cast<int>(c);
    EXPECT_EQ(ReadFile(links + "\\mozilla.txt"), mozillaBefore);
}

TEST_F(BrowserItemTest, InternetExplorerCookies) {
    const auto counts = demo::CountBrowserTraces();
    Paths removed = Join({World::EntryFiles(), world.Below(world.layout.cookiesFolder, false)});
    removed.erase(Upper(world.layout.cookiesFolder + "\\index.dat"));
    Check(&BrowserCleaningSteps::ClearIECookies, removed, world.IndexFiles());
    // The step deletes every listed entry, the cached pages with the cookies; the files the
    // index does not know stay for the cache step.
    ExpectCounts(counts, "chkCookies", {{"chkIECache", 3}});
}

TEST_F(BrowserItemTest, InternetExplorerCache) {
    const auto counts = demo::CountBrowserTraces();
    Paths removed = Join({World::EntryFiles(), world.Below(world.layout.contentIE5, true)});
    removed.erase(Upper(world.layout.contentIE5 + "\\index.dat"));
    Check(&BrowserCleaningSteps::ClearIECache, removed, world.IndexFiles());
    demo::RestoreCacheFolders();
    // "Delete All" takes the listed cookie entries too; the cookie file unknown to the
    // index stays for the cookie step.
    ExpectCounts(counts, "chkIECache", {{"chkCookies", 1}});
}

TEST_F(BrowserItemTest, IndexFilesAreRegisteredForRestart) {
    const auto counts = demo::CountBrowserTraces();
    Check(
        &BrowserCleaningSteps::ScheduleIndexDatDeletion, {}, {},
        {"HKLM\\System\\CurrentControlSet\\Control\\Session Manager|PendingFileRenameOperations"});
    const std::vector<std::string> pending = demo::PendingRestartDeletes();
    ASSERT_GE(pending.size(), 3u);
    const std::string history = world.layout.historyFolder + "\\History.IE5";
    EXPECT_EQ(
        std::vector<std::string>(pending.end() - 3, pending.end()),
        (std::vector<std::string>{world.layout.contentIE5, history + "\\index.dat", history}));
    const demo::TraceCount row = demo::CountBrowserTraces().back();
    EXPECT_EQ(row.item, "chkClearIndexDAT");
    EXPECT_EQ(row.count, 3);
    EXPECT_EQ(row.pendingAtRestart, 3);
    EXPECT_EQ(demo::DescribeTraceCount(row), "3 (registered for deletion at restart)");
    (void)counts;
}

}  // namespace
}  // namespace cw::testing
