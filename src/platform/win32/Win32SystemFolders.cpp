#include "platform/win32/Win32SystemFolders.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

using ShGetFolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

ShGetFolderPathFn FindShGetFolderPath() {
    static const ShGetFolderPathFn fn = [] {
        auto found = LookupProc<ShGetFolderPathFn>("shell32.dll", "SHGetFolderPathA");
        return found ? found : LookupProc<ShGetFolderPathFn>("shfolder.dll", "SHGetFolderPathA");
    }();
    return fn;
}

// Where older systems keep the folders the shell does not list: the value name under
// "Shell Folders" (of the user, or of the machine for the common folders) or under
// CurrentVersion.
struct RegistryFolder {
    int csidl;
    HKEY root;
    const char* key;
    const char* value;
};

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";

const RegistryFolder kRegistryFolders[] = {
    {kCsidlDesktopDirectory, HKEY_CURRENT_USER, kShellFolders, "Desktop"},
    {kCsidlPrograms, HKEY_CURRENT_USER, kShellFolders, "Programs"},
    {kCsidlPersonal, HKEY_CURRENT_USER, kShellFolders, "Personal"},
    {kCsidlFavorites, HKEY_CURRENT_USER, kShellFolders, "Favorites"},
    {kCsidlStartup, HKEY_CURRENT_USER, kShellFolders, "Startup"},
    {kCsidlRecent, HKEY_CURRENT_USER, kShellFolders, "Recent"},
    {kCsidlStartMenu, HKEY_CURRENT_USER, kShellFolders, "Start Menu"},
    {kCsidlAppData, HKEY_CURRENT_USER, kShellFolders, "AppData"},
    {kCsidlLocalAppData, HKEY_CURRENT_USER, kShellFolders, "Local AppData"},
    {kCsidlInternetCache, HKEY_CURRENT_USER, kShellFolders, "Cache"},
    {kCsidlCookies, HKEY_CURRENT_USER, kShellFolders, "Cookies"},
    {kCsidlHistory, HKEY_CURRENT_USER, kShellFolders, "History"},
    {kCsidlCommonStartMenu, HKEY_LOCAL_MACHINE, kShellFolders, "Common Start Menu"},
    {kCsidlCommonPrograms, HKEY_LOCAL_MACHINE, kShellFolders, "Common Programs"},
    {kCsidlCommonDesktopDirectory, HKEY_LOCAL_MACHINE, kShellFolders, "Common Desktop"},
    {kCsidlCommonAppData, HKEY_LOCAL_MACHINE, kShellFolders, "Common AppData"},
    {kCsidlCommonDocuments, HKEY_LOCAL_MACHINE, kShellFolders, "Common Documents"},
    {kCsidlProgramFiles, HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir"},
    {kCsidlProgramFilesCommon, HKEY_LOCAL_MACHINE, kCurrentVersion, "CommonFilesDir"},
};

bool FromRegistry(int csidl, std::string& path) {
    for (const RegistryFolder& folder : kRegistryFolders) {
        if (folder.csidl != csidl) continue;
        RegKey key;
        if (RegOpenKeyExA(folder.root, folder.key, 0, KEY_QUERY_VALUE, key.put()) !=
            ERROR_SUCCESS) {
            return false;
        }
        char buffer[MAX_PATH + 1] = {};
        DWORD type = 0, size = MAX_PATH;  // one byte left for a value stored without its zero
        if (RegQueryValueExA(key.get(), folder.value, nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return false;
        }
        path = buffer;
        return true;
    }
    return false;
}

bool FromShell(int csidl, std::string& path) {
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &pidl)) || !pidl) return false;
    char buffer[MAX_PATH] = {};
    bool found = SHGetPathFromIDListA(pidl, buffer) != FALSE;
    CoTaskMemFree(pidl);
    path = buffer;
    return found;
}

bool FromKernel(int csidl, std::string& path) {
    char buffer[MAX_PATH] = {};
    UINT length = 0;
    if (csidl == kCsidlWindows) length = GetWindowsDirectoryA(buffer, MAX_PATH);
    if (csidl == kCsidlSystem) length = GetSystemDirectoryA(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    path = buffer;
    return true;
}

bool Trimmed(std::string& path) {
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return !path.empty();
}

}  // namespace

bool Win32SystemFolders::GetFolderPath(int csidl, std::string& path) {
    if (ShGetFolderPathFn fn = FindShGetFolderPath()) {
        char buffer[MAX_PATH] = {};
        if (fn(nullptr, csidl, nullptr, 0, buffer) != S_OK) return false;
        path = buffer;
        return Trimmed(path);
    }
    return GetFolderPathWithoutShFolder(csidl, path);
}

bool Win32SystemFolders::GetFolderPathWithoutShFolder(int csidl, std::string& path) {
    std::string found;
    if (!FromKernel(csidl, found) && !FromShell(csidl, found) && !FromRegistry(csidl, found)) {
        return false;
    }
    path = found;
    return Trimmed(path);
}

}  // namespace cw::win32
