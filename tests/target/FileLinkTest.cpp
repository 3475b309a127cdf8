// Under Wine a Unix symbolic link to a file looks like a plain file, and deleting it deletes
// the file it points to. Nothing that deletes or overwrites may reach through such a link.

#include <gtest/gtest.h>

#include "files/FileRoutines.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemFolders.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

TEST(FileLinkTest, FilesBehindLinksAreNeitherDeletedNorOverwritten) {
    std::string folder = MakeScratchFolder("file-links");
    std::string outside = OutsideFolder("file-links");
    TestServer::WriteUnixFile(outside + "/secret.txt", "keep me");
    TestServer::Symlink(UnixPath(folder) + "/link.txt", outside + "/secret.txt");
    WriteFile(folder + "\\plain.txt", "plain");
    ASSERT_EQ(ReadFile(folder + "\\link.txt"), "keep me") << "the link works";

    win32::Win32FileSystem fs;
    EXPECT_EQ(fs.Delete(folder + "\\link.txt"), kErrorAccessDenied);
    std::unique_ptr<File> file;
    EXPECT_EQ(fs.Open(folder + "\\link.txt", OpenMode::Write, file), kErrorAccessDenied);
    EXPECT_EQ(fs.Open(folder + "\\link.txt", OpenMode::Read, file), 0) << "reading is harmless";
    file.reset();

    win32::Win32SystemFolders folders;
    PathGuard guard(folders, fs);
    FileRoutines routines(fs, guard);
    routines.DeleteMatchingFiles(folder, "*.*");
    EXPECT_FALSE(PathExists(folder + "\\plain.txt"));
    EXPECT_EQ(routines.PurgeFolder(folder), 75);
    EXPECT_EQ(TestServer::ListUnixFolder(outside), std::vector<std::string>{"secret.txt"});
    EXPECT_EQ(ReadFile(folder + "\\link.txt"), "keep me");
}

}  // namespace
}  // namespace cw::testing
