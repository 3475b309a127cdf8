// The Internet Explorer items of the cleaning run on a seeded machine, with WinINet's own
// cache: the registry and drive C after the step differ from before by exactly the item's
// traces and the writes the item makes, and the demo's counts of the item go to zero (the
// index files: registered for restart). Netscape's items are plain file work, checked on the
// host; here only the overwrite of Navigator's cookie file on a real disk.

#include <windows.h>
#include <gtest/gtest.h>

#include "clean/CleaningPlan.h"
#include "demo/BrowserTraces.h"
#include "demo/UrlCacheSeeding.h"
#include "fakes/PlanOf.h"
#include "support/Snapshot.h"
#include "support/TestWorld.h"
#include "support/Win32Platform.h"

namespace cw::testing {
namespace {

using Paths = std::set<std::string>;
using Lines = std::vector<std::string>;
using Counts = std::map<std::string, long>;

// Windows compares names without regard to case; so do these tests.
std::string Upper(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

Counts CountItems() {
    Counts out;
    for (const demo::TraceCount& row : demo::CountBrowserTraces())
        out[row.item] = row.count;
    return out;
}

class BrowserItemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(demo::SeedBrowserTraces());
        drive = DriveSnapshot();
        counts = CountItems();
        for (const auto& [item, count] : counts)
            EXPECT_GT(count, 0) << item << " was not seeded";
    }

    // Paths below a folder: all of them, or only its own files.
    Paths Below(const std::string& folder, bool recursive) const {
        Paths out;
        const std::string prefix = Upper(folder) + "\\";
        for (const auto& [path, details] : drive) {
            const std::string upper = Upper(path);
            if (upper.size() > prefix.size() && upper.compare(0, prefix.size(), prefix) == 0 &&
                (recursive || upper.find('\\', prefix.size()) == std::string::npos))
                out.insert(upper);
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
        for (const auto& e : demo::ListUrlCache(""))
            if (!e.localFile.empty()) out.insert(Upper(e.localFile));
        return out;
    }

    // Runs one step between two snapshots and checks the differences: the paths removed
    // and changed, and the registry values written, nothing else.
    void Check(const std::function<CleaningPlan()>& plan, const Paths& removed,
               const Paths& changed, const Lines& registryValues = {}) {
        Snapshot registry = RegistrySnapshot();
        // Working out the plan (what "Analyze" does) changes nothing; the wipe carries out
        // every target of it.
        const CleaningPlan planned = plan();
        EXPECT_EQ(ChangesSince(registry, drive), Lines{});
        const PlanTotals done = CarryOut(planned);
        EXPECT_EQ(done.traces, planned.Totals().traces);
        EXPECT_EQ(done.bytes, planned.Totals().bytes);
        Lines expected, actual;
        for (const std::string& value : registryValues)
            expected.push_back(Upper((registry.count(value) ? "~ " : "+ ") + value));
        for (const std::string& path : removed)
            expected.push_back("- " + Upper(path));
        for (const std::string& path : changed)
            expected.push_back("~ " + Upper(path));
        for (const std::string& line : ChangesSince(registry, drive))
            actual.push_back(Upper(line));
        std::sort(expected.begin(), expected.end());
        std::sort(actual.begin(), actual.end());
        EXPECT_EQ(actual, expected);
        EXPECT_TRUE(s.errors.reports.empty());
    }
    // The demo's rows after the step: the item's own at zero, the others as before unless
    // given.
    void ExpectCountsAfter(const std::string& item, const Counts& alsoChanged = {}) {
        Counts expected = counts;
        expected[item] = 0;
        for (const auto& [other, count] : alsoChanged)
            expected[other] = count;
        EXPECT_EQ(CountItems(), expected);
    }

    demo::BrowserTraceLayout layout = demo::GetBrowserTraceLayout();
    Snapshot drive;  // taken right after the seeding
    Counts counts;   // the demo's counts then
    BrowserServices<Win32Platform> s;
};

// The overwrite of Navigator's cookie file, seen through a hard link made beforehand: the
// bytes are overwritten where they lie, not only unlinked.
TEST_F(BrowserItemTest, NavigatorCookiesAreOverwrittenMozillasOnlyDeleted) {
    const std::string links = MakeScratchFolder("cookielinks");
    const std::string navigator = layout.navigatorDir + "\\cookies.txt";
    const std::string mozilla = layout.mozillaProfiles[0] + "\\cookies.txt";
    const std::string navigatorBefore = ReadFile(navigator), mozillaBefore = ReadFile(mozilla);
    ASSERT_TRUE(CreateHardLinkA((links + "\\navigator.txt").c_str(), navigator.c_str(), nullptr));
    ASSERT_TRUE(CreateHardLinkA((links + "\\mozilla.txt").c_str(), mozilla.c_str(), nullptr));

    CarryOut(fakes::PlanOf(s.netscape, &NetscapeCleaner::PlanNetscapeCookies, CookieKeepList{}));
    EXPECT_FALSE(PathExists(navigator) || PathExists(mozilla));
    const std::string overwritten = ReadFile(links + "\\navigator.txt");
    ASSERT_EQ(overwritten.size(), navigatorBefore.size());
    EXPECT_NE(overwritten, navigatorBefore);
    for (char c : overwritten)
        ASSERT_TRUE(c >= 2 && c <= 61) << static_cast<int>(c);
    EXPECT_EQ(ReadFile(links + "\\mozilla.txt"), mozillaBefore);
}

TEST_F(BrowserItemTest, InternetExplorerCookies) {
    Paths removed = EntryFiles(), own = Below(layout.cookiesFolder, false);
    removed.insert(own.begin(), own.end());
    removed.erase(Upper(layout.cookiesFolder + "\\index.dat"));
    Check(
        [&] {
            return fakes::PlanOf(s.cacheManager, &CacheManager::PlanIECookies, CookieKeepList{});
        },
        removed, IndexFiles());
    // The step deletes every listed entry, the cached pages with the cookies; the files the
    // index does not know stay for the cache step.
    ExpectCountsAfter("chkCookies", {{"chkIECache", 3}});
}

TEST_F(BrowserItemTest, InternetExplorerCache) {
    Paths removed = EntryFiles(), all = Below(layout.contentIE5, true);
    removed.insert(all.begin(), all.end());
    removed.erase(Upper(layout.contentIE5 + "\\index.dat"));
    Check(
        [&] { return fakes::PlanOf(s.cacheManager, &CacheManager::PlanIECache, CookieKeepList{}); },
        removed, IndexFiles());
    demo::RestoreCacheFolders();
    // "Delete All" takes the listed cookie entries too; the cookie file unknown to the
    // index stays for the cookie step.
    ExpectCountsAfter("chkIECache", {{"chkCookies", 1}});
}

TEST_F(BrowserItemTest, IndexFilesAreRegisteredForRestart) {
    Check(
        [&] { return fakes::PlanOf(s.cacheManager, &CacheManager::PlanIndexDatDeletion); }, {}, {},
        {"HKLM\\System\\CurrentControlSet\\Control\\Session Manager|PendingFileRenameOperations"});
    const std::vector<std::string> pending = demo::PendingRestartDeletes();
    ASSERT_GE(pending.size(), 3u);
    const std::string history = layout.historyFolder + "\\History.IE5";
    EXPECT_EQ(Lines(pending.end() - 3, pending.end()),
              (Lines{layout.contentIE5, history + "\\index.dat", history}));
    const demo::TraceCount row = demo::CountBrowserTraces().back();
    EXPECT_EQ((std::tuple{row.item, row.count, row.pendingAtRestart}),
              (std::tuple{std::string("chkClearIndexDAT"), 3L, 3L}));
    EXPECT_EQ(demo::DescribeTraceCount(row), "3 (registered for deletion at restart)");
}

}  // namespace
}  // namespace cw::testing
