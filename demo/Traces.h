#pragma once
// Realistic traces of every item of the cleaning run that works on the registry, the shell
// and the temporary folder, as Internet Explorer, the shell and the applications leave them;
// and a count of what is there per item. The demo seeds a fresh Wine prefix with them and
// prints the counts before and after a cleaning; the integration tests seed them one item at
// a time.

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <wininet.h>

#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "settings/SettingNames.h"

namespace cw::traces {

inline std::string Folder(int csidl) {
    char buffer[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, csidl, nullptr, 0, buffer) != S_OK) return "";
    return buffer;
}

inline std::string TempFolder() {
    char buffer[MAX_PATH] = {};
    DWORD n = GetTempPathA(MAX_PATH, buffer);
    std::string temp(buffer, n);
    if (!temp.empty() && temp.back() == '\\') temp.pop_back();
    return temp;
}

inline void PutText(HKEY root, const std::string& key, const std::string& name,
                    const std::string& text) {
    win32::RegKey k;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, k.put(),
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(k.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
}

inline void PutBinary(HKEY root, const std::string& key, const std::string& name,
                      const std::string& bytes) {
    win32::RegKey k;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, k.put(),
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(k.get(), name.c_str(), 0, REG_BINARY,
                   reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
}

inline void PutFile(const std::string& path, const std::string& content,
                    DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    // The folders on the way first.
    for (std::size_t at = path.find('\\', 3); at != std::string::npos;
         at = path.find('\\', at + 1)) {
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    }
    win32::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    DWORD written = 0;
    WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    file.reset();
    if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesA(path.c_str(), attributes);
}

inline std::string UserName() {
    char buffer[256] = {};
    DWORD n = GetEnvironmentVariableA("USERNAME", buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : "user";
}

// The documents the user opened, as the shell records them: a shortcut in the Recent folder
// and an entry in the shell's list.
inline void SeedRecentDocuments() {
    const std::string documents = Folder(CSIDL_PERSONAL);
    for (const char* name : {"letter to the bank.txt", "budget 2004.xls", "holiday.jpg"}) {
        std::string path = documents + "\\" + name;
        PutFile(path, "document");
        SHAddToRecentDocs(SHARD_PATHA, path.c_str());
    }
}

// Pages visited with Internet Explorer: entries of the history container, one of them with
// its page kept beside the index.
inline void SeedHistory() {
    const std::string user = UserName();
    const char* pages[] = {"http://www.example.com/", "http://www.example.com/news/today.html",
                           "http://search.example.org/?q=private+matters",
                           "file:///C:/Documents/letter.txt"};
    FILETIME none = {};
    for (const char* page : pages) {
        std::string url = std::string("Visited: ") + user + "@" + page;
        CommitUrlCacheEntryA(url.c_str(), nullptr, none, none,
                             NORMAL_CACHE_ENTRY | URLHISTORY_CACHE_ENTRY, nullptr, 0, nullptr,
                             nullptr);
    }
    std::string url = "Visited: " + user + "@http://www.example.com/diary.html";
    char local[MAX_PATH] = {};
    if (CreateUrlCacheEntryA(url.c_str(), 0, "html", local, 0)) {
        PutFile(local, "<html>Dear diary</html>");
        CommitUrlCacheEntryA(url.c_str(), local, none, none,
                             NORMAL_CACHE_ENTRY | URLHISTORY_CACHE_ENTRY, nullptr, 0, "html",
                             nullptr);
    }
}

inline void SeedRunList() {
    const std::string key = settings::kRunMruKey;
    PutText(HKEY_CURRENT_USER, key, "a", "notepad C:\\secret plans.txt\\1");
    PutText(HKEY_CURRENT_USER, key, "b", "regedit\\1");
    PutText(HKEY_CURRENT_USER, key, "c", "\\\\FILESERVER\\private\\1");
    PutText(HKEY_CURRENT_USER, key, "MRUList", "cba");
}

inline void SeedTypedUrls() {
    const std::string key = settings::kTypedUrlsKey;
    PutText(HKEY_CURRENT_USER, key, "url1", "http://www.example.com/");
    PutText(HKEY_CURRENT_USER, key, "url2", "http://mail.example.net/inbox");
    PutText(HKEY_CURRENT_USER, key, "url3", "www.example.org/private");
}

inline void SeedTempFolder() {
    const std::string temp = TempFolder();
    PutFile(temp + "\\~DF3A1B.tmp", "scratch");
    PutFile(temp + "\\~WRL0001.tmp", "word", FILE_ATTRIBUTE_HIDDEN);
    PutFile(temp + "\\setup\\data1.cab", "cabinet");
    PutFile(temp + "\\setup\\readme.txt", "readme", FILE_ATTRIBUTE_READONLY);
}

// Where the running system keeps its file and computer search lists.
enum class SearchPlaces { Windows9x, Windows2000, WindowsXP };

inline SearchPlaces RunningSystemsPlaces() {
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof v;
    if (!GetVersionExA(&v) || v.dwPlatformId != VER_PLATFORM_WIN32_NT || v.dwMajorVersion != 5) {
        return SearchPlaces::Windows9x;
    }
    return v.dwMinorVersion == 0   ? SearchPlaces::Windows2000
           : v.dwMinorVersion == 1 ? SearchPlaces::WindowsXP
                                   : SearchPlaces::Windows9x;
}

inline void SeedFindFilesAt(SearchPlaces places) {
    if (places == SearchPlaces::Windows2000) {
        PutBinary(HKEY_CURRENT_USER, settings::kFindFilesMru2000Key, "a",
                  std::string("s\0e\0c\0r\0e\0t\0\0\0", 14));
    } else if (places == SearchPlaces::WindowsXP) {
        PutText(HKEY_CURRENT_USER, settings::kFindFilesMruXPKey, "000", "diary");
    } else {
        PutText(HKEY_CURRENT_USER, settings::kFindFilesMruKey, "a", "*.doc");
        PutText(HKEY_CURRENT_USER, settings::kFindFilesMruKey, "MRUList", "a");
    }
}

inline void SeedFindComputersAt(SearchPlaces places) {
    PutText(HKEY_CURRENT_USER, settings::kFindComputerMruKey, "a", "ACCOUNTS");
    PutText(HKEY_CURRENT_USER, settings::kFindComputerMruKey, "MRUList", "a");
    if (places == SearchPlaces::Windows2000) {
        PutText(HKEY_CURRENT_USER, settings::kFindComputersMru2000Key, "a", "FILESERVER");
    } else if (places == SearchPlaces::WindowsXP) {
        PutText(HKEY_CURRENT_USER, settings::kFindComputersMruXPKey, "000", "HOMEPC");
    }
}

inline void SeedFindFiles() {
    SeedFindFilesAt(RunningSystemsPlaces());
}
inline void SeedFindComputers() {
    SeedFindComputersAt(RunningSystemsPlaces());
}

inline void SeedPrinterPorts() {
    PutText(HKEY_CURRENT_USER, settings::kPrnPortsMruKey, "a", "\\\\OFFICE\\LaserJet");
    PutText(HKEY_CURRENT_USER, settings::kPrnPortsMruKey, "b", "LPT1:");
    PutText(HKEY_CURRENT_USER, settings::kPrnPortsMruKey, "MRUList", "ab");
}

inline void SeedAutoComplete() {
    PutBinary(HKEY_CURRENT_USER, settings::kIntelliFormsKey, "4F0C0D8E4C3A4D2E",
              std::string("\x01\x02\x03secret\x00", 10));
    PutBinary(HKEY_CURRENT_USER, settings::kIntelliFormsKey, "9A1B2C3D4E5F6071",
              std::string("\x05\x06password", 10));
    PutText(HKEY_CURRENT_USER, settings::kIEMainKey, settings::kUseFormSuggest, "yes");
    PutText(HKEY_CURRENT_USER, settings::kExplorerAutoCompleteKey, settings::kUseAutoComplete,
            "yes");
}

// Files deleted to the Recycle Bin.
inline void SeedRecycleBin() {
    const std::string documents = Folder(CSIDL_PERSONAL);
    std::string from;
    for (const char* name : {"old letter.txt", "draft.doc", "photo.bmp"}) {
        std::string path = documents + "\\" + name;
        PutFile(path, "deleted");
        from += path + '\0';
    }
    from += '\0';
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    SHFileOperationA(&op);
}

inline void SeedWinZipFiles() {
    const std::string files = settings::kWinZipFileMenuKey;
    PutText(HKEY_CURRENT_USER, files, "filemenu1", "C:\\Downloads\\photos.zip");
    PutText(HKEY_CURRENT_USER, files, "filemenu2", "C:\\Downloads\\tax return.zip");
    PutText(HKEY_CURRENT_USER, files, "filemenu3", "C:\\Mail\\attachment.zip");
}

inline void SeedWinZipExtract() {
    const std::string extract = settings::kWinZipExtractKey;
    PutText(HKEY_CURRENT_USER, extract, "extract1", "C:\\Unzipped\\photos");
    PutText(HKEY_CURRENT_USER, extract, "extract2", "C:\\Unzipped\\tax");
}

inline void SeedVisualBasic() {
    const std::string key = settings::kVbRecentFilesKey;
    PutText(HKEY_CURRENT_USER, key, "1", "C:\\Projects\\Payroll\\Payroll.vbp");
    PutText(HKEY_CURRENT_USER, key, "2", "C:\\Projects\\Secret\\Secret.vbp");
    PutText(HKEY_CURRENT_USER, key, "3", "C:\\Projects\\Game\\Game.vbp");
}

inline void SeedWordPad() {
    const std::string key = settings::kWordPadRecentKey;
    PutText(HKEY_CURRENT_USER, key, "File1", "C:\\Documents\\letter.rtf");
    PutText(HKEY_CURRENT_USER, key, "File2", "C:\\Documents\\notes.txt");
    PutText(HKEY_CURRENT_USER, key, "File3", "C:\\Documents\\minutes.doc");
}

inline void SeedPaint() {
    const std::string key = settings::kPaintRecentKey;
    PutText(HKEY_CURRENT_USER, key, "File1", "C:\\Pictures\\scan.bmp");
    PutText(HKEY_CURRENT_USER, key, "File2", "C:\\Pictures\\signature.bmp");
}

inline void SeedMediaPlayer() {
    PutText(HKEY_CURRENT_USER, settings::kMediaPlayerUrlsKey, "URL0",
            "http://radio.example.com/live.asx");
    PutText(HKEY_CURRENT_USER, settings::kMediaPlayerFilesKey, "File0", "C:\\Music\\song.mp3");
    PutText(HKEY_CURRENT_USER, settings::kMediaPlayerFilesKey, "File1", "C:\\Videos\\party.avi");
}

// --- Counting what is there ---------------------------------------------------------------

inline std::vector<std::string> ValueNames(HKEY root, const std::string& key) {
    std::vector<std::string> names;
    win32::RegKey k;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS) return names;
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD length = sizeof name;
        if (RegEnumValueA(k.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    return names;
}

// The values of a key and of all its subkeys.
inline int CountValuesBelow(HKEY root, const std::string& key) {
    int count = static_cast<int>(ValueNames(root, key).size());
    win32::RegKey k;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS) return count;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(k.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        count += CountValuesBelow(root, key + "\\" + std::string(name, length));
    }
    return count;
}

inline std::string ReadText(HKEY root, const std::string& key, const std::string& name) {
    win32::RegKey k;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS) return "";
    char data[1024] = {};
    DWORD size = sizeof data - 1, type = 0;
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return "";
    }
    return data;
}

// Files and folders below a folder (links not followed), except the names given.
inline int CountEntries(const std::string& folder, const std::vector<std::string>& except = {}) {
    int count = 0;
    WIN32_FIND_DATAA data;
    win32::FindHandle find(FindFirstFileA((folder + "\\*").c_str(), &data));
    if (!find) return 0;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        bool skipped = false;
        for (const std::string& e : except)
            skipped = skipped || lstrcmpiA(e.c_str(), name.c_str()) == 0;
        if (skipped) continue;
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                        !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
        if (isFolder) {
            int inside = CountEntries(folder + "\\" + name, except);
            count += inside;  // a folder that holds only kept files is no trace of its own
            continue;
        }
        ++count;
    } while (FindNextFileA(find.get(), &data));
    return count;
}

inline int CountFiles(const std::string& folder, const char* pattern) {
    int count = 0;
    WIN32_FIND_DATAA data;
    win32::FindHandle find(FindFirstFileA((folder + "\\" + pattern).c_str(), &data));
    if (!find) return 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileA(find.get(), &data));
    return count;
}

inline int CountRecentDocuments() {
    return CountFiles(Folder(CSIDL_RECENT), "*.lnk") +
           CountValuesBelow(HKEY_CURRENT_USER,
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs");
}

inline int CountHistory() {
    int entries = 0;
    DWORD size = 0;
    // Only the number of entries is wanted: each is read into a buffer of its own size.
    std::vector<BYTE> buffer;
    HANDLE find = FindFirstUrlCacheEntryA("Visited:", nullptr, &size);
    if (!find && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        buffer.resize(size);
        find = FindFirstUrlCacheEntryA(
            "Visited:", reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data()), &size);
    }
    win32::UrlCacheFind guard(find);
    while (guard) {
        ++entries;
        size = 0;
        if (FindNextUrlCacheEntryA(guard.get(), nullptr, &size) ||
            GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            break;
        }
        buffer.assign(size, 0);
        if (!FindNextUrlCacheEntryA(
                guard.get(), reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data()), &size)) {
            break;
        }
    }
    return entries + CountEntries(Folder(CSIDL_HISTORY), {"index.dat", "desktop.ini"});
}

inline int CountRunList() {
    int count = 0;
    for (const std::string& name : ValueNames(HKEY_CURRENT_USER, settings::kRunMruKey)) {
        count += name.size() == 1 || name == "MRUList";
    }
    return count;
}

inline int CountTemp() {
    return CountEntries(TempFolder());
}

inline int CountFindFiles() {
    switch (RunningSystemsPlaces()) {
        case SearchPlaces::Windows2000:
            return CountValuesBelow(HKEY_CURRENT_USER, settings::kFindFilesMru2000Key);
        case SearchPlaces::WindowsXP:
            return CountValuesBelow(HKEY_CURRENT_USER, settings::kFindFilesMruXPKey);
        default:
            return CountValuesBelow(HKEY_CURRENT_USER, settings::kFindFilesMruKey);
    }
}

inline int CountFindComputers() {
    int count = CountValuesBelow(HKEY_CURRENT_USER, settings::kFindComputerMruKey);
    switch (RunningSystemsPlaces()) {
        case SearchPlaces::Windows2000:
            return count + CountValuesBelow(HKEY_CURRENT_USER, settings::kFindComputersMru2000Key);
        case SearchPlaces::WindowsXP:
            return count + CountValuesBelow(HKEY_CURRENT_USER, settings::kFindComputersMruXPKey);
        default:
            return count;
    }
}

inline int CountTypedUrls() {
    return CountValuesBelow(HKEY_CURRENT_USER, settings::kTypedUrlsKey);
}

inline int CountPrinterPorts() {
    return CountValuesBelow(HKEY_CURRENT_USER, settings::kPrnPortsMruKey);
}

// Stored form entries, and each of the two features while it is on.
inline int CountAutoComplete() {
    return CountValuesBelow(HKEY_CURRENT_USER, settings::kIntelliFormsKey) +
           (ReadText(HKEY_CURRENT_USER, settings::kIEMainKey, settings::kUseFormSuggest) != "no") +
           (ReadText(HKEY_CURRENT_USER, settings::kExplorerAutoCompleteKey,
                     settings::kUseAutoComplete) != "no");
}

inline int CountRecycleBin() {
    SHQUERYRBINFO info = {};
    info.cbSize = sizeof info;
    using Fn = HRESULT(WINAPI*)(LPCSTR, SHQUERYRBINFO*);
    static Fn query = win32::LookupProc<Fn>("shell32.dll", "SHQueryRecycleBinA");
    if (!query || query(nullptr, &info) != S_OK) return -1;
    return static_cast<int>(info.i64NumItems);
}

inline int CountNumbered(const std::string& key, const std::string& prefix) {
    int count = 0;
    for (const std::string& name : ValueNames(HKEY_CURRENT_USER, key)) {
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        std::string number = name.substr(prefix.size());
        bool digits =
            number.size() <= 3 && number.find_first_not_of("0123456789") == std::string::npos;
        count += digits && number[0] != '0' && std::stoi(number) <= 100;
    }
    return count;
}

inline int CountWinZipFiles() {
    return CountNumbered(settings::kWinZipFileMenuKey, settings::kWinZipFileMenuPrefix);
}
inline int CountWinZipExtract() {
    return CountNumbered(settings::kWinZipExtractKey, settings::kWinZipExtractPrefix);
}
inline int CountVisualBasic() {
    return CountNumbered(settings::kVbRecentFilesKey, "");
}
inline int CountWordPad() {
    return CountNumbered(settings::kWordPadRecentKey, "File");
}
inline int CountPaint() {
    return CountNumbered(settings::kPaintRecentKey, "File");
}
inline int CountMediaPlayer() {
    return CountValuesBelow(HKEY_CURRENT_USER, settings::kMediaPlayerUrlsKey) +
           CountValuesBelow(HKEY_CURRENT_USER, settings::kMediaPlayerFilesKey);
}

struct Item {
    const char* box;
    const char* caption;
    void (*seed)();
    int (*count)();
};

// The items whose traces this header seeds and counts, in the run's order (the browser
// items are seeded and counted by demo/BrowserTraces.h).
inline const std::vector<Item>& Items() {
    static const std::vector<Item> items = {
        {"chkDocuments", "Recent Documents List", SeedRecentDocuments, CountRecentDocuments},
        {"chkInternetHistory", "IE History", SeedHistory, CountHistory},
        {"chkRunMenu", "Recent Items From Run Menu", SeedRunList, CountRunList},
        {"chkUrls", "Internet Typed Web Address", SeedTypedUrls, CountTypedUrls},
        {"chkTemp", "Temp Folder", SeedTempFolder, CountTemp},
        {"chkFindFiles", "Find Files History", SeedFindFiles, CountFindFiles},
        {"chkFindComputers", "Find Computers History", SeedFindComputers, CountFindComputers},
        {"chkPrinterPorts", "Printer Ports", SeedPrinterPorts, CountPrinterPorts},
        {"chkAutoComplete", "Disable AutoComplete", SeedAutoComplete, CountAutoComplete},
        {"chkRecBin", "Recycle Bin", SeedRecycleBin, CountRecycleBin},
        {"chkWzip1", "WinZip File Menu", SeedWinZipFiles, CountWinZipFiles},
        {"chkWzip2", "WinZip Extract To Menu", SeedWinZipExtract, CountWinZipExtract},
        {"chkVb", "Visual Basic Recent Opened files", SeedVisualBasic, CountVisualBasic},
        {"chkWordPad", "Word Pad Recent File Menu", SeedWordPad, CountWordPad},
        {"chkPbrush", "Paint Brush Recent File Menu", SeedPaint, CountPaint},
        {"chkMediaPlayer", "Media Player Recent File Menu", SeedMediaPlayer, CountMediaPlayer},
    };
    return items;
}

}  // namespace cw::traces
