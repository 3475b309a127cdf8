#pragma once
// The fakes the browser cleaners and the cookie viewer run on in the host tests: user bob's
// Windows XP profile on drive C, an empty cache index, and the settings store over an
// in-memory registry.

#include <string>

#include "clean/ShellFolders.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSpecialFolders.h"
#include "fakes/FakeUrlCache.h"
#include "fakes/RecordingErrorSink.h"
#include "files/FileRoutines.h"
#include "files/PathGuard.h"
#include "settings/SettingNames.h"
#include "settings/SettingsStore.h"

namespace cw::testing {

struct BrowserWorld {
    fakes::FakeRegistry registry;
    fakes::RecordingErrorSink errors;
    SettingsStore settings{registry, &errors};
    fakes::FakeSpecialFolders folders;
    fakes::FakeFileSystem fs;
    PathGuard guard{folders, fs};
    FileRoutines files{fs, guard};
    ShellFolders shellFolders{folders};
    fakes::FakeUrlCache cache;
    fakes::FakeClock clock;

    static constexpr const char kProfile[] = "C:\\Documents and Settings\\bob";
    static constexpr const char kNavigator[] = "C:\\Program Files\\Netscape\\Users\\bob";
    static constexpr const char kAppData[] = "C:\\Documents and Settings\\bob\\Application Data";
    static std::string Mozilla() { return std::string(kAppData) + "\\Mozilla"; }

    // Navigator's profile as its installer records it.
    void SetNavigatorUser(
        const std::string& user = "bob",
        const std::string& install = "C:\\Program Files\\Netscape\\Communicator") {
        registry.SetString(kHkeyCurrentUser, settings::kNetscapeBiffKey, "CurrentUser", user);
        registry.SetString(kHkeyCurrentUser, settings::kNetscapeMainKey, "Install Directory",
                           install);
    }
    void SetAppData(const std::string& appData = kAppData) {
        registry.SetString(kHkeyCurrentUser, settings::kShellFoldersKey, "AppData", appData);
    }
    std::string CacheFolder() const {
        return std::string(kProfile) + "\\Local Settings\\Temporary Internet Files";
    }
    std::string CookiesFolder() const { return std::string(kProfile) + "\\Cookies"; }
    std::string HistoryFolder() const {
        return std::string(kProfile) + "\\Local Settings\\History";
    }
};

}  // namespace cw::testing
