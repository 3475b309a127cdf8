#include "platform/win32/LinkCheck.h"

#include <windows.h>

#include <cctype>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

bool RunningUnderWine() {
    static const bool wine = LookupProc<void*>("ntdll.dll", "wine_get_version") != nullptr;
    return wine;
}

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The path as the system resolves it through every link, without the "\\?\" prefix; empty
// when it cannot tell (Windows before Vista has no such call and no Unix links either).
std::string FinalPath(const std::string& path) {
    using Fn = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);
    static Fn finalPath = LookupProc<Fn>("kernel32.dll", "GetFinalPathNameByHandleA");
    if (!finalPath) return "";
    FileHandle handle(CreateFileA(path.c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle) return "";
    char buffer[1024];
    DWORD n = finalPath(handle.get(), buffer, sizeof buffer, 0);
    if (n == 0 || n >= sizeof buffer) return "";
    std::string result(buffer, n);
    if (result.rfind("\\\\?\\", 0) == 0) result.erase(0, 4);
    return result;
}

std::string FullPath(const std::string& path) {
    char buffer[1024];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (n == 0 || n >= sizeof buffer) return path;
    return std::string(buffer, n);
}

}  // namespace

bool ReachesThroughLink(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return true;
    if (!RunningUnderWine()) return false;
    // Under Wine the resolved path of a file reached through a Unix link is another one:
    // "unix\..." for a target outside every drive, or another drive path.
    std::string final = FinalPath(path);
    return !final.empty() && Upper(final) != Upper(FullPath(path));
}

}  // namespace cw::win32
