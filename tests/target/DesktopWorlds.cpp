// The contract tests of the target build run against the Win32 implementations, with real
// windows of this process.

#include <windows.h>

#include <set>
#include <vector>

#include "contract/DesktopWorld.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32NotifyIcon.h"

namespace cw::contract {

namespace {

class Win32DesktopWorld : public DesktopWorld {
  public:
    ~Win32DesktopWorld() override {
        for (HWND w : windows_) {
            if (IsWindow(w)) DestroyWindow(w);
        }
        Pump();
    }
    Desktop& desktop() override { return desktop_; }
    NotifyIcon& notifyIcon() override { return tray_; }

    WindowHandle Open(const std::string& className, const std::string& title) override {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        if (registered_.insert(className).second) {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = instance;
            wc.lpszClassName = className.c_str();
            RegisterClassA(&wc);  // fails harmlessly when an earlier world registered it
        }
        int offset = static_cast<int>(windows_.size()) * 20;
        HWND w = CreateWindowExA(0, className.c_str(), title.c_str(),
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100 + offset, 100 + offset, 300,
                                 200, nullptr, nullptr, instance, nullptr);
        windows_.push_back(w);
        Pump();
        return reinterpret_cast<WindowHandle>(w);
    }

    void Pump() override {
        DWORD start = GetTickCount();
        MSG msg;
        do {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(10);
        } while (GetTickCount() - start < 100);
    }

  private:
    win32::Win32Desktop desktop_;
    win32::Win32NotifyIcon tray_;
    std::vector<HWND> windows_;
    static inline std::set<std::string> registered_;
};

}  // namespace

std::unique_ptr<DesktopWorld> MakeDesktopWorld() {
    return std::make_unique<Win32DesktopWorld>();
}

}  // namespace cw::contract
