// The file shredder on real files under Wine: the bytes that reach the disk before the
// deletion (read back through a hard link made beforehand, which keeps the data after the
// shredded name is deleted), and the drop target on a real list box.

#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "shred/FileShredder.h"
#include "shred/OverwriteImage.h"
#include "support/TestWorld.h"
#include "support/Win32Platform.h"
#include "ui/win32/DropTarget.h"

namespace cw::testing {
namespace {

struct ShredderTest : ::testing::Test, Services<Win32Platform> {
    ShredderControls c;
    FileShredder shredder{c, files, dialogs, errors};

    void SetUp() override { shredder.Load(); }
};

// What a file of the length holds once the image of the level's list index is written over it.
std::string Overwritten(int level, std::size_t length) {
    const std::string image = BuildOverwriteImage(RepetitionCount(level));
    std::string expected;
    while (expected.size() < std::max(length, image.size()))
        expected += image;
    expected.resize(std::max(length, image.size()));
    return expected;
}

// The image covers a file shorter than itself whole and repeats over a longer one.
TEST_F(ShredderTest, BytesOnDiskBeforeTheDeletionAreTheImage) {
    const std::string dir = MakeScratchFolder("shred-image");
    struct Case {
        int level;  // the list index of "Overwrite": "10" and the default, "50"
        std::size_t length;
    };
    for (const Case& k : {Case{0, 300}, Case{4, 100000}}) {
        const std::string path = dir + "\\f" + std::to_string(k.length);
        WriteFile(path, std::string(k.length, 'x'));
        ASSERT_TRUE(CreateHardLinkA((path + ".link").c_str(), path.c_str(), nullptr))
            << GetLastError();
        c.cmbOver.SetListIndex(k.level);
        shredder.obj.Dropped(path);
        c.cmdShredDelete.Click();
        EXPECT_FALSE(PathExists(path));
        EXPECT_TRUE(ReadFile(path + ".link") == Overwritten(k.level, k.length)) << k.length;
        DeleteFileA((path + ".link").c_str());
    }
    EXPECT_TRUE(errors.reports.empty());
}

// A file another program holds open, sharing reading and writing but not its deletion, is
// still overwritten; only its deletion fails, and that is reported.
TEST_F(ShredderTest, AFileHeldWithoutDeleteSharingIsStillOverwritten) {
    const std::string path = MakeScratchFolder("shred-held") + "\\held.txt";
    WriteFile(path, std::string(500, 'x'));
    {
        win32::FileHandle held(CreateFileA(path.c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        shredder.obj.Dropped(path);
        c.cmdShredDelete.Click();
    }
    EXPECT_TRUE(ReadFile(path) == Overwritten(4, 500));
    EXPECT_EQ(errors.reports.size(), 1u);
}

// A WM_DROPFILES handle as the shell makes it: ANSI paths, each ended by a NUL, and one more.
HGLOBAL MakeDrop(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& p : paths)
        list += p + '\0';
    list += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    return memory;
}

TEST_F(ShredderTest, DropTargetSubclassesTheListAndHandsOnEveryItemTrimmed) {
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    auto original = GetWindowLongPtrA(list, GWLP_WNDPROC);
    {
        win32::DropTarget obj([&](const std::string& path) { shredder.obj.Dropped(path); });
        obj.Start_SubClass(list);
        EXPECT_NE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
        const std::string longPath = "C:\\d\\" + std::string(280, 'n') + ".txt";
        SendMessageA(list, WM_DROPFILES,
                     reinterpret_cast<WPARAM>(
                         MakeDrop({" " + longPath + " ", "C:\\d\\two.txt", "C:\\d\\three.txt"})),
                     0);
        EXPECT_EQ(shredder.colFiles(),
                  (std::vector<std::string>{longPath, "C:\\d\\two.txt", "C:\\d\\three.txt"}));
    }
    EXPECT_EQ(GetWindowLongPtrA(list, GWLP_WNDPROC), original);
    EXPECT_EQ(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    DestroyWindow(list);

    // A window that goes away first takes the subclass with it.
    HWND second = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    win32::DropTarget obj([&](const std::string& path) { shredder.obj.Dropped(path); });
    obj.Start_SubClass(second);
    DestroyWindow(second);
    EXPECT_EQ(obj.Window(), nullptr);
}

}  // namespace
}  // namespace cw::testing
