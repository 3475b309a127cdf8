#pragma once
// The browser pages and cleaners on the fakes: user bob's Windows XP profile on drive C, an
// empty cache index, Navigator's profile where its installer records it.

#include <string>

#include "clean/SystemCleaners.h"
#include "contract/Services.h"
#include "fakes/FakeOsVersion.h"
#include "fakes/FakePanicHost.h"
#include "fakes/FakeShellLists.h"
#include "settings/SettingNames.h"

namespace cw::testing {

struct BrowserWorld : BrowserServices<FakePlatform> {
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
};

// Every item's cleaner over the browser world; the cookie viewer's reloads are counted.
struct CleanerWorld : BrowserWorld {
    fakes::FakeOsVersion os;
    fakes::FakeRecentDocuments recent;
    fakes::FakeRecycleBin bin;
    fakes::CallLog log;
    fakes::FakePanicHost host{log};
    int reloads = 0;
    SystemCleaners cleaners{CleanerServices{settings, os, files, shellFolders, cache, recent, bin,
                                            dialogs, host, cacheManager, netscape,
                                            [this] { ++reloads; }}};

    void Wipe(CleaningItem item) { cleaners.Wipe(item); }
    void Put(const std::string& key, const std::string& name, const std::string& text = "x") {
        registry.SetString(kHkeyCurrentUser, key, name, text);
    }
};

}  // namespace cw::testing
