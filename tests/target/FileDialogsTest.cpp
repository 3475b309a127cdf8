// The Open dialog and the folder browser under Wine, answered by a second thread as a user
// would: the result texts, the multiple selection and the browser's initial selection.

#include <gtest/gtest.h>
#include <windows.h>
// The shell and dialog headers need windows.h first.
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "platform/win32/Win32FileDialogs.h"
#include "support/TestWorld.h"

namespace cw::testing {
namespace {

using namespace std::string_literals;

BOOL CALLBACK FindOwnDialog(HWND hwnd, LPARAM out) {
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (std::string(cls) == "#32770" && pid == GetCurrentProcessId() && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The first visible dialog box of this process, waited for up to ten seconds.
HWND WaitForDialog() {
    for (int i = 0; i < 200; ++i) {
        HWND found = nullptr;
        EnumWindows(&FindOwnDialog, reinterpret_cast<LPARAM>(&found));
        if (found) return found;
        Sleep(50);
    }
    return nullptr;
}

void Entries(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    while (FindNextFileA(find, &data)) {
    }
    FindClose(find);
}

// Runs answer on the dialog from another thread while show runs the dialog on this one.
std::string Answered(const std::function<std::string()>& show,
                     const std::function<void(HWND)>& answer) {
    std::atomic<bool> found{false};
    std::thread user([&] {
        HWND dialog = WaitForDialog();
        if (!dialog) return;
        found = true;
        Sleep(300);
        answer(dialog);
    });
    std::string result = show();
    user.join();
    EXPECT_TRUE(found) << "no dialog appeared";
    return result;
}

// Waits until the folder browser's tree has selected an item, as a user would look before
// pressing OK.
void WaitForTreeSelection(HWND dialog) {
    HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
    for (int i = 0; tree && i < 100; ++i) {
        if (SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != 0) break;
        Sleep(50);
    }
    Sleep(200);
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void TypeFileName(HWND dialog, const std::string& text) {
    // The name box is a combo box (cmb13) in newer dialogs, an edit (edt1) in older ones.
    SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(text.c_str()));
}

TEST(FileDialogsTest, OpenDialogBufferBecomesTheResultText) {
    const char single[] = "C:\\a.txt\0\0\0";
    EXPECT_EQ(win32::OpenFilesResultFromBuffer(single, sizeof single), "C:\\a.txt");
    const char several[] = "C:\\dir\0x\0y\0\0\0";
    EXPECT_EQ(win32::OpenFilesResultFromBuffer(several, sizeof several), "C:\\dir\0x\0y"s);
    const char none[] = "\0\0";
    EXPECT_EQ(win32::OpenFilesResultFromBuffer(none, sizeof none), "");
}

TEST(FileDialogsTest, OpenDialogReturnsOneFileOrTheFolderAndNames) {
    const std::string dir = MakeScratchFolder("dialog-open");
    WriteFile(dir + "\\x.txt", "x");
    WriteFile(dir + "\\y.txt", "y");
    SetCurrentDirectoryA(dir.c_str());
    std::string several = Answered([] { return win32::ShowOpenFilesDialog(nullptr, 2048); },
                                   [](HWND dialog) {
                                       TypeFileName(dialog, "\"x.txt\" \"y.txt\"");
                                       Press(dialog, IDOK);
                                   });
    EXPECT_EQ(several, dir + '\0' + "x.txt" + '\0' + "y.txt");

    WriteFile("C:\\cwdialog-root.txt", "r");
    std::string single = Answered([] { return win32::ShowOpenFilesDialog(nullptr, 2048); },
                                  [](HWND dialog) {
                                      TypeFileName(dialog, "C:\\cwdialog-root.txt");
                                      Press(dialog, IDOK);
                                  });
    EXPECT_EQ(single, "C:\\cwdialog-root.txt");
    DeleteFileA("C:\\cwdialog-root.txt");

    std::string cancelled = Answered([] { return win32::ShowOpenFilesDialog(nullptr, 2048); },
                                     [](HWND dialog) { Press(dialog, IDCANCEL); });
    EXPECT_EQ(cancelled, "");
    SetCurrentDirectoryA("C:\\cwtest");
}

TEST(FileDialogsTest, FolderBrowserOpensOnTheInitialSelection) {
    const std::string dir = MakeScratchFolder("dialog-browse");
    CreateDirectoryA((dir + "\\inner").c_str(), nullptr);
    // Wine's browser finds the selection under the root by comparing the two item lists
    // item by item, byte for byte, and each item holds its folder's last access time. A
    // folder written a moment ago has that time moved when it is first read (Linux updates
    // it once after a change), which can fall between the two lists. Read them all first.
    for (const std::string& folder :
         {std::string("C:\\cwtest"), std::string("C:\\cwtest\\scratch"), dir, dir + "\\inner"}) {
        Entries(folder);
    }
    auto ok = [](HWND dialog) {
        WaitForTreeSelection(dialog);
        Press(dialog, IDOK);
    };

    // A path root and a path selection inside it.
    std::string chosen = Answered(
        [&] {
            return win32::ShowFolderBrowser(nullptr, "Pick", ui::FolderRef::Path(dir),
                                            ui::FolderRef::Path(dir + "\\inner"));
        },
        ok);
    EXPECT_EQ(chosen, dir + "\\inner");

    // No root (the desktop) and a special folder as the selection.
    char windows[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_WINDOWS, nullptr, 0, windows);
    chosen = Answered(
        [&] {
            return win32::ShowFolderBrowser(nullptr, "Pick", ui::FolderRef::None(),
                                            ui::FolderRef::Csidl(CSIDL_WINDOWS));
        },
        ok);
    EXPECT_EQ(chosen, windows);

    // (Without a selection the root's item list is selected; Wine's browser lists a root's
    // children without the root itself, so that cannot be seen here.)
    chosen = Answered(
        [&] {
            return win32::ShowFolderBrowser(nullptr, "Pick", ui::FolderRef::None(),
                                            ui::FolderRef::Path(dir));
        },
        [](HWND dialog) { Press(dialog, IDCANCEL); });
    EXPECT_EQ(chosen, "");
}

}  // namespace
}  // namespace cw::testing
