#pragma once
// Shell folders by CSIDL number (SHGetFolderPathA) and the temporary folder.

#include <string>

namespace cw {

inline constexpr int kCsidlDesktop = 0x00;
inline constexpr int kCsidlPrograms = 0x02;
inline constexpr int kCsidlPersonal = 0x05;
inline constexpr int kCsidlFavorites = 0x06;
inline constexpr int kCsidlStartup = 0x07;
inline constexpr int kCsidlRecent = 0x08;
inline constexpr int kCsidlStartMenu = 0x0B;
inline constexpr int kCsidlDesktopDirectory = 0x10;
inline constexpr int kCsidlCommonStartMenu = 0x16;
inline constexpr int kCsidlCommonPrograms = 0x17;
inline constexpr int kCsidlCommonDesktopDirectory = 0x19;
inline constexpr int kCsidlAppData = 0x1A;
inline constexpr int kCsidlLocalAppData = 0x1C;
inline constexpr int kCsidlInternetCache = 0x20;
inline constexpr int kCsidlCookies = 0x21;
inline constexpr int kCsidlHistory = 0x22;
inline constexpr int kCsidlCommonAppData = 0x23;
inline constexpr int kCsidlWindows = 0x24;
inline constexpr int kCsidlSystem = 0x25;
inline constexpr int kCsidlProgramFiles = 0x26;
inline constexpr int kCsidlProfile = 0x28;
inline constexpr int kCsidlProgramFilesCommon = 0x2B;
inline constexpr int kCsidlCommonDocuments = 0x2E;

class SystemFolders {
  public:
    virtual ~SystemFolders() = default;
    // The folder's current path without a trailing backslash; false when the system has none.
    virtual bool GetFolderPath(int csidl, std::string& path) = 0;
};

}  // namespace cw
