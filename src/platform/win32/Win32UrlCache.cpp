#include "platform/win32/Win32UrlCache.h"

#include <cstring>
#include <vector>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

// An entry larger than the buffer fails the read with ERROR_INSUFFICIENT_BUFFER and its
// size; it is read again into a buffer of that size, a few times if it keeps growing, then
// given up.
constexpr int kReadAttempts = 4;

UrlCacheEntry ToEntry(const INTERNET_CACHE_ENTRY_INFOA& info) {
    UrlCacheEntry entry;
    if (info.lpszSourceUrlName) entry.sourceUrl = info.lpszSourceUrlName;
    if (info.lpszLocalFileName) entry.localFile = info.lpszLocalFileName;
    entry.type = info.CacheEntryType;
    return entry;
}

// The buffer entries are read into, one at a time: it starts at a size most records fit in
// and grows to a record the library reports as larger, so that reading an entry takes one
// call, and the memory in use stays that of the largest record whatever the size of the
// index.
constexpr DWORD kEntryBufferBytes = 4096;

class EntryBlock {
  public:
    DWORD Size() const { return static_cast<DWORD>(block_.size()); }
    INTERNET_CACHE_ENTRY_INFOA* Prepare(DWORD size) {
        if (size < sizeof(INTERNET_CACHE_ENTRY_INFOA)) size = sizeof(INTERNET_CACHE_ENTRY_INFOA);
        if (block_.size() < size) block_.assign(size, 0);
        Info()->dwStructSize = sizeof(INTERNET_CACHE_ENTRY_INFOA);
        return Info();
    }
    INTERNET_CACHE_ENTRY_INFOA* Info() {
        return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(block_.data());
    }

  private:
    std::vector<unsigned char> block_;
};

// Reads the next entry into the block: read(info, &size) is FindFirst or FindNext with a
// buffer. False at the end of the index or when the read failed for another reason than a
// record larger than the buffer.
template <class Read>
bool ReadEntry(EntryBlock& block, Read read) {
    DWORD size = block.Size();
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        DWORD bufferSize = size;
        if (read(block.Prepare(size), &bufferSize)) return true;
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
    // Any failure of the first read other than a larger record (ERROR_NO_MORE_ITEMS for an
    // empty index) lists nothing.
    EntryBlock block;
    block.Prepare(kEntryBufferBytes);
    UrlCacheFind find;
    bool read = ReadEntry(block, [&](INTERNET_CACHE_ENTRY_INFOA* info, DWORD* bytes) {
        find.reset(FindFirstUrlCacheEntryA(search, info, bytes));
        return static_cast<bool>(find);
    });
    std::size_t count = 0;
    while (read) {
        ++count;
        if (!visit(ToEntry(*block.Info()))) break;
        read = ReadEntry(block, [&](INTERNET_CACHE_ENTRY_INFOA* info, DWORD* bytes) {
            return FindNextUrlCacheEntryA(find.get(), info, bytes) != FALSE;
        });
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
