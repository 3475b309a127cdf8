#pragma once
// What the main window model asks of the real window: showing and hiding it, its state,
// the pop-up menu and closing it. The Win32 view implements it; tests fake it.

#include <cstdint>

#include "platform/WindowHandle.h"
#include "shred/ClsDrag.h"
#include "ui/Controls.h"

namespace cw {

// The class of the main window, by which a second copy of the program finds the first.
inline constexpr char kMainWindowClass[] = "ClearwellMain";

enum class WindowState { Normal, Minimized, Maximized };

// Why the main window is asked to close, numbered as the program has always numbered it.
enum class UnloadMode {
    FormControlMenu = 0,  // the window's close box or system menu
    FormCode = 1,         // the program closes it (menu Exit, tray Exit, panic run)
    AppWindows = 2,       // Windows is shutting down or the user logs off
    AppTaskManager = 3,   // the task manager ends the program
};

class MainView {
  public:
    virtual ~MainView() = default;
    virtual WindowHandle Handle() const = 0;
    // The window's icon handle, shown in the notification area.
    virtual std::uintptr_t Icon() const = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual WindowState State() const = 0;
    // Minimising raises the window's resize event, as the user's minimising does.
    virtual void SetState(WindowState state) = 0;
    // Shows a pop-up menu of the menu item's children at the mouse position and runs the
    // chosen item before it returns.
    virtual void ShowPopupMenu(ui::MenuItem& menu) = 0;
    // Makes the shred list a target for files dropped from the shell; the first dropped
    // item of each drop goes to the model.
    virtual void AcceptDroppedFiles(ClsDrag& target) = 0;
    // Destroys the window after its unload ran; the program's message loop then ends.
    virtual void Close() = 0;
};

}  // namespace cw
