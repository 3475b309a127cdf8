#pragma once
// Message boxes, the Open dialog, the folder browser, "let pending messages through" and
// the hourglass, owned by the program's main window once it exists.

#include <windows.h>

#include "ui/Dialogs.h"

namespace cw::win32 {

class Win32Dialogs : public ui::Dialogs {
  public:
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    std::string OpenFiles(std::size_t bufferChars) override;
    std::string BrowseForFolder(const std::string& title, const ui::FolderRef& root,
                                const ui::FolderRef& initialSelection) override;
    void DoEvents() override;
    void SetWaitCursor(bool wait) override;

    void SetOwner(HWND owner) { owner_ = owner; }
    // Whether the hourglass is on; the window shows it while the mouse is over it.
    bool Waiting() const { return waiting_; }
    // True once DoEvents met the end of the message loop (it posts the quit again).
    bool QuitSeen() const { return quitSeen_; }

  private:
    HWND owner_ = nullptr;
    bool waiting_ = false;
    bool quitSeen_ = false;
};

}  // namespace cw::win32
