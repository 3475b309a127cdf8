#pragma once

#include <map>
#include <string>

#include "platform/SystemFolders.h"

namespace cw::fakes {

// Special folders of a user "bob" on drive C, as Windows XP lays them out; each can be
// changed or removed by the test.
class FakeSystemFolders : public SystemFolders {
  public:
    FakeSystemFolders() {
        const std::string profile = "C:\\Documents and Settings\\bob";
        folders_ = {
            {kCsidlProfile, profile},
            {kCsidlDesktop, profile + "\\Desktop"},
            {kCsidlDesktopDirectory, profile + "\\Desktop"},
            {kCsidlPersonal, profile + "\\My Documents"},
            {kCsidlFavorites, profile + "\\Favorites"},
            {kCsidlRecent, profile + "\\Recent"},
            {kCsidlStartMenu, profile + "\\Start Menu"},
            {kCsidlPrograms, profile + "\\Start Menu\\Programs"},
            {kCsidlStartup, profile + "\\Start Menu\\Programs\\Startup"},
            {kCsidlAppData, profile + "\\Application Data"},
            {kCsidlLocalAppData, profile + "\\Local Settings\\Application Data"},
            {kCsidlInternetCache, profile + "\\Local Settings\\Temporary Internet Files"},
            {kCsidlCookies, profile + "\\Cookies"},
            {kCsidlHistory, profile + "\\Local Settings\\History"},
            {kCsidlWindows, "C:\\WINDOWS"},
            {kCsidlSystem, "C:\\WINDOWS\\system32"},
            {kCsidlProgramFiles, "C:\\Program Files"},
            {kCsidlProgramFilesCommon, "C:\\Program Files\\Common Files"},
            {kCsidlCommonAppData, "C:\\Documents and Settings\\All Users\\Application Data"},
            {kCsidlCommonDesktopDirectory, "C:\\Documents and Settings\\All Users\\Desktop"},
            {kCsidlCommonDocuments, "C:\\Documents and Settings\\All Users\\Documents"},
            {kCsidlCommonStartMenu, "C:\\Documents and Settings\\All Users\\Start Menu"},
            {kCsidlCommonPrograms, "C:\\Documents and Settings\\All Users\\Start Menu\\Programs"},
        };
    }
    bool GetFolderPath(int csidl, std::string& path) override {
        auto it = folders_.find(csidl);
        if (it == folders_.end()) return false;
        path = it->second;
        return true;
    }
    void Set(int csidl, const std::string& path) { folders_[csidl] = path; }
    void Remove(int csidl) { folders_.erase(csidl); }

  private:
    std::map<int, std::string> folders_;
};

}  // namespace cw::fakes
