#include "platform/win32/Win32SystemFolders.h"

#include <windows.h>
#include <shlobj.h>

namespace cw::win32 {

bool Win32SystemFolders::GetFolderPath(int csidl, std::string& path) {
    char buffer[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, csidl, nullptr, 0, buffer) != S_OK) return false;
    path = buffer;
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return !path.empty();
}

}  // namespace cw::win32
