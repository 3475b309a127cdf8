// The scheduled folder shredder on a real folder under Wine, with its settings in the
// registry of the test prefix.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shred/ScheduledShredder.h"
#include "support/TestWorld.h"
#include "support/Win32Platform.h"

namespace cw::testing {
namespace {

struct ScheduledShredderTest : ::testing::Test, Services<Win32Platform> {
    ScheduledShredderControls c;
    ScheduledShredder shredder{c, settings, files, dialogs};

    void SetAndRunUntilDue(const std::string& folder) {
        c.txtShredFolder.SetText(folder);
        c.cmbHour.SetText("0");
        c.cmbMinute.SetText("10");
        c.cmdSet.Click();
        for (int t = 0; t < 10; ++t)
            c.timShredFolder.Tick();
    }
};

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

TEST_F(ScheduledShredderTest, DueTickLeavesTheFolderThereAndEmpty) {
    const std::string dir = MakeScratchFolder("sched-empty");
    WriteFile(dir + "\\a.txt", "a");
    WriteFile(dir + "\\page.htm", "p");
    WriteFile(dir + "\\ro.txt", "ro");
    SetFileAttributesA((dir + "\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    WriteFile(dir + "\\hidden.txt", "h");
    SetFileAttributesA((dir + "\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    for (const char* sub : {"\\s", "\\s\\t", "\\s\\t\\u", "\\img"}) {
        CreateDirectoryA((dir + sub).c_str(), nullptr);
    }
    WriteFile(dir + "\\s\\t\\u\\deep.gif", "d");
    WriteFile(dir + "\\img\\x.jpg", "x");
    WriteFile(dir + "\\img\\ro.dat", "r");
    SetFileAttributesA((dir + "\\img\\ro.dat").c_str(), FILE_ATTRIBUTE_READONLY);

    SetAndRunUntilDue(dir + "\\");

    DWORD attributes = GetFileAttributesA(dir.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(Entries(dir), std::vector<std::string>{});
    EXPECT_EQ(shredder.MinutesCounted(), 0);
}

TEST_F(ScheduledShredderTest, LinkInsideTheFolderLeavesItsTargetIntact) {
    const std::string dir = MakeScratchFolder("sched-link");
    const std::string outside = OutsideFolder("sched-link");
    TestServer::WriteUnixFile(outside + "/keep.txt", "keep");
    TestServer::MakeUnixFolder(outside + "/sub");
    TestServer::WriteUnixFile(outside + "/sub/keep2.txt", "keep");
    WriteFile(dir + "\\mine.txt", "mine");
    CreateDirectoryA((dir + "\\s").c_str(), nullptr);
    TestServer::Symlink(UnixPath(dir) + "/s/deeper", outside);
    TestServer::Symlink(UnixPath(dir) + "/link", outside);

    SetAndRunUntilDue(dir);

    EXPECT_EQ(TestServer::ListUnixFolder(outside), (std::vector<std::string>{"keep.txt", "sub"}));
    EXPECT_EQ(TestServer::ListUnixFolder(outside + "/sub"), std::vector<std::string>{"keep2.txt"});
    EXPECT_FALSE(PathExists(dir + "\\mine.txt"));
    EXPECT_TRUE(PathExists(dir));
}

}  // namespace
}  // namespace cw::testing
