// Entry point of Clearwell.exe: the platform, the single-instance check, the update relay,
// then the main window and its message loop.

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/win32/MainFrame.h"
#include "app/win32/OtherWindowFrames.h"
#include "app/win32/SingleInstance.h"
#include "app/win32/Win32Platform.h"

namespace {

int RunClearwell() {
    using namespace cw;
    win32::Win32Platform platform;
    Services& services = platform.services();
    win32::SingleInstance instance;
    if (!instance.Acquire(services.desktop, services.errors, UpdateRelayPending(services))) {
        return 0;
    }
    if (ProcessUpdateState(services)) return 0;

    // The other windows' views go after the main window's model, which owns them.
    win32::OtherWindowFrames others(services.errors);
    MainWindow window(services);
    window.AttachOtherViews(others);
    win32::MainFrame frame(window, platform.dialogs(), services.errors);
    window.AttachView(frame);
    platform.dialogs().SetOwner(frame.hwnd());
    window.Form_Load();
    if (!window.Unloaded()) frame.Show();
    return frame.Run();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    // The folder browser and the shell's item lists need COM on this thread.
    CoInitialize(nullptr);
    int code = 1;
    try {
        code = RunClearwell();
    } catch (...) {
        // Nothing is left to report to: the program ends as it would have.
    }
    CoUninitialize();
    return code;
}
