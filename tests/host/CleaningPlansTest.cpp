// Every item's plan on the fakes, seeded with traces of all 22 items: working out a plan
// changes nothing, and the wipe then changes exactly what the plan lists (files, folders,
// registry values and keys, cache entries, the shell's lists, restart deletions).

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "BrowserWorld.h"
#include "fakes/SnapshotDiff.h"
#include "files/WholeFile.h"
#include "settings/SettingNames.h"
#include "text/Ansi.h"

namespace cw::testing {
namespace {

namespace s = settings;
using Lines = std::vector<std::string>;
using Keys = std::set<std::string>;

constexpr const char kHkcu[] = "80000001\\";

struct CleaningPlansTest : ::testing::Test, CleanerWorld {
    void SetUp() override {
        SetNavigatorUser();
        SetAppData();
        const std::string profile = BrowserWorld::kProfile;
        recent.items = {"C:\\a.doc"};
        fs.AddFile(profile + "\\Recent\\a.doc.lnk", "lnk");
        fs.AddFile(profile + "\\Recent\\desktop.ini", "d", kAttrHidden | kAttrSystem);
        cache.Add("Visited: bob@http://a.example/", kUrlHistoryCacheEntry);
        fs.AddFile(profile + "\\Local Settings\\History\\History.IE5\\index.dat", "i");
        fs.AddFile(profile + "\\Local Settings\\History\\History.IE5\\MSHist01\\p.htm", "pp",
                   kAttrReadOnly);
        Put(s::kRunMruKey, "a");
        Put(s::kRunMruKey, "b");
        Put(s::kRunMruKey, "MRUList", "ba");
        Put(s::kRunMruKey, "c");  // not listed: stays
        const std::string nav = BrowserWorld::kNavigator;
        fs.AddFile(nav + "\\prefs.js",
                   "user_pref(\"a\", 1);\r\nuser_pref(\"browser.url_history.URL_1\", "
                   "\"http://a/\");\r\n");
        fs.AddFile(nav + "\\netscape.hst", "hst");
        fs.AddFile(nav + "\\cache\\M0.htm", "m0");
        fs.AddFile(nav + "\\cache\\sub\\M1.htm", "m1");
        fs.AddFile(nav + "\\cookies.txt",
                   "# Netscape HTTP Cookie File\n.bank.example\tTRUE\t/\tFALSE\t0\tid\t1\n"
                   "ads.example\tFALSE\t/\tFALSE\t0\tt\t2\n");
        Put(s::kTypedUrlsKey, "url1", "http://a/");
        fs.AddFile("C:\\Temp\\t.tmp", "tmp");
        fs.AddFile("C:\\Temp\\sub\\u.tmp", "tmp", kAttrHidden);
        Put(s::kFindFilesMruXPKey, "a");
        Put(s::kFindComputerMruKey, "a");
        Put(s::kFindComputersMruXPKey, "a");
        Put(s::kPrnPortsMruKey, "a");
        Put(s::kIntelliFormsKey, "f");
        // The keys Internet Explorer keeps its switches in.
        for (const char* key : {s::kIEMainKey, s::kExplorerAutoCompleteKey, s::kUrlHistoryKey})
            Put(key, "Other");
        bin.items = {"C:\\Recycled\\x"};
        Put(s::kWinZipFileMenuKey, "filemenu1", "a.zip");
        Put(s::kWinZipExtractKey, "extract1", "C:\\x");
        Put(s::kVbRecentFilesKey, "1", "a.vbp");
        Put(s::kWordPadRecentKey, "File1", "a.doc");
        Put(s::kWordPadRecentKey, "File2", "b.doc");
        Put(s::kPaintRecentKey, "File1", "a.bmp");
        cache.Add("Cookie:bob@bank.example/", kNormalCacheEntry | kCookieCacheEntry);
        cache.Add("Cookie:bob@ads.example/", kNormalCacheEntry | kCookieCacheEntry);
        fs.AddFile(profile + "\\Cookies\\bob@bank.example[1].txt", "bank");
        fs.AddFile(profile + "\\Cookies\\bob@ads.example[1].txt", "ads");
        fs.AddFile(profile + "\\Cookies\\index.dat", "i", kAttrHidden);
        Put(s::kMediaPlayerUrlsKey, "u");
        Put(s::kMediaPlayerFilesKey, "f");
        cache.Add("http://www.example.com/a.gif");
        const std::string content = CacheFolder() + "\\Content.IE5";
        fs.AddFile(content + "\\index.dat", "i");
        fs.AddFile(content + "\\AB12CD34\\a[1].gif", "gif");
        fs.AddFile(content + "\\loose.htm", "l");
    }

    Lines Snapshot() {
        Lines lines = fs.Snapshot();
        for (const std::string& line : registry.Dump())
            lines.push_back(line);
        for (const auto& entry : cache.entries)
            lines.push_back("cache|" + entry.sourceUrl);
        for (const std::string& item : recent.items)
            lines.push_back("recent|" + item);
        for (const std::string& item : bin.items)
            lines.push_back("bin|" + item);
        for (const std::string& path : fs.PendingDeletes())
            lines.push_back("pending|" + path);
        return lines;
    }

    // What the plan says will change, one key per target; a link stays as it is.
    static Keys PlannedKeys(const CleaningPlan& plan) {
        const std::map<TargetKind, std::string> kinds = {{TargetKind::RegistryKey, "KEY "},
                                                         {TargetKind::RegistryValue, "VALUE "},
                                                         {TargetKind::Setting, "VALUE "},
                                                         {TargetKind::CacheEntry, "CACHE "},
                                                         {TargetKind::AtRestart, "PENDING "}};
        Keys keys;
        for (const CleaningTarget& t : plan.targets) {
            std::string where =
                t.where.rfind("HKCU\\", 0) == 0 ? kHkcu + t.where.substr(5) : t.where;
            if (t.kind == TargetKind::AtRunTime) {
                keys.insert("SHELL");
            } else if (t.kind != TargetKind::Link) {
                keys.insert((kinds.count(t.kind) ? kinds.at(t.kind) : "PATH ") +
                            text::UpperAnsi(where));
            }
        }
        return keys;
    }

    // What the snapshot difference shows, as the keys of the targets it belongs to.
    static Keys ChangedKeys(const Lines& diff, const Keys& planned) {
        Keys keys;
        for (const std::string& line : diff) {
            std::string entry = text::UpperAnsi(line.substr(2));
            std::size_t bar = entry.find('|');
            std::string head = entry.substr(0, bar);
            if (head == "CACHE") {
                keys.insert("CACHE " + entry.substr(bar + 1));
            } else if (head == "RECENT" || head == "BIN") {
                keys.insert("SHELL");
            } else if (head == "PENDING") {
                keys.insert("PENDING " + entry.substr(bar + 1));
            } else if (head.rfind("8000000", 0) == 0) {
                // A value line of a key the plan takes whole belongs to that key.
                bool key = bar == std::string::npos || planned.count("KEY " + head);
                keys.insert(key ? "KEY " + head
                                : "VALUE " + entry.substr(0, entry.find('|', bar + 1)));
            } else {
                keys.insert("PATH " + head);
            }
        }
        return keys;
    }
};

TEST_F(CleaningPlansTest, EachItemsWipeChangesExactlyWhatItsPlanListsAndPlanningChangesNothing) {
    for (const CleaningItemRow& row : kCleaningItems) {
        SCOPED_TRACE(row.label);
        const Lines before = Snapshot();
        CleaningPlan plan = cleaners.Plan(row.item);
        ASSERT_EQ(Snapshot(), before) << "planning changed something";
        EXPECT_FALSE(plan.targets.empty()) << "a seeded item with nothing to do";
        const Keys planned = PlannedKeys(plan);
        PlanTotals done = cleaners.Wipe(row.item);
        EXPECT_EQ(ChangedKeys(fakes::SnapshotDiff(before, Snapshot()), planned), planned);
        EXPECT_EQ(std::tuple(done.traces, done.bytes, done.left.Total()),
                  std::tuple(plan.Totals().traces, plan.Totals().bytes, 0))
            << "nothing was in the way";
    }
    EXPECT_EQ(reloads, 1) << "the cookie viewer reloads after the Netscape cookies";
    // Internet Explorer reads its switches with their terminating zero.
    for (auto [key, name] : {std::pair{s::kIEMainKey, s::kUseFormSuggest},
                             std::pair{s::kExplorerAutoCompleteKey, s::kUseAutoComplete}}) {
        RegValue off;
        registry.QueryValue(kHkeyCurrentUser, key, name, off);
        EXPECT_EQ(off.data, std::string("no\0", 3)) << name;
    }
}

// A held file and a link to a read-only file elsewhere stay and are counted, and a swap file
// (pagefile.sys) stays; every other file, nested ones included, goes, and what the link
// points to keeps its bytes and bit.
TEST_F(CleaningPlansTest, TheTempWipeGoesOnPastWhatItCannotDeleteAndCountsIt) {
    fs.AddFile("C:\\Outside\\secret.txt", "keep", kAttrReadOnly);
    fs.AddLink("C:\\Temp\\secret.lnk", "C:\\Outside\\secret.txt");
    fs.AddLink("C:\\Temp\\folder.lnk", "C:\\Outside");
    fs.AddFile("C:\\Temp\\held.tmp");
    fs.Lock("C:\\Temp\\held.tmp");
    fs.AddFile("C:\\Temp\\a\\b\\plain.tmp", "p", kAttrReadOnly);
    fs.AddFile("C:\\Temp\\z.tmp");
    fs.AddFile("C:\\Temp\\pagefile.sys");
    PlanTotals done = cleaners.Wipe(CleaningItem::TempFolder);
    // Four files and three folders went; one file in use and two links stayed.
    EXPECT_EQ(std::tuple(done.traces, done.left.inUse, done.left.links, done.left.refused),
              std::tuple(7, 1, 2, 0));
    EXPECT_FALSE(fs.Exists("C:\\Temp\\a") || fs.Exists("C:\\Temp\\z.tmp"));
    EXPECT_EQ(std::tuple(fs.Exists("C:\\Temp\\held.tmp"), fs.Exists("C:\\Temp\\pagefile.sys"),
                         fs.Content("C:\\Outside\\secret.txt"),
                         fs.GetAttributes("C:\\Outside\\secret.txt")),
              std::tuple(true, true, "keep", kAttrReadOnly));
}

TEST_F(CleaningPlansTest, KeptCookiesSurviveEveryCookieAndCacheStep) {
    settings.SetSettingString(s::kSettingsRoot, s::kSettingsKey, kKeepCookiesValue,
                              "Bank.Example;other.example");
    const std::string nav = BrowserWorld::kNavigator;
    const std::string cookies = std::string(BrowserWorld::kProfile) + "\\Cookies";
    CleaningPlan navigator = cleaners.Plan(CleaningItem::NetscapeCookies);
    EXPECT_EQ(navigator.keptCookies, 1);
    cleaners.Wipe(CleaningItem::NetscapeCookies);
    EXPECT_EQ(fs.Content(nav + "\\cookies.txt"),
              "# Netscape HTTP Cookie File\n.bank.example\tTRUE\t/\tFALSE\t0\tid\t1\n");
    // The removed lines were scrambled with the old file before it went.
    EXPECT_FALSE(fs.Exists(ReplacementTempPath(nav + "\\cookies.txt")) || fs.Flushes().empty());

    for (CleaningItem item : {CleaningItem::IECookies, CleaningItem::IECache}) {
        CleaningPlan plan = cleaners.Plan(item);
        EXPECT_EQ(plan.keptCookies, 1);
        cleaners.Wipe(item);
    }
    std::vector<std::string> urls;
    for (const auto& entry : cache.entries)
        urls.push_back(entry.sourceUrl);
    // (The history entry is the history item's.)
    EXPECT_EQ(urls, (std::vector<std::string>{"Visited: bob@http://a.example/",
                                              "Cookie:bob@bank.example/"}));
    EXPECT_TRUE(fs.Exists(cookies + "\\bob@bank.example[1].txt") &&
                !fs.Exists(cookies + "\\bob@ads.example[1].txt"));

    // A Navigator file with only kept cookies is left as it is.
    CleaningPlan again = cleaners.Plan(CleaningItem::NetscapeCookies);
    EXPECT_TRUE(again.targets.empty() && again.keptCookies == 1);
}

// A cache entry's file is the entry's trace, found in whatever case the index spells it:
// the analysis and the wipe count the entry with the file's bytes, and the file no more.
TEST_F(CleaningPlansTest, ACacheEntrysFileCountsWithItsEntryInTheAnalysisAndTheWipe) {
    const PlanTotals apart = cleaners.Plan(CleaningItem::IECache).Totals();
    for (UrlCacheEntry& entry : cache.entries) {
        if (entry.sourceUrl == "http://www.example.com/a.gif")
            entry.localFile = text::UpperAnsi(CacheFolder() + "\\Content.IE5\\AB12CD34\\a[1].gif");
    }
    const PlanTotals together = cleaners.Plan(CleaningItem::IECache).Totals();
    EXPECT_EQ(std::tuple(together.traces, together.bytes),
              std::tuple(apart.traces - 1, apart.bytes));
    const PlanTotals done = cleaners.Wipe(CleaningItem::IECache);
    EXPECT_EQ(std::tuple(done.traces, done.bytes), std::tuple(together.traces, together.bytes));
}

// A wipe's plan is carried out while it is made, so a wipe of any size holds a batch of it
// at most; the targets still run in the order planned (the files of one stretch side by
// side), and the end result counts every batch, what was left included.
TEST(WipeAsPlanned, HoldsABatchAtMostKeepsTheOrderAndCountsEveryBatch) {
    fakes::FakeFileSystem fs;
    CleaningPlan plan;
    plan.carryOutAsPlanned = true;
    constexpr int kTargets = 1300;
    std::vector<int> order;
    std::size_t most = 0;
    for (int i = 0; i < kTargets; ++i) {
        if (i % 3 == 0) {
            const std::string path = "C:\\T\\f" + std::to_string(i);
            fs.AddFile(path, "abc");
            if (i == 3) fs.Lock(path);
            plan.AddFile(fs, path, 3, kAttrArchive);
        } else {
            plan.Add(TargetKind::RegistryValue, "v" + std::to_string(i), [&order, i] {
                order.push_back(i);
                return true;
            });
        }
        most = std::max(most, plan.targets.size());
        if (i == kTargets / 2) {
            EXPECT_FALSE(order.empty()) << "nothing carried out halfway";
        }
    }
    const PlanTotals done = CarryOut(plan);
    EXPECT_LE(most, CleaningPlan::kCarryOutBatch);
    EXPECT_EQ(order.size(), 866u);
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_EQ(std::tuple(done.traces, done.bytes, done.left.inUse), std::tuple(1299, 433u * 3, 1));
    EXPECT_EQ(fs.Snapshot().size(), 3u) << "the drive, the folder and the held file";
}

}  // namespace
}  // namespace cw::testing
