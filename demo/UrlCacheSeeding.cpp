#include "demo/UrlCacheSeeding.h"

#include <windows.h>

#include <shlobj.h>
#include <wininet.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32UrlCache.h"

namespace cw::demo {

namespace {

std::string Folder(int csidl) {
    char buffer[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, csidl, nullptr, 0, buffer) != S_OK) return "";
    return buffer;
}

}  // namespace

bool SeedUrlCacheEntry(const std::string& url, std::uint32_t type, const std::string& content) {
    char file[MAX_PATH] = {};
    if (!content.empty()) {
        std::size_t dot = url.rfind('.');
        std::string extension = dot == std::string::npos ? "" : url.substr(dot + 1);
        if (extension.empty() || extension.size() > 4 ||
            extension.find_first_of("/:@?") != std::string::npos) {
            extension = "txt";
        }
        if (!CreateUrlCacheEntryA(url.c_str(), 0, extension.c_str(), file, 0)) return false;
        win32::FileHandle handle(CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!handle || !WriteFile(handle.get(), content.data(), static_cast<DWORD>(content.size()),
                                  &written, nullptr)) {
            return false;
        }
    }
    FILETIME never = {};
    return CommitUrlCacheEntryA(url.c_str(), content.empty() ? nullptr : file, never, never, type,
                                nullptr, 0, nullptr, nullptr) != FALSE;
}

std::vector<UrlCacheEntry> ListUrlCache(const std::string& pattern) {
    std::vector<UrlCacheEntry> entries;
    win32::Win32UrlCache cache;
    cache.Enumerate(pattern, [&](const UrlCacheEntry& e) {
        entries.push_back(e);
        return true;
    });
    return entries;
}

void ClearUrlCache() {
    for (const char* pattern : {"", kCookieContainer, kHistoryContainer}) {
        for (const UrlCacheEntry& e : ListUrlCache(pattern))
            DeleteUrlCacheEntryA(e.sourceUrl.c_str());
    }
}

void RestoreCacheFolders() {
    std::string content = Folder(CSIDL_INTERNET_CACHE) + "\\Content.IE5\\";
    win32::FileHandle index(CreateFileA((content + "index.dat").c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        0, nullptr));
    if (!index) return;
    // Wine's index header: the number of folders at 0x48, then 12-byte records of a file
    // count and an 8-character folder name.
    unsigned char header[0x4C + 12 * 32] = {};
    DWORD read = 0;
    if (!ReadFile(index.get(), header, sizeof header, &read, nullptr) || read < 0x4C) return;
    DWORD count = 0;
    memcpy(&count, header + 0x48, sizeof count);
    for (DWORD i = 0; i < count && i < 32 && 0x4C + 12 * (i + 1) <= read; ++i) {
        std::string name(reinterpret_cast<const char*>(header + 0x4C + 12 * i + 4), 8);
        if (name.find_first_of(std::string("\0\\/:", 4)) != std::string::npos) continue;
        CreateDirectoryA((content + name).c_str(), nullptr);
    }
}

std::vector<std::string> PendingRestartDeletes() {
    std::vector<std::string> paths;
    win32::RegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager", 0,
                      KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        return paths;
    }
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.get(), "PendingFileRenameOperations", nullptr, &type, nullptr,
                         &size) != ERROR_SUCCESS) {
        return paths;
    }
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), "PendingFileRenameOperations", nullptr, &type,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return paths;
    }
    data.resize(size);
    // Pairs of zero-terminated texts: the path, then its new name (empty: delete).
    std::vector<std::string> texts;
    for (std::size_t begin = 0; begin < data.size();) {
        std::size_t end = data.find('\0', begin);
        if (end == std::string::npos) end = data.size();
        texts.push_back(data.substr(begin, end - begin));
        begin = end + 1;
    }
    for (std::size_t i = 0; i + 1 < texts.size(); i += 2) {
        if (texts[i].empty() || !texts[i + 1].empty()) continue;
        std::string path = texts[i];
        if (path.rfind("\\??\\", 0) == 0) path.erase(0, 4);
        paths.push_back(path);
    }
    return paths;
}

}  // namespace cw::demo
