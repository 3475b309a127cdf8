#include "app/win32/Win32Dialogs.h"

#include "app/win32/DialogKeys.h"

#include <commdlg.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace cw::win32 {

namespace {

// A special-folder number or a path as an item list of the shell; null for none.
LPITEMIDLIST ItemList(HWND owner, const ui::FolderRef& ref) {
    LPITEMIDLIST list = nullptr;
    if (ref.kind == ui::FolderRef::Kind::Csidl) {
        if (SHGetSpecialFolderLocation(owner, ref.csidl, &list) != S_OK) return nullptr;
    } else if (ref.kind == ui::FolderRef::Kind::Path) {
        IShellFolder* desktop = nullptr;
        if (SHGetDesktopFolder(&desktop) != S_OK || !desktop) return nullptr;
        std::wstring wide(ref.path.size() + 1, L'\0');
        MultiByteToWideChar(CP_ACP, 0, ref.path.c_str(), -1, wide.data(),
                            static_cast<int>(wide.size()));
        if (desktop->ParseDisplayName(owner, nullptr, wide.data(), nullptr, &list, nullptr) !=
            S_OK) {
            list = nullptr;
        }
        desktop->Release();
    }
    return list;
}

struct BrowseStart {
    const ui::FolderRef* selection;
    LPITEMIDLIST selectionList;
};

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message != BFFM_INITIALIZED) return 0;
    auto* start = reinterpret_cast<BrowseStart*>(data);
    if (start->selectionList) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE,
                     reinterpret_cast<LPARAM>(start->selectionList));
    } else if (start->selection->kind == ui::FolderRef::Kind::Path) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE,
                     reinterpret_cast<LPARAM>(start->selection->path.c_str()));
    }
    return 0;
}

}  // namespace

int Win32Dialogs::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    // The box belongs to the window the user works in (a settings window's message to the
    // settings window), else to the main window. With no window at all yet (the update
    // relay at start-up), it comes to the front by itself.
    HWND owner = GetActiveWindow();
    if (!owner) owner = owner_;
    UINT style = static_cast<UINT>(buttons);
    if (!owner) style |= MB_SETFOREGROUND;
    return MessageBoxA(owner, prompt.c_str(), title.c_str(), style);
}

std::string Win32Dialogs::OpenFiles(std::size_t bufferChars) {
    if (bufferChars < 2) bufferChars = 2;
    std::vector<char> buffer(bufferChars, '\0');
    static const char kFilter[] = "All Files\0*.*\0";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the size every Windows accepts
    ofn.hwndOwner = owner_;
    ofn.lpstrFilter = kFilter;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(bufferChars);
    ofn.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER;
    if (!GetOpenFileNameA(&ofn)) return "";
    // One path, or the folder and the names, each ended by a zero; a second zero ends all.
    std::size_t end = 0;
    while (end + 1 < bufferChars && !(buffer[end] == '\0' && buffer[end + 1] == '\0'))
        ++end;
    return std::string(buffer.data(), end);
}

std::string Win32Dialogs::BrowseForFolder(const std::string& title, const ui::FolderRef& root,
                                          const ui::FolderRef& initialSelection) {
    BrowseStart start{&initialSelection, nullptr};
    if (initialSelection.kind == ui::FolderRef::Kind::Csidl) {
        start.selectionList = ItemList(owner_, initialSelection);
    }
    LPITEMIDLIST rootList = ItemList(owner_, root);
    char display[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner_;
    info.pidlRoot = rootList;
    info.pszDisplayName = display;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&start);
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    std::string path;
    if (chosen) {
        char buffer[MAX_PATH] = {};
        if (SHGetPathFromIDListA(chosen, buffer)) path = buffer;
        CoTaskMemFree(chosen);
    }
    if (rootList) CoTaskMemFree(rootList);
    if (start.selectionList) CoTaskMemFree(start.selectionList);
    return path;
}

void Win32Dialogs::DoEvents() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The message loop must still see the end of the program.
            quitSeen_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (TranslateDialogKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Win32Dialogs::SetWaitCursor(bool wait) {
    waiting_ = wait;
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(wait ? IDC_WAIT : IDC_ARROW)));
}

}  // namespace cw::win32
