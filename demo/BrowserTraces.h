#pragma once
// The browser traces of the demo and the integration tests (Windows only): Internet
// Explorer's cache entries, cookies, "Content.IE5" folders and index files, a Netscape
// Navigator profile, and two Mozilla profiles listed in "registry.dat". SeedBrowserTraces
// lays them out afresh in the current user's profile and registry; CountBrowserTraces says
// how many of them each cleaning item still finds.

#include <string>
#include <vector>

namespace cw::demo {

struct TraceCount {
    std::string item;           // the cleaning item's check box: "NetScape1", "chkCookies", ...
    long count = 0;             // traces still there
    long pendingAtRestart = 0;  // of those, registered for deletion at the next restart
};

struct BrowserTraceLayout {
    std::string cacheFolder;  // Temporary Internet Files
    std::string contentIE5;   // its "Content.IE5"
    std::string cookiesFolder;
    std::string historyFolder;
    std::string navigatorDir;                  // Navigator's profile folder
    std::string mozillaDir;                    // AppData\Mozilla
    std::vector<std::string> mozillaProfiles;  // the two listed in "registry.dat"
    std::string extraContentFolder;            // a folder of "Content.IE5" the index does not know
};

BrowserTraceLayout GetBrowserTraceLayout();

// Only for a throw-away Wine prefix: it deletes the folders it seeds (Navigator's profile
// folder for "bob", AppData\Mozilla) and empties the URL cache before laying them out.
// Removes what an earlier seeding left (cache entries, the Navigator and Mozilla folders)
// and lays the traces out again:
//   chkIECache   24 cached pages, a folder of "Content.IE5" unknown to the index with two
//                files, a loose file in "Content.IE5"
//   chkCookies   4 cookie entries with their files, 1 cookie file unknown to the index
//   chkClearIndexDAT  "Content.IE5", "History.IE5\index.dat", "History.IE5"
//   NetScape1    3 history lines in "prefs.js", 2 in "liprefs.js" (bare line feeds),
//                "netscape.hst", and 3 history files in each Mozilla profile
//   netscape2    4 files in Navigator's cache (one in a subfolder), 2 in each Mozilla cache
//   netscape3    Navigator's "cookies.txt" (domains a, b, a, c, a) and one per Mozilla profile
// Returns false when a part could not be laid out.
bool SeedBrowserTraces();

// One row per item, in the order of the cleaning run.
std::vector<TraceCount> CountBrowserTraces();

// "12", or "3 (registered for deletion at restart)" when all of them are.
std::string DescribeTraceCount(const TraceCount& row);

}  // namespace cw::demo
