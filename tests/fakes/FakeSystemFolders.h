#pragma once

#include <map>
#include <string>

#include "platform/SystemFolders.h"

namespace cw::fakes {

// Special folders of a user "bob" on drive C, as Windows XP lays them out; each can be
// changed or removed by the test.
class FakeSystemFolders : public SystemFolders {
  public:
    FakeSystemFolders();
    bool GetFolderPath(int csidl, std::string& path) override;
    void Set(int csidl, const std::string& path) { folders_[csidl] = path; }
    void Remove(int csidl) { folders_.erase(csidl); }

  private:
    std::map<int, std::string> folders_;
};

}  // namespace cw::fakes
