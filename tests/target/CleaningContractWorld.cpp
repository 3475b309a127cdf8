// The target build's contract world of the cleaning run's platform services: the Win32
// implementations, this thread's message queue and the Internet library's real index.

#include <windows.h>
#include <wininet.h>

#include "contract/CleaningPlatformWorld.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32MessageWait.h"
#include "platform/win32/Win32OsVersion.h"
#include "platform/win32/Win32SpecialFolders.h"
#include "platform/win32/Win32UrlCache.h"

namespace cw::contract {

namespace {

class Win32CleaningPlatformWorld : public CleaningPlatformWorld {
  public:
    Clock& clock() override { return clock_; }
    MessageWait& wait() override { return wait_; }
    UrlCache& urlCache() override { return cache_; }
    OsVersion& os() override { return os_; }
    SpecialFolders& folders() override { return folders_; }
    void PostMessageToSelf() override { PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0); }
    void DrainMessages() override {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    void AddCacheEntry(const std::string& url, std::uint32_t type) override {
        FILETIME none = {};
        char local[MAX_PATH] = {};
        // A page has its copy on disk; a visit is an entry of the index only.
        bool page = !(type & URLHISTORY_CACHE_ENTRY);
        if (page && CreateUrlCacheEntryA(url.c_str(), 0, "html", local, 0)) {
            win32::FileHandle file(
                CreateFileA(local, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            DWORD written = 0;
            WriteFile(file.get(), "<html></html>", 13, &written, nullptr);
        }
        CommitUrlCacheEntryA(url.c_str(), page ? local : nullptr, none, none, type, nullptr, 0,
                             page ? "html" : nullptr, nullptr);
    }

  private:
    win32::Win32Clock clock_;
    win32::Win32MessageWait wait_;
    win32::Win32UrlCache cache_;
    win32::Win32OsVersion os_;
    win32::Win32SpecialFolders folders_;
};

}  // namespace

std::unique_ptr<CleaningPlatformWorld> MakeCleaningPlatformWorld() {
    return std::make_unique<Win32CleaningPlatformWorld>();
}

}  // namespace cw::contract
