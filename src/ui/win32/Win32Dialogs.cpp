#include "ui/win32/Win32Dialogs.h"

#include "ui/win32/DialogKeys.h"
#include "ui/win32/Win32FileDialogs.h"

namespace cw::win32 {

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
    return ShowOpenFilesDialog(owner_, bufferChars);
}

std::string Win32Dialogs::BrowseForFolder(const std::string& title, const ui::FolderRef& root,
                                          const ui::FolderRef& initialSelection) {
    return ShowFolderBrowser(owner_, title, root, initialSelection);
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
