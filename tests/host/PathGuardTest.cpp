#include <gtest/gtest.h>

#include "contract/Services.h"

namespace cw::testing {
namespace {

struct PathGuardTest : ::testing::Test, Services<FakePlatform> {};

TEST_F(PathGuardTest, OnlyFullyQualifiedNonRootPathsOutsideProtectedFoldersPass) {
    for (const char* ok : {"C:\\Temp", "C:\\Temp\\", "c:/temp/x", "\\\\server\\share\\dir",
                           "C:\\Documents and Settings\\bob\\Local Settings\\Temp",
                           "C:\\WINDOWS\\Temp", "C:\\Documents and Settings\\bob\\Desktop\\x"}) {
        EXPECT_TRUE(guard.MayDelete(ok)) << ok;
    }
    // (Empty, root, drive-relative, relative and root-relative paths, each protected folder
    // and the folder it lies in: contract FileRoutinesContractTest, RefusedPathsDeleteNothing.)
    for (const char* refused :
         {"C:\\\\", "\\Mozilla\\", "\\\\server\\share", "\\\\?\\C:\\Temp", "\\\\.\\C:\\x",
          "C:\\a\\..\\b", "C:\\a\\.\\b", "c:\\windows\\", "C:\\Windows. ", "C:/Program Files/",
          "C:\\Documents and Settings\\BOB"}) {
        EXPECT_FALSE(guard.MayDelete(refused)) << refused;
    }

    // A failed lookup protects nothing but roots are still refused.
    folders.Remove(kCsidlWindows);
    folders.Remove(kCsidlSystem);  // else C:\WINDOWS stays protected as its ancestor
    PathGuard bare(folders, fs);
    EXPECT_TRUE(bare.MayDelete("C:\\WINDOWS") && !bare.MayDelete("C:\\"));
}

// Answers the long names of two short ones, as Windows does for generated 8.3 names.
class ShortNames : public fakes::FakeFileSystem {
  public:
    std::string LongPath(const std::string& path) override {
        for (auto [alias, name] : {std::pair{"C:\\PROGRA~1", "C:\\Program Files"},
                                   std::pair{"C:\\DOCUME~1", "C:\\Documents and Settings"}}) {
            if (path.rfind(alias, 0) == 0) return name + path.substr(std::string(alias).size());
        }
        return path;
    }
};

TEST_F(PathGuardTest, AFolderIsJudgedByItsLongNameAFileInsideStillPasses) {
    ShortNames fs;
    PathGuard guard(folders, fs);
    fs.AddDirectory("C:\\PROGRA~1\\App");
    fs.AddDirectory("C:\\DOCUME~1\\bob");
    fs.AddFile("C:\\PROGRA~1\\x.txt");
    for (const char* refused : {"C:\\PROGRA~1", "C:\\PROGRA~1\\", "C:\\DOCUME~1\\bob"})
        EXPECT_FALSE(guard.MayDelete(refused)) << refused;
    for (const char* ok : {"C:\\PROGRA~1\\App", "C:\\PROGRA~1\\x.txt", "C:\\PROGRA~1\\gone"})
        EXPECT_TRUE(guard.MayDelete(ok)) << ok;
}

}  // namespace
}  // namespace cw::testing
