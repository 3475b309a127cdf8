#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
#include "fakes/FakeSystemFolders.h"
#include "files/PathGuard.h"

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
    // (Empty, root, drive-relative, relative and root-relative paths and each protected
    // folder itself: contract FileRoutinesContractTest, RefusedPathsDeleteNothing.)
    for (const char* refused :
         {"C:\\\\", "\\Mozilla\\", "\\\\server\\share", "\\\\?\\C:\\Temp", "\\\\.\\C:\\x",
          "C:\\a\\..\\b", "C:\\a\\.\\b", "c:\\windows\\", "C:\\Windows. ", "C:/Program Files/",
          "C:\\Documents and Settings", "C:\\Documents and Settings\\BOB",
          "C:\\Documents and Settings\\bob\\Local Settings"}) {  // an ancestor of Local AppData
        EXPECT_FALSE(guard.MayDelete(refused)) << refused;
    }

    // A failed lookup protects nothing but roots are still refused.
    folders.Remove(kCsidlWindows);
    folders.Remove(kCsidlSystem);  // else C:\WINDOWS stays protected as its ancestor
    PathGuard bare(folders, fs);
    EXPECT_TRUE(bare.MayDelete("C:\\WINDOWS"));
    EXPECT_FALSE(bare.MayDelete("C:\\"));
}

}  // namespace
}  // namespace cw
