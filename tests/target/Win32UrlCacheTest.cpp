// What the Win32 URL cache and file system implementations rely on, beyond the contract.

#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include "demo/UrlCacheSeeding.h"
#include "platform/win32/Win32FileSystem.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

TEST(Win32UrlCacheTest, SizeProbeFailsWithTheEntrysSize) {
    demo::RestoreCacheFolders();
    demo::ClearUrlCache();
    const std::string url = "http://probe.example/" + std::string(500, 'p');
    ASSERT_TRUE(demo::SeedUrlCacheEntry(url, NORMAL_CACHE_ENTRY));
    DWORD size = 0;
    HANDLE find = FindFirstUrlCacheEntryA(nullptr, nullptr, &size);
    EXPECT_EQ(find, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_GE(size, sizeof(INTERNET_CACHE_ENTRY_INFOA) + url.size() + 1);
    if (find) FindCloseUrlCache(find);
    demo::ClearUrlCache();
}

// MoveFileExA as Windows 95 and 98 export it: a stub.
BOOL WINAPI MoveFileExStub(LPCSTR, LPCSTR, DWORD) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

TEST(Win32FileSystemTest, ReplacesFilesWhereMoveFileExIsAStub) {
    const std::string folder = MakeScratchFolder("movefallback");
    const std::string target = folder + "\\prefs.js", temp = folder + "\\prefs.js.cwtmp";
    WriteFile(target, "old");
    WriteFile(temp, "new");
    EXPECT_EQ(win32::MoveFileWith(&MoveFileExStub, temp, target, 0), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(win32::MoveFileWith(&MoveFileExStub, temp, target, kMoveReplaceExisting), 0);
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_FALSE(PathExists(temp));
    // A missing source leaves the target alone.
    EXPECT_NE(win32::MoveFileWith(&MoveFileExStub, temp, target, kMoveReplaceExisting), 0);
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(win32::MoveFileWith(&MoveFileExStub, target, "", kMoveDelayUntilReboot),
              ERROR_CALL_NOT_IMPLEMENTED);
    EXPECT_TRUE(PathExists(target));
}

}  // namespace
}  // namespace cw::testing
