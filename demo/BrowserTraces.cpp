#include "demo/BrowserTraces.h"

#include <windows.h>

#include <shlobj.h>
#include <wininet.h>

#include <algorithm>

#include "demo/UrlCacheSeeding.h"
#include "platform/win32/Handles.h"

namespace cw::demo {

namespace {

constexpr const char kHistoryPrefix[] = "user_pref(\"browser.url_history.URL";
constexpr const char kNavigatorInstall[] = "C:\\Program Files\\Netscape\\Communicator";
constexpr const char kNavigatorUser[] = "bob";

std::string Folder(int csidl) {
    char buffer[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, csidl, nullptr, 0, buffer) != S_OK) return "";
    return buffer;
}

// Where Mozilla's folder is looked for: the shell's stored "AppData" value.
std::string AppData() {
    win32::RegKey key;
    char buffer[MAX_PATH] = {};
    DWORD size = sizeof buffer - 1, type = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS ||
        RegQueryValueExA(key.get(), "AppData", nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return Folder(CSIDL_APPDATA);
    }
    return buffer;
}

bool SetString(const char* key, const char* name, const std::string& value) {
    win32::RegKey handle;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, handle.put(),
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    return RegSetValueExA(handle.get(), name, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

void MakeFolders(const std::string& path) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos;
         at = path.find('\\', at + 1)) {
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

bool WriteBytes(const std::string& path, const std::string& content) {
    MakeFolders(path.substr(0, path.rfind('\\')));
    win32::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                     nullptr) &&
           written == content.size();
}

void DeleteTree(const std::string& path) {
    WIN32_FIND_DATAA data;
    win32::FindHandle find(FindFirstFileA((path + "\\*").c_str(), &data));
    if (find) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;  // never follow
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(child);
            } else {
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find.get(), &data));
    }
    RemoveDirectoryA(path.c_str());
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::string& path) {
    win32::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       0, nullptr));
    std::string content;
    if (!file) return content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    return content;
}

// Files below a folder; recursive, or its own files only.
long CountFiles(const std::string& folder, bool recursive, const std::string& pattern = "*") {
    long count = 0;
    WIN32_FIND_DATAA data;
    win32::FindHandle find(FindFirstFileA((folder + "\\" + pattern).c_str(), &data));
    if (!find) return 0;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == ".." || (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (recursive) count += CountFiles(folder + "\\" + name, true);
        } else {
            ++count;
        }
    } while (FindNextFileA(find.get(), &data));
    return count;
}

long CountOccurrences(const std::string& text, const std::string& needle) {
    long count = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos;
         at = text.find(needle, at + 1))
        ++count;
    return count;
}

std::string HistoryLine(int n, const std::string& url, const char* eol) {
    return std::string(kHistoryPrefix) + "_" + std::to_string(n) + "\", \"" + url + "\");" + eol;
}

std::string PrefsJs() {
    return "// Netscape User Preferences\r\n// This is a generated file!\r\n\r\n"
           "user_pref(\"browser.startup.homepage\", \"http://home.example/\");\r\n" +
           HistoryLine(0, "http://news.example/today", "\r\n") +
           "user_pref(\"mail.check_time\", 10);\r\n" +
           HistoryLine(1, "http://shop.example/cart;jsessionid=42", "\r\n") +
           HistoryLine(2, "http://bank.example/", "\r\n") +
           "user_pref(\"network.proxy.type\", 0);\r\n";
}

std::string LiprefsJs() {
    return "user_pref(\"li.enabled\", false);\n" + HistoryLine(0, "http://travel.example/", "\n") +
           HistoryLine(1, "http://mail.example/inbox", "\n") + "user_pref(\"li.server\", \"\");\n";
}

std::string CookiesTxt() {
    std::string text =
        "# Netscape HTTP Cookie File\r\n# http://www.netscape.com/newsref/std/cookie_spec.html\r\n"
        "# This is a generated file!  Do not edit.\r\n\r\n\r\n\r\n";
    const char* domains[] = {".a.example", ".b.example", ".a.example", ".c.example", ".a.example"};
    int n = 0;
    for (const char* domain : domains) {
        text += std::string(domain) + "\tTRUE\t/\tFALSE\t1893456000\tid" + std::to_string(n) +
                "\tvalue " + std::to_string(n) + "\r\n";
        ++n;
    }
    return text;
}

std::string RegistryDat(const std::vector<std::string>& profiles) {
    std::string dat("\x76\x9b\x12\x34\x01\x00\x02\x00", 8);
    dat += std::string("Users50\0", 8);
    for (const std::string& profile : profiles) {
        dat += std::string("ProfileLocation\0", 16) + profile + std::string("\0\x04\x00\x00", 4);
    }
    return dat;
}

bool SeedInternetExplorer(const BrowserTraceLayout& layout) {
    ClearUrlCache();
    RestoreCacheFolders();
    DeleteTree(layout.extraContentFolder);
    DeleteFileA((layout.contentIE5 + "\\stray.htm").c_str());
    bool ok = true;
    for (int i = 0; i < 24; ++i) {
        std::string url = "http://www.example.com/demo/page" + std::to_string(i) + ".htm";
        ok &= SeedUrlCacheEntry(url, NORMAL_CACHE_ENTRY,
                                "<html>page " + std::to_string(i) + "</html>");
    }
    for (int i = 0; i < 4; ++i) {
        std::string url = "Cookie:bob@site" + std::to_string(i) + ".example/";
        ok &= SeedUrlCacheEntry(
            url, NORMAL_CACHE_ENTRY | COOKIE_CACHE_ENTRY,
            "id\n" + std::to_string(i) + "\nsite" + std::to_string(i) + ".example/\n");
    }
    ok &= WriteBytes(layout.cookiesFolder + "\\bob@orphan.example[1].txt", "orphan\n1\n");
    ok &= WriteBytes(layout.extraContentFolder + "\\leftover.gif", "GIF89a");
    ok &= WriteBytes(layout.extraContentFolder + "\\leftover.htm", "<html></html>");
    ok &= WriteBytes(layout.contentIE5 + "\\stray.htm", "<html>stray</html>");
    // A visited page makes the history index exist.
    SeedUrlCacheEntry("Visited:bob@http://www.example.com/demo/",
                      NORMAL_CACHE_ENTRY | URLHISTORY_CACHE_ENTRY);
    return ok;
}

bool SeedNavigator(const BrowserTraceLayout& layout) {
    bool ok =
        SetString("Software\\Netscape\\Netscape Navigator\\biff", "CurrentUser", kNavigatorUser);
    ok &= SetString("Software\\Netscape\\Netscape Navigator\\Main", "Install Directory",
                    kNavigatorInstall);
    DeleteTree(layout.navigatorDir);
    const std::string& nav = layout.navigatorDir;
    ok &= WriteBytes(nav + "\\prefs.js", PrefsJs());
    ok &= WriteBytes(nav + "\\liprefs.js", LiprefsJs());
    ok &= WriteBytes(nav + "\\netscape.hst", std::string("\x00\x06\x15\x61history", 11));
    ok &= WriteBytes(nav + "\\cookies.txt", CookiesTxt());
    for (const char* f : {"cache\\M0A1B2C3.HTM", "cache\\M0A1B2C4.GIF", "cache\\FAT.DB",
                          "cache\\sub\\M0A1B2C5.JPG"}) {
        ok &= WriteBytes(nav + "\\" + f, f);
    }
    return ok;
}

bool SeedMozilla(const BrowserTraceLayout& layout) {
    DeleteTree(layout.mozillaDir);
    bool ok = WriteBytes(layout.mozillaDir + "\\registry.dat", RegistryDat(layout.mozillaProfiles));
    for (const std::string& profile : layout.mozillaProfiles) {
        for (const char* f : {"history.dat", "history.mab", "localstore.rdf", "cookies.txt",
                              "prefs.js", "cache\\_CACHE_MAP_", "cache\\_CACHE_001_"}) {
            ok &= WriteBytes(profile + "\\" + f, std::string("mozilla ") + f);
        }
    }
    return ok;
}

}  // namespace

BrowserTraceLayout GetBrowserTraceLayout() {
    BrowserTraceLayout layout;
    layout.cacheFolder = Folder(CSIDL_INTERNET_CACHE);
    layout.contentIE5 = layout.cacheFolder + "\\Content.IE5";
    layout.cookiesFolder = Folder(CSIDL_COOKIES);
    layout.historyFolder = Folder(CSIDL_HISTORY);
    layout.navigatorDir = std::string("C:\\Program Files\\Netscape\\Users\\") + kNavigatorUser;
    layout.mozillaDir = AppData() + "\\Mozilla";
    layout.mozillaProfiles = {layout.mozillaDir + "\\Profiles\\default\\k2x9q1ab.slt",
                              layout.mozillaDir + "\\Profiles\\work\\m7c3d5ef.slt"};
    layout.extraContentFolder = layout.contentIE5 + "\\CWDEMO01";
    return layout;
}

bool SeedBrowserTraces() {
    const BrowserTraceLayout layout = GetBrowserTraceLayout();
    bool ok = SeedInternetExplorer(layout);
    ok &= SeedNavigator(layout);
    ok &= SeedMozilla(layout);
    return ok;
}

std::vector<TraceCount> CountBrowserTraces() {
    const BrowserTraceLayout layout = GetBrowserTraceLayout();
    const std::string& nav = layout.navigatorDir;
    std::vector<TraceCount> rows;

    TraceCount history{"NetScape1"};
    history.count = CountOccurrences(ReadBytes(nav + "\\prefs.js"), kHistoryPrefix) +
                    CountOccurrences(ReadBytes(nav + "\\liprefs.js"), kHistoryPrefix) +
                    (Exists(nav + "\\netscape.hst") ? 1 : 0);
    for (const std::string& p : layout.mozillaProfiles) {
        for (const char* f : {"history.dat", "history.mab", "localstore.rdf"})
            history.count += Exists(p + "\\" + f);
    }
    rows.push_back(history);

    TraceCount cache{"netscape2"};
    cache.count = CountFiles(nav + "\\cache", true);
    for (const std::string& p : layout.mozillaProfiles)
        cache.count += CountFiles(p + "\\cache", false);
    rows.push_back(cache);

    TraceCount cookies{"netscape3"};
    cookies.count = Exists(nav + "\\cookies.txt");
    for (const std::string& p : layout.mozillaProfiles)
        cookies.count += Exists(p + "\\cookies.txt");
    rows.push_back(cookies);

    TraceCount ieCookies{"chkCookies"};
    ieCookies.count = static_cast<long>(ListUrlCache(kCookieContainer).size()) +
                      CountFiles(layout.cookiesFolder, false, "*.txt");
    rows.push_back(ieCookies);

    TraceCount ieCache{"chkIECache"};
    for (const UrlCacheEntry& e : ListUrlCache("")) {
        bool content = e.sourceUrl.rfind(kCookieContainer, 0) != 0 &&
                       e.sourceUrl.rfind(kHistoryContainer, 0) != 0;
        ieCache.count += content && (e.type & NORMAL_CACHE_ENTRY);
    }
    ieCache.count +=
        CountFiles(layout.contentIE5, true) - Exists(layout.contentIE5 + "\\index.dat");
    rows.push_back(ieCache);

    TraceCount index{"chkClearIndexDAT"};
    const std::vector<std::string> pending = PendingRestartDeletes();
    for (const std::string& path :
         {layout.contentIE5, layout.historyFolder + "\\History.IE5\\index.dat",
          layout.historyFolder + "\\History.IE5"}) {
        if (!Exists(path)) continue;
        ++index.count;
        auto same = [&](const std::string& p) { return lstrcmpiA(p.c_str(), path.c_str()) == 0; };
        index.pendingAtRestart += std::any_of(pending.begin(), pending.end(), same);
    }
    rows.push_back(index);
    return rows;
}

std::string DescribeTraceCount(const TraceCount& row) {
    std::string text = std::to_string(row.count);
    if (row.count > 0 && row.pendingAtRestart == row.count)
        text += " (registered for deletion at restart)";
    return text;
}

}  // namespace cw::demo
