#pragma once
// The cleaners of Netscape Navigator's profile (found through the registry) and of the first
// two Mozilla profiles (found through Mozilla's "registry.dat"): typed and visited
// addresses, the cache, and the cookies.

#include <string>

#include "clean/CleaningPlan.h"
#include "clean/CookieKeepList.h"
#include "files/FileRoutines.h"
#include "platform/Clock.h"
#include "settings/SettingsStore.h"

namespace cw {

class NetscapeCleaner {
  public:
    NetscapeCleaner(SettingsStore& settings, FileRoutines& files, Clock& clock)
        : settings_(settings), files_(files), clock_(clock) {}

    // NetScape1: the history lines of "prefs.js" and "liprefs.js" (at most 30 per file and
    // run), "netscape.hst", and each Mozilla profile's history files.
    void PlanNetscapeHistory(CleaningPlan& plan);
    // netscape2: everything in Navigator's cache folder; the files of each Mozilla cache.
    void PlanNetscapeCache(CleaningPlan& plan);
    // netscape3: Navigator's "cookies.txt", overwritten first; each Mozilla "cookies.txt".
    // When the keep list keeps some of a file's cookies, the file is written anew with
    // them (through a temporary file and a move) and the old one goes as a whole file would.
    void PlanNetscapeCookies(CleaningPlan& plan, const CookieKeepList& keep);
    // Overwrites every byte of the file with pseudo-random characters (codes 2 to 61),
    // flushes it to disk, then deletes it. True when the file is gone.
    bool ScrambleAndDeleteFile(const std::string& path);

  private:
    // AddSlash(Navigator user directory), or empty when there is none.
    std::string NavigatorFolder();
    void PlanPreferenceFile(CleaningPlan& plan, const std::string& path);
    void PlanCookieFile(CleaningPlan& plan, const std::string& path, const CookieKeepList& keep,
                        bool scramble);

    SettingsStore& settings_;
    FileRoutines& files_;
    Clock& clock_;
};

}  // namespace cw
