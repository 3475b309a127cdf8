// Moving a file over another, with MoveFileExA and with the fallback for systems that lack
// it, under Wine.

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

TEST(MoveReplaceTest, ReplaceExistingTakesTheTargetsPlaceUnlessTheTargetIsHeldOpen) {
    std::string dir = MakeScratchFolder("move-replace");
    Win32FileSystem fs;
    WriteFile(dir + "\\new.tmp", "new");
    WriteFile(dir + "\\app.exe", "old");
    EXPECT_EQ(fs.Move(dir + "\\new.tmp", dir + "\\app.exe", 0), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(fs.Move(dir + "\\new.tmp", dir + "\\app.exe", kMoveReplaceExisting), 0);
    EXPECT_EQ(ReadFile(dir + "\\app.exe"), "new");
    EXPECT_FALSE(PathExists(dir + "\\new.tmp"));

    WriteFile(dir + "\\newer.tmp", "newer");
    {
        FileHandle held(CreateFileA((dir + "\\app.exe").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        EXPECT_NE(fs.Move(dir + "\\newer.tmp", dir + "\\app.exe", kMoveReplaceExisting), 0);
    }
    EXPECT_EQ(ReadFile(dir + "\\app.exe"), "new");
    EXPECT_EQ(ReadFile(dir + "\\newer.tmp"), "newer");
}

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
