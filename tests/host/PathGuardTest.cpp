#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeSystemFolders.h"
#include "files/PathGuard.h"
#include "files/Paths.h"

namespace cw {
namespace {

TEST(PathGuardTest, OnlyFullyQualifiedNonRootPathsOutsideProtectedFoldersPass) {
    fakes::FakeFileSystem fs;
    fakes::FakeSystemFolders folders;
    PathGuard guard(folders, fs);
    for (const char* ok : {"C:\\Temp", "C:\\Temp\\", "c:/temp/x", "\\\\server\\share\\dir",
                           "C:\\Documents and Settings\\bob\\Local Settings\\Temp",
                           "C:\\WINDOWS\\Temp", "C:\\Documents and Settings\\bob\\Desktop\\x"}) {
        EXPECT_TRUE(guard.MayDelete(ok)) << ok;
    }
    for (const char* refused :
         {"",
          "\\",
          "C:",
          "C:\\",
          "C:\\\\",
          "temp",
          "Temp\\x",
          "\\Users\\bob",
          "\\Mozilla\\",
          "\\\\server\\share",
          "\\\\server",
          "\\\\?\\C:\\Temp",
          "\\\\.\\C:\\x",
          "C:\\a\\..\\b",
          "C:\\a\\.\\b",
          "C:\\WINDOWS",
          "c:\\windows\\",
          "C:\\Windows. ",
          "C:\\WINDOWS\\system32",
          "C:\\Program Files",
          "C:\\Documents and Settings",
          "C:\\Documents and Settings\\BOB",
          "C:\\Documents and Settings\\bob\\Desktop",
          "C:\\Documents and Settings\\bob\\My Documents",
          "C:\\Documents and Settings\\bob\\Local Settings",  // ancestor of Local AppData
          "C:\\Documents and Settings\\bob\\Favorites\\",
          "C:/Program Files/"}) {
        EXPECT_FALSE(guard.MayDelete(refused)) << refused;
    }
}

TEST(PathGuardTest, AFailedLookupProtectsNothingButStillRefusesRoots) {
    fakes::FakeFileSystem fs;
    fakes::FakeSystemFolders folders;
    folders.Remove(kCsidlWindows);
    folders.Remove(kCsidlSystem);  // else C:\WINDOWS stays protected as its ancestor
    PathGuard guard(folders, fs);
    EXPECT_TRUE(guard.MayDelete("C:\\WINDOWS"));
    EXPECT_FALSE(guard.MayDelete("C:\\"));
}

TEST(PathsTest, TextRoutines) {
    EXPECT_EQ(AddSlash("C:\\x"), "C:\\x\\");
    EXPECT_EQ(AddSlash("C:\\x\\"), "C:\\x\\");
    EXPECT_EQ(AddSlash(""), "\\");
    EXPECT_EQ(GetPathPart("C:\\"), "\\");
    EXPECT_EQ(GetPathPart("C:\\*.*"), "\\");
    EXPECT_EQ(GetPathPart("file.txt"), "NO PATH");
    EXPECT_EQ(GetPathPart("C:\\a\\b\\file.txt"), "\\a\\b");
    EXPECT_EQ(GetDrivePart("\\a\\b"), "NO DRIVE");
    EXPECT_EQ(GetDrivePart("C:\\a"), "C:");
    EXPECT_EQ(DropSlash("C:\\"), "C:\\");
    EXPECT_EQ(DropSlash("C:\\a\\"), "C:\\a");
}

}  // namespace
}  // namespace cw
