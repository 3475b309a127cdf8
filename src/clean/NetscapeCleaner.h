#pragma once
// The cleaners of Netscape Navigator's profile (found through the registry) and of the first
// two Mozilla profiles (found through Mozilla's "registry.dat"): typed and visited
// addresses, the cache, and the cookies.

#include <string>

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
    void ClearNetscapeHistory();
    // netscape2: everything in Navigator's cache folder; the files of each Mozilla cache.
    void ClearNetscapeCache();
    // netscape3: Navigator's "cookies.txt", overwritten first; each Mozilla "cookies.txt".
    void ClearNetscapeCookies();
    // Overwrites every byte of the file with pseudo-random characters (codes 2 to 61),
    // flushes it to disk, then deletes it.
    void ScrambleAndDeleteFile(const std::string& path);

  private:
    // AddSlash(Navigator user directory), or empty when there is none.
    std::string NavigatorFolder();
    void EditPreferenceFile(const std::string& path);
    void DeleteIfAllowed(const std::string& path);

    SettingsStore& settings_;
    FileRoutines& files_;
    Clock& clock_;
};

}  // namespace cw
