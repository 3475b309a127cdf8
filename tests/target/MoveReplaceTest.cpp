// Moving a file over another where MoveFileExA is missing (Windows 95, 98 and Me), under
// Wine, which has it: the fallback is called directly.

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileSystem.h"
#include "support/TestWorld.h"

namespace cw::win32 {
namespace {

using testing::MakeScratchFolder;
using testing::PathExists;
using testing::ReadFile;
using testing::WriteFile;

TEST(MoveReplaceTest, TheFallbackReplacesAndPutsTheTargetBackWhenTheSourceCannotMove) {
    std::string dir = MakeScratchFolder("move-fallback");
    WriteFile(dir + "\\a.tmp", "a");
    EXPECT_EQ(Win32FileSystem::MoveWithoutMoveFileEx(dir + "\\a.tmp", dir + "\\b.exe", 0), 0);
    EXPECT_EQ(ReadFile(dir + "\\b.exe"), "a");

    WriteFile(dir + "\\c.tmp", "c");
    EXPECT_NE(Win32FileSystem::MoveWithoutMoveFileEx(dir + "\\c.tmp", dir + "\\b.exe", 0), 0);
    EXPECT_EQ(Win32FileSystem::MoveWithoutMoveFileEx(dir + "\\c.tmp", dir + "\\b.exe",
                                                     kMoveReplaceExisting),
              0);
    EXPECT_EQ(ReadFile(dir + "\\b.exe"), "c");
    EXPECT_FALSE(PathExists(dir + "\\c.tmp"));
    EXPECT_FALSE(PathExists(dir + "\\b.exe.~1"));

    // A source that cannot be moved (held open without sharing) leaves the target in place.
    WriteFile(dir + "\\d.tmp", "d");
    {
        FileHandle held(CreateFileA((dir + "\\d.tmp").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        EXPECT_NE(Win32FileSystem::MoveWithoutMoveFileEx(dir + "\\d.tmp", dir + "\\b.exe",
                                                         kMoveReplaceExisting),
                  0);
    }
    EXPECT_EQ(ReadFile(dir + "\\b.exe"), "c");
    EXPECT_EQ(ReadFile(dir + "\\d.tmp"), "d");
    EXPECT_FALSE(PathExists(dir + "\\b.exe.~1"));

    EXPECT_EQ(Win32FileSystem::MoveWithoutMoveFileEx(dir + "\\d.tmp", "", kMoveDelayUntilReboot),
              ERROR_CALL_NOT_IMPLEMENTED);
    EXPECT_TRUE(PathExists(dir + "\\d.tmp"));
}

}  // namespace
}  // namespace cw::win32
