// The file shredder and the scheduled folder shredder on real files under Wine.

#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>
#include <cstring>
#include <string>
#include <vector>

#include "contract/OverwriteImageTable.h"
#include "demo/Traces.h"
#include "shred/FileShredder.h"
#include "shred/ScheduledShredder.h"
#include "support/TestWorld.h"
#include "support/Win32Platform.h"
#include "ui/win32/DropTarget.h"

namespace cw::testing {
namespace {

// The file shredder on real files under Wine: the bytes that reach the disk (read back
// through a hard link made beforehand, which keeps the data after the shredded name is
// deleted), the entries the run destroys, reports or refuses, and the drop target on a real
// list box.

struct ShredderTest : ::testing::Test, Services<Win32Platform> {
    ShredderControls c;
    FileShredder shredder{c, files, dialogs, errors};

    void SetUp() override { shredder.Load(); }

    // Shreds the file through the page (dropped on the list, then "Delete") and returns
    // what was on the disk just before the deletion.
    // CreateHardLinkA, looked up at run time: Windows before 2000 lacks it.
    static bool HardLink(const std::string& link, const std::string& target) {
        using Fn = BOOL(WINAPI*)(LPCSTR, LPCSTR, LPSECURITY_ATTRIBUTES);
        auto create = reinterpret_cast<Fn>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateHardLinkA")));
        DeleteFileA(link.c_str());
        return create && create(link.c_str(), target.c_str(), nullptr);
    }
    std::string ShredAndReadBack(const std::string& path) {
        const std::string link = path + ".link";
        EXPECT_TRUE(HardLink(link, path)) << GetLastError();
        shredder.obj.Dropped(path);
        c.cmdShredDelete.Click();
        EXPECT_FALSE(PathExists(path)) << path;
        std::string content = ReadFile(link);
        DeleteFileA(link.c_str());
        return content;
    }
};

std::string Repeated(const std::string& image, std::size_t length) {
    std::string out;
    while (out.size() < length)
        out += image;
    out.resize(length);
    return out;
}

TEST_F(ShredderTest, BytesOnDiskBeforeTheDeletionAreTheImage) {
    const std::string dir = MakeScratchFolder("shred-image");
    WriteFile(dir + "\\ten.txt", std::string(300, 'x'));
    c.cmbOver.SetListIndex(0);  // "10"
    std::string ten = ShredAndReadBack(dir + "\\ten.txt");
    EXPECT_EQ(ten.size(), 440u);
    EXPECT_EQ(MismatchAgainstTable(ten, 0), "");

    WriteFile(dir + "\\none.txt", std::string(300, 'x'));
    c.cmbOver.SetListIndex(-1);  // no selection: N = -100
    EXPECT_TRUE(ShredAndReadBack(dir + "\\none.txt") == ten);

    WriteFile(dir + "\\fifty.txt", std::string(1000, 'x'));
    c.cmbOver.SetListIndex(4);  // "50"
    std::string fifty = ShredAndReadBack(dir + "\\fifty.txt");
    EXPECT_EQ(fifty.size(), 21240u);
    EXPECT_EQ(MismatchAgainstTable(fifty, 400), "");

    WriteFile(dir + "\\long.txt", std::string(100000, 'x'));
    std::string longer = ShredAndReadBack(dir + "\\long.txt");
    ASSERT_EQ(longer.size(), 100000u);
    EXPECT_EQ(MismatchAgainstTable(longer.substr(0, 21240), 400), "");
    EXPECT_EQ(longer.find('x'), std::string::npos) << "original bytes left";
    EXPECT_TRUE(longer == Repeated(fifty, 100000));

    // A listed folder: its files are overwritten before they go.
    CreateDirectoryA((dir + "\\box").c_str(), nullptr);
    WriteFile(dir + "\\box\\inner.txt", std::string(300, 'x'));
    const std::string link = dir + "\\inner.link";
    ASSERT_TRUE(HardLink(link, dir + "\\box\\inner.txt"));
    shredder.obj.Dropped(dir + "\\box");
    c.cmdShredDelete.Click();
    EXPECT_FALSE(PathExists(dir + "\\box\\inner.txt"));
    EXPECT_TRUE(ReadFile(link) == fifty) << "the folder's file was overwritten first";
    DeleteFileA(link.c_str());
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(ShredderTest, RunDestroysListedEntriesAndSkipsOrReportsTheRest) {
    const std::string dir = MakeScratchFolder("shred-run");
    // Added through the Open dialog: one read-only file in the root of C:, two in a folder.
    const std::string rootFile = "C:\\cwshred-root.txt";
    traces::PutFile(rootFile, "root", FILE_ATTRIBUTE_READONLY);
    traces::PutFile(dir + "\\picked\\x.txt", "x");
    traces::PutFile(dir + "\\picked\\y.txt", "y");
    dialogs.openFilesResults = {rootFile, dir + "\\picked" + '\0' + "x.txt" + '\0' + "y.txt"};
    c.cmdFileBrowse.Click();
    c.cmdFileBrowse.Click();
    // A folder with a read-only file and nested folders; a read-only file; a duplicate; a
    // path that vanishes before the run.
    traces::PutFile(dir + "\\box\\a\\b\\deep.txt", "deep");
    traces::PutFile(dir + "\\box\\ro.txt", "ro", FILE_ATTRIBUTE_READONLY);
    traces::PutFile(dir + "\\readonly.txt", "read only", FILE_ATTRIBUTE_READONLY);
    traces::PutFile(dir + "\\vanishing.txt", "v");
    for (const std::string& entry : {dir + "\\box", dir + "\\readonly.txt", dir + "\\picked\\x.txt",
                                     dir + "\\vanishing.txt"}) {
        shredder.obj.Dropped(entry);
    }
    DeleteFileA((dir + "\\vanishing.txt").c_str());
    // Held open by another program: it stays in the list, marked.
    traces::PutFile(dir + "\\held.txt", "held");
    HANDLE held = CreateFileA((dir + "\\held.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    shredder.obj.Dropped(dir + "\\held.txt");
    // Refused: drive root, Windows folder, the profile and Desktop, a relative name.
    WriteFile("C:\\windows\\cwshred-marker.txt", "m");
    const std::string profile = traces::Folder(CSIDL_PROFILE);
    const std::string desktop = traces::Folder(CSIDL_DESKTOPDIRECTORY);
    WriteFile(desktop + "\\cwshred-marker.txt", "m");
    for (const std::string& entry : {std::string("C:\\"), std::string("C:\\windows"), profile,
                                     desktop, std::string("cwshred-root.txt")}) {
        shredder.obj.Dropped(entry);
    }
    ASSERT_EQ(shredder.colFiles().size(), 13u);
    EXPECT_EQ(shredder.colFiles()[0], rootFile);
    EXPECT_EQ(shredder.colFiles()[1], dir + "\\picked\\x.txt");
    EXPECT_EQ(shredder.colFiles()[2], dir + "\\picked\\y.txt");

    c.cmdShredDelete.Click();
    CloseHandle(held);

    EXPECT_FALSE(PathExists(rootFile)) << "read-only, chosen through the Open dialog";
    EXPECT_FALSE(PathExists(dir + "\\picked\\x.txt"));
    EXPECT_FALSE(PathExists(dir + "\\picked\\y.txt"));
    EXPECT_TRUE(PathExists(dir + "\\box"));
    EXPECT_FALSE(PathExists(dir + "\\box\\a"));
    EXPECT_FALSE(PathExists(dir + "\\box\\ro.txt"));
    EXPECT_FALSE(PathExists(dir + "\\readonly.txt"));
    EXPECT_EQ(ReadFile(dir + "\\held.txt"), "held");
    EXPECT_EQ(ReadFile("C:\\windows\\cwshred-marker.txt"), "m");
    EXPECT_EQ(ReadFile(desktop + "\\cwshred-marker.txt"), "m");
    EXPECT_TRUE(PathExists("C:\\cwtest\\target_tests.exe"));
    // One report for the held file, one for each refused entry; those stay, marked.
    ASSERT_EQ(errors.reports.size(), 6u);
    for (const auto& r : errors.reports)
        EXPECT_EQ(r.tag, "frmMain,cmdShredDelete");
    EXPECT_EQ(shredder.colFiles(),
              (std::vector<std::string>{dir + "\\held.txt", "C:\\", "C:\\windows", profile, desktop,
                                        "cwshred-root.txt"}));
    ASSERT_EQ(c.lstFiles.ListCount(), 6);
    EXPECT_EQ(c.lstFiles.List(0), dir + "\\held.txt" + FileShredder::kNotShreddedMark);
    EXPECT_EQ(c.lStat.Caption(), "6 files could not be shredded");
    DeleteFileA((dir + "\\held.txt").c_str());
    DeleteFileA("C:\\windows\\cwshred-marker.txt");
    DeleteFileA((desktop + "\\cwshred-marker.txt").c_str());
}

TEST_F(ShredderTest, LinksToFoldersOutsideAreNeverFollowed) {
    const std::string dir = MakeScratchFolder("shred-links");
    const std::string outside = OutsideFolder("shred-links");
    TestServer::WriteUnixFile(outside + "/keep.txt", "keep");
    CreateDirectoryA((dir + "\\box").c_str(), nullptr);
    WriteFile(dir + "\\box\\mine.txt", "mine");
    TestServer::Symlink(UnixPath(dir) + "/box/inner", outside);
    TestServer::Symlink(UnixPath(dir) + "/link", outside);
    ASSERT_NE(GetFileAttributesA((dir + "\\link").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);

    shredder.obj.Dropped(dir + "\\link");
    shredder.obj.Dropped(dir + "\\box");
    c.cmdShredDelete.Click();

    EXPECT_EQ(TestServer::ListUnixFolder(outside), std::vector<std::string>{"keep.txt"});
    EXPECT_FALSE(PathExists(dir + "\\box\\mine.txt"));
    EXPECT_TRUE(PathExists(dir + "\\box\\inner"));  // the link stays, and with it its folder
    EXPECT_EQ(errors.reports.size(), 2u);
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
    drop->fWide = FALSE;
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
        EXPECT_EQ(c.lstFiles.Items(), shredder.colFiles());
        // Other messages still reach the list box's own procedure.
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
        EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
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

// The scheduled folder shredder on a real folder under Wine, with its settings in the
// registry of the test prefix: a due tick leaves the folder there and empty, read-only and
// hidden files and nested folders included, and never follows a link out of it.

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

TEST_F(ScheduledShredderTest, DueTickLeavesTheFolderThereAndEmpty) {
    const std::string dir = MakeScratchFolder("sched-empty");
    for (const char* name : {"\\a.txt", "\\page.htm", "\\img\\x.jpg", "\\s\\t\\u\\deep.gif"})
        traces::PutFile(dir + name, name);
    traces::PutFile(dir + "\\ro.txt", "ro", FILE_ATTRIBUTE_READONLY);
    traces::PutFile(dir + "\\img\\ro.dat", "ro", FILE_ATTRIBUTE_READONLY);
    traces::PutFile(dir + "\\hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN);
    SetAndRunUntilDue(dir + "\\");
    DWORD attributes = GetFileAttributesA(dir.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    int entries = 0;
    fs.Find(dir + "\\*", [&](const FindData& e) {
        entries += e.name != "." && e.name != "..";
        return true;
    });
    EXPECT_EQ(entries, 0);
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
