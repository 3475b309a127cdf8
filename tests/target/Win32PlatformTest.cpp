// What the Win32 layer relies on beyond the contract tests: a throw-away prefix, MoveFileExA
// where it is a stub, the clock of file times, the memory status of old systems, the Open
// dialog and the folder browser.

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "browser/FavoritesGuard.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32SystemInfo.h"
#include "support/Process.h"
#include "support/TestWorld.h"
#include "ui/win32/Win32FileDialogs.h"

namespace cw::testing {
namespace {

// A cleaner that empties the Desktop or the Recycle Bin must not reach the developer's files.
TEST(IsolationTest, PrefixHasNoWayOutToTheHostsFiles) {
    EXPECT_EQ(GetLogicalDrives() & (1u << ('Z' - 'A')), 0u) << "drive Z: maps the host's root";
    const char* prefix = std::getenv("WINEPREFIX");
    const char* home = std::getenv("CW_UNIX_HOME");
    const char* wineDir = std::getenv("CW_WINE_DIR");
    ASSERT_TRUE(prefix && home && wineDir && *wineDir);
    EXPECT_EQ(std::string(home).rfind(wineDir, 0), 0u) << "HOME is not a throw-away folder";
    for (int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL, CSIDL_MYMUSIC, CSIDL_MYPICTURES}) {
        char folder[MAX_PATH] = {};
        SHGetFolderPathA(nullptr, csidl, nullptr, 0, folder);
        DWORD attributes = GetFileAttributesA(folder);
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
        EXPECT_EQ(attributes & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << folder << " is a link";
        EXPECT_EQ(UnixPath(folder).rfind(prefix, 0), 0u) << folder << ": " << UnixPath(folder);
    }
}

// MoveFileExA as Windows 95 and 98 export it: a stub.
BOOL WINAPI MoveFileExStub(LPCSTR, LPCSTR, DWORD) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

// The target steps aside and comes back when the source cannot take its place.
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

    // A source held open without sharing cannot move: the target stays in place.
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

// The local time of a file time reads on the same clock as Now(), whatever the time zone.
TEST(Win32ClockTest, FileTimeOfANewFileReadsAsNow) {
    win32::Win32Clock clock;
    win32::Win32FileSystem fs;
    auto seconds = [](const LocalTime& t) {
        return MinutesBetween(LocalTime{2000, 1, 1, 6, 0, 0, 0, 0}, t) * 60 + t.second;
    };
    std::string file = MakeScratchFolder("clock") + "\\new.txt";
    LocalTime before = clock.Now();
    WriteFile(file, "x");
    LocalTime after = clock.Now();
    FileTime created = 0;
    ASSERT_EQ(fs.Find(file,
                      [&](const FindData& e) {
                          created = e.creationTime;
                          return false;
                      }),
              0);
    LocalTime local = clock.FileTimeToLocal(created);
    EXPECT_GE(seconds(local), seconds(before) - 2);
    EXPECT_LE(seconds(local), seconds(after) + 2);
}

TEST(Win32SystemInfoTest, OldSystemsFallBackToTheThirtyTwoBitMemoryStatus) {
    win32::Win32SystemInfo best, classic(false);
    MemoryRecord full, limited;
    best.QueryMemory(full);
    classic.QueryMemory(limited);
    for (auto [f, l] : {std::pair{full.totalPhys, limited.totalPhys},
                        std::pair{full.totalPageFile, limited.totalPageFile},
                        std::pair{full.totalVirtual, limited.totalVirtual}}) {
        EXPECT_GT(l, 0u);
        // SIZE_T counts: 4 GB at most in the 32-bit program.
        EXPECT_LE(l, static_cast<std::uint64_t>(SIZE_MAX));
        EXPECT_LE(l, f);
    }
    EXPECT_LE(limited.availPhys, limited.totalPhys);
    // The whole physical memory, even beyond the 2 GB that GlobalMemoryStatus stops at.
    MEMORYSTATUSEX memory = {};
    memory.dwLength = sizeof memory;
    ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
    EXPECT_EQ(full.totalPhys, memory.ullTotalPhys);
    EXPECT_LE(limited.availVirtual, limited.totalVirtual);
}

// Windows 95 and NT 4.0 may have no SHGetFolderPathA: the folders the program uses come then
// from the older sources, and they must be the same folders.
TEST(Win32SystemFoldersTest, WithoutShFolderEveryFolderOfTheProgramIsTheSame) {
    for (int csidl : {kCsidlDesktopDirectory, kCsidlPrograms, kCsidlPersonal, kCsidlFavorites,
                      kCsidlStartup, kCsidlRecent, kCsidlStartMenu, kCsidlAppData,
                      kCsidlLocalAppData, kCsidlInternetCache, kCsidlCookies, kCsidlHistory,
                      kCsidlCommonStartMenu, kCsidlCommonPrograms, kCsidlCommonAppData,
                      kCsidlWindows, kCsidlSystem, kCsidlProgramFiles, kCsidlProgramFilesCommon}) {
        std::string expected, fallback;
        ASSERT_TRUE(win32::Win32SystemFolders().GetFolderPath(csidl, expected)) << csidl;
        EXPECT_TRUE(win32::Win32SystemFolders::GetFolderPathWithoutShFolder(csidl, fallback));
        EXPECT_EQ(fallback, expected) << "CSIDL " << csidl;
    }
}

// The Open dialog and the folder browser under Wine, answered by a second thread as a user
// would: the result texts, the multiple selection and the browser's initial selection.

// The first visible dialog box of this process, waited for up to ten seconds.
HWND WaitForDialog() {
    for (int i = 0; i < 200; ++i, Sleep(50)) {
        if (HWND found = FindWindowWhere([](HWND w) {
                char name[8] = {};
                GetClassNameA(w, name, sizeof name);
                return OwnerOf(w) == GetCurrentProcessId() && IsWindowVisible(w) &&
                       std::string(name) == "#32770";
            }))
            return found;
    }
    return nullptr;
}

// Runs answer on the dialog from another thread while show runs the dialog on this one.
std::string Answered(const std::function<std::string()>& show,
                     const std::function<void(HWND)>& answer) {
    std::atomic<bool> found{false};
    std::thread user([&] {
        HWND dialog = WaitForDialog();
        if (!dialog) return;
        found = true;
        Sleep(100);
        answer(dialog);
    });
    std::string result = show();
    user.join();
    EXPECT_TRUE(found) << "no dialog appeared";
    return result;
}

// Selects the folder in the browser's tree, as a user would click it, and waits until the
// tree shows it selected.
void SelectInTree(HWND dialog, const std::string& folder) {
    const std::string name = folder.substr(folder.rfind('\\') + 1);
    HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
    for (int i = 0; tree && i < 100; ++i, Sleep(50)) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
        char text[MAX_PATH] = {};
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem =
            reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
        item.pszText = text;
        item.cchTextMax = sizeof text;
        if (item.hItem && SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) &&
            name == text)
            return;
    }
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Several names typed in the folder, a full path, and Cancel (no name).
TEST(FileDialogsTest, OpenDialogReturnsOneFileOrTheFolderAndNames) {
    const std::string dir = MakeScratchFolder("dialog-open");
    WriteFile(dir + "\\x.txt", "x");
    WriteFile(dir + "\\y.txt", "y");
    WriteFile("C:\\cwdialog-root.txt", "r");
    SetCurrentDirectoryA(dir.c_str());
    const struct {
        const char* typed;
        std::string chosen;
    } cases[] = {{"\"x.txt\" \"y.txt\"", dir + '\0' + "x.txt" + '\0' + "y.txt"},
                 {"C:\\cwdialog-root.txt", "C:\\cwdialog-root.txt"},
                 {nullptr, ""}};
    for (const auto& k : cases) {
        auto answer = [&](HWND dialog) {
            // The name box is a combo box (cmb13) in newer dialogs, an edit (edt1) in older ones.
            for (int box : {cmb13, edt1}) {
                if (k.typed)
                    SendMessageA(dialog, CDM_SETCONTROLTEXT, box,
                                 reinterpret_cast<LPARAM>(k.typed));
            }
            Press(dialog, k.typed ? IDOK : IDCANCEL);
        };
        EXPECT_EQ(Answered([] { return win32::ShowOpenFilesDialog(nullptr, 2048); }, answer),
                  k.chosen)
            << (k.typed ? k.typed : "Cancel");
    }
    DeleteFileA("C:\\cwdialog-root.txt");
    SetCurrentDirectoryA("C:\\cwtest");
}

// The browser as the scheduled shredder's "Browse..." shows it: rooted at the desktop, no
// initial selection; the folder the user selects comes back, a cancel gives nothing.
TEST(FileDialogsTest, FolderBrowserReturnsTheSelectedFolder) {
    const std::string dir = MakeScratchFolder("dialog-browse");
    auto show = [] {
        return win32::ShowFolderBrowser(nullptr, "Pick", ui::FolderRef::None(),
                                        ui::FolderRef::None());
    };
    // Wine's browser finds a folder in its tree by comparing item lists byte for byte, and
    // each item holds its folder's last access time. A folder written a moment ago has that
    // time moved when it is first read (Linux updates it once after a change), which can
    // fall between the two lists. Read them all first.
    for (const std::string& folder :
         {std::string("C:\\cwtest"), std::string("C:\\cwtest\\scratch"), dir}) {
        WIN32_FIND_DATAA data;
        win32::FindHandle find(FindFirstFileA((folder + "\\*").c_str(), &data));
        while (find && FindNextFileA(find.get(), &data)) {
        }
    }
    std::string chosen = Answered(show, [&](HWND dialog) {
        SelectInTree(dialog, dir);
        Press(dialog, IDOK);
    });
    EXPECT_EQ(chosen, dir);
    EXPECT_EQ(Answered(show, [](HWND dialog) { Press(dialog, IDCANCEL); }), "");
}

}  // namespace
}  // namespace cw::testing
