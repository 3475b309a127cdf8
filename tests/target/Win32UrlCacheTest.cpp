// What the Win32 URL cache and file system implementations rely on, beyond the contract.

#include <windows.h>
#include <gtest/gtest.h>
#include <wininet.h>

#include "demo/UrlCacheSeeding.h"
#include "platform/win32/Handles.h"
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

// Replacing a file where MoveFileExA is a stub: the target steps aside and comes back when
// the source cannot take its place.
TEST(Win32FileSystemTest, ReplacesFilesWhereMoveFileExIsAStub) {
    const std::string folder = MakeScratchFolder("movefallback");
    const std::string target = folder + "\\prefs.js", temp = folder + "\\prefs.js.cwtmp";
    auto move = [](const std::string& from, const std::string& to, std::uint32_t flags) {
        return win32::MoveFileWith(&MoveFileExStub, from, to, flags);
    };
    WriteFile(target, "old");
    WriteFile(temp, "new");
    EXPECT_EQ(move(temp, target, 0), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(move(temp, target, kMoveReplaceExisting), 0);
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_FALSE(PathExists(temp));
    EXPECT_NE(move(temp, target, kMoveReplaceExisting), 0) << "a missing source";
    EXPECT_EQ(ReadFile(target), "new");

    // A source that cannot be moved (held open without sharing) leaves the target in place.
    WriteFile(temp, "held");
    {
        win32::FileHandle held(
            CreateFileA(temp.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        EXPECT_NE(move(temp, target, kMoveReplaceExisting), 0);
    }
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(ReadFile(temp), "held");
    EXPECT_FALSE(PathExists(target + ".~1"));
    EXPECT_EQ(move(target, "", kMoveDelayUntilReboot), ERROR_CALL_NOT_IMPLEMENTED);
    EXPECT_TRUE(PathExists(target));
}

}  // namespace
}  // namespace cw::testing
