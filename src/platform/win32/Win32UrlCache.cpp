#include "platform/win32/Win32UrlCache.h"

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

}  // namespace

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
    return DeleteUrlCacheEntryA(url.c_str()) != FALSE;
}

}  // namespace cw::win32
