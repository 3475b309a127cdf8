#include "platform/win32/Win32UrlCache.h"

#include <vector>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

UrlCacheEntry ToEntry(const INTERNET_CACHE_ENTRY_INFOA& info) {
    UrlCacheEntry entry;
    if (info.lpszSourceUrlName) entry.sourceUrl = info.lpszSourceUrlName;
    if (info.lpszLocalFileName) entry.localFile = info.lpszLocalFileName;
    entry.type = info.CacheEntryType;
    return entry;
}

// A block of the size the library asked for, with the record's size field filled in.
std::vector<unsigned char> Block(DWORD size) {
    std::vector<unsigned char> block(size < sizeof(INTERNET_CACHE_ENTRY_INFOA)
                                         ? sizeof(INTERNET_CACHE_ENTRY_INFOA)
                                         : size);
    reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(block.data())->dwStructSize = size;
    return block;
}

}  // namespace

std::size_t Win32UrlCache::Enumerate(const std::string& pattern,
                                     const std::function<bool(const UrlCacheEntry&)>& visit) {
    const char* search = pattern.empty() ? nullptr : pattern.c_str();
    DWORD size = 0;
    UrlCacheFind find(FindFirstUrlCacheEntryA(search, nullptr, &size));
    if (find || GetLastError() != ERROR_INSUFFICIENT_BUFFER) return 0;
    std::vector<unsigned char> block = Block(size);
    auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(block.data());
    find.reset(FindFirstUrlCacheEntryA(search, info, &size));
    if (!find) return 0;
    std::size_t count = 0;
    for (;;) {
        ++count;
        if (!visit(ToEntry(*info))) break;
        // The next entry's size first, then a block of exactly that size; one entry in
        // memory at a time whatever the size of the index.
        size = 0;
        block.clear();
        block.shrink_to_fit();
        if (FindNextUrlCacheEntryA(find.get(), nullptr, &size) ||
            GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            break;
        }
        block = Block(size);
        info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(block.data());
        if (!FindNextUrlCacheEntryA(find.get(), info, &size)) break;
    }
    return count;
}

bool Win32UrlCache::DeleteEntry(const std::string& url) {
    return DeleteUrlCacheEntryA(url.c_str()) != FALSE;
}

}  // namespace cw::win32
