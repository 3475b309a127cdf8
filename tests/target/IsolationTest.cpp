// Every Wine run of the tests works in a throw-away prefix: a cleaner that empties the
// Desktop or the Recycle Bin must not reach the developer's own files.

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "support/TestWorld.h"

namespace cw::testing {
namespace {

std::string Folder(int csidl) {
    char buffer[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, 0, buffer);
    return buffer;
}

TEST(IsolationTest, PrefixHasNoWayOutToTheHostsFiles) {
    EXPECT_EQ(GetLogicalDrives() & (1u << ('Z' - 'A')), 0u) << "drive Z: maps the host's root";
    const char* prefix = std::getenv("WINEPREFIX");
    const char* home = std::getenv("CW_UNIX_HOME");
    ASSERT_NE(prefix, nullptr);
    ASSERT_NE(home, nullptr);
    std::string wineDir = std::getenv("CW_WINE_DIR") ? std::getenv("CW_WINE_DIR") : "";
    ASSERT_FALSE(wineDir.empty());
    EXPECT_EQ(std::string(home).rfind(wineDir, 0), 0u) << "HOME is not a throw-away folder";
    for (int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL, CSIDL_MYMUSIC, CSIDL_MYPICTURES}) {
        std::string folder = Folder(csidl);
        DWORD attributes = GetFileAttributesA(folder.c_str());
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
        EXPECT_EQ(attributes & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << folder << " is a link";
        std::string unix = UnixPath(folder);
        EXPECT_EQ(unix.rfind(prefix, 0), 0u) << folder << " lies at " << unix;
    }
}

}  // namespace
}  // namespace cw::testing
