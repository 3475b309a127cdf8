#pragma once
// The special folders the cleaners and the Favorites guard work in, by CSIDL number.
// Each path comes without a trailing backslash, or empty when the lookup fails.

#include <string>

#include "platform/SystemFolders.h"

namespace cw {

class ShellFolders {
  public:
    explicit ShellFolders(SystemFolders& folders) : folders_(folders) {}

    std::string GetShellFolderPath(int csidl);
    std::string GetFavoritesFolder() { return GetShellFolderPath(kCsidlFavorites); }
    std::string GetInternetCacheFolder() { return GetShellFolderPath(kCsidlInternetCache); }
    std::string GetCookiesFolder() { return GetShellFolderPath(kCsidlCookies); }
    std::string GetHistoryFolder() { return GetShellFolderPath(kCsidlHistory); }

  private:
    SystemFolders& folders_;
};

}  // namespace cw
