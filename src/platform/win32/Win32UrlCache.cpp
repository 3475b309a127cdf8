#include "platform/win32/Win32UrlCache.h"

#include <cstring>
#include <vector>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

// An entry that grows between the size probe and the read makes the read fail with
// ERROR_INSUFFICIENT_BUFFER again; it is asked for anew a few times, then given up.
constexpr int kReadAttempts = 4;

UrlCacheEntry ToEntry(const INTERNET_CACHE_ENTRY_INFOA& info) {
    UrlCacheEntry entry;
    if (info.lpszSourceUrlName) entry.sourceUrl = info.lpszSourceUrlName;
    if (info.lpszLocalFileName) entry.localFile = info.lpszLocalFileName;
    entry.type = info.CacheEntryType;
    return entry;
}

// One entry's record: a block of exactly the size the library reports for it, with the
// record's size field filled in. Only one is held at a time, so the memory in use does not
// grow with the size of the index.
class EntryBlock {
  public:
    INTERNET_CACHE_ENTRY_INFOA* Resize(DWORD size) {
        block_.assign(
            size < sizeof(INTERNET_CACHE_ENTRY_INFOA) ? sizeof(INTERNET_CACHE_ENTRY_INFOA) : size,
            0);
        Info()->dwStructSize = sizeof(INTERNET_CACHE_ENTRY_INFOA);
        return Info();
    }
    void Free() {
        block_.clear();
        block_.shrink_to_fit();
    }
    INTERNET_CACHE_ENTRY_INFOA* Info() {
        return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(block_.data());
    }

  private:
    std::vector<unsigned char> block_;
};

// Reads an entry whose size the probe reported: read(info, &size) is FindFirst or FindNext
// with a buffer. False when the read failed for another reason than a grown entry.
template <class Read>
bool ReadEntry(EntryBlock& block, DWORD size, Read read) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        DWORD bufferSize = size;
        if (read(block.Resize(size), &bufferSize)) return true;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bufferSize <= size) return false;
        size = bufferSize;
    }
    return false;
}

// The record of an extra container (the SDK's INTERNET_CACHE_CONTAINER_INFOA, which the
// MinGW headers lack); its texts follow it in the same buffer.
struct ContainerInfo {
    DWORD cacheVersion;
    LPSTR name;
    LPSTR cachePrefix;
    LPSTR volumeLabel;
    LPSTR volumeTitle;
};
using FindFirstContainerFn = HANDLE(WINAPI*)(DWORD*, ContainerInfo*, DWORD*, DWORD);
using FindNextContainerFn = BOOL(WINAPI*)(HANDLE, ContainerInfo*, DWORD*);
constexpr DWORD kContainerBufferSize = 4096;
constexpr DWORD kMaxContainerRecord = 65536;

bool NameStartsWith(const char* name, const std::string& prefix) {
    return name && std::strlen(name) >= prefix.size() &&
           CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, name,
                          static_cast<int>(prefix.size()), prefix.c_str(),
                          static_cast<int>(prefix.size())) == CSTR_EQUAL;
}

}  // namespace

std::vector<std::string> Win32UrlCache::ContainerPrefixes(const std::string& namePrefix) {
    // Looked up at run time: Internet Explorer 4's library has them, but not every system's
    // headers and import libraries name them.
    static const auto findFirst =
        LookupProc<FindFirstContainerFn>("wininet.dll", "FindFirstUrlCacheContainerA");
    static const auto findNext =
        LookupProc<FindNextContainerFn>("wininet.dll", "FindNextUrlCacheContainerA");
    std::vector<std::string> prefixes;
    if (!findFirst || !findNext) return prefixes;
    std::vector<unsigned char> buffer(kContainerBufferSize);
    auto info = [&] { return reinterpret_cast<ContainerInfo*>(buffer.data()); };
    // A record larger than the buffer is read again into one of its size.
    auto grown = [&](DWORD size) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= buffer.size() ||
            size > kMaxContainerRecord) {
            return false;
        }
        buffer.assign(size, 0);
        return true;
    };
    DWORD modified = 0, size = 0;
    UrlCacheFind find;
    do {
        size = static_cast<DWORD>(buffer.size());
        find.reset(findFirst(&modified, info(), &size, 0));
    } while (!find && grown(size));
    if (!find) return prefixes;
    for (;;) {
        const ContainerInfo* record = info();
        if (NameStartsWith(record->name, namePrefix) && record->cachePrefix &&
            *record->cachePrefix) {
            prefixes.push_back(record->cachePrefix);
        }
        do {
            size = static_cast<DWORD>(buffer.size());
            if (findNext(find.get(), info(), &size)) break;
            if (!grown(size)) return prefixes;
        } while (true);
    }
}

std::size_t Win32UrlCache::Enumerate(const std::string& pattern,
                                     const std::function<bool(const UrlCacheEntry&)>& visit) {
    const char* search = pattern.empty() ? nullptr : pattern.c_str();
    // The size of the first entry: the probe fails with ERROR_INSUFFICIENT_BUFFER and
    // reports it; any other failure (ERROR_NO_MORE_ITEMS for an empty index) lists nothing.
    DWORD size = 0;
    UrlCacheFind find(FindFirstUrlCacheEntryA(search, nullptr, &size));
    if (find || GetLastError() != ERROR_INSUFFICIENT_BUFFER) return 0;
    EntryBlock block;
    bool read = ReadEntry(block, size, [&](INTERNET_CACHE_ENTRY_INFOA* info, DWORD* bytes) {
        find.reset(FindFirstUrlCacheEntryA(search, info, bytes));
        return static_cast<bool>(find);
    });
    if (!read) return 0;
    std::size_t count = 0;
    for (;;) {
        ++count;
        if (!visit(ToEntry(*block.Info()))) break;
        block.Free();
        size = 0;
        if (FindNextUrlCacheEntryA(find.get(), nullptr, &size) ||
            GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            break;
        }
        read = ReadEntry(block, size, [&](INTERNET_CACHE_ENTRY_INFOA* info, DWORD* bytes) {
            return FindNextUrlCacheEntryA(find.get(), info, bytes) != FALSE;
        });
        if (!read) break;
    }
    return count;
}

bool Win32UrlCache::DeleteEntry(const std::string& url) {
    // Internet Explorer 4's WinINet exports the function without its A; later ones have both.
    using DeleteFn = BOOL(WINAPI*)(LPCSTR);
    static const DeleteFn deleteEntry = [] {
        auto fn = LookupProc<DeleteFn>("wininet.dll", "DeleteUrlCacheEntryA");
        return fn ? fn : LookupProc<DeleteFn>("wininet.dll", "DeleteUrlCacheEntry");
    }();
    return deleteEntry && deleteEntry(url.c_str()) != FALSE;
}

}  // namespace cw::win32
