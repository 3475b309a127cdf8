#pragma once
// Top-level windows of the desktop: enumeration, classes, titles, placement, messages,
// hotkeys and activation.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WindowHandle.h"

namespace cw {

// WINDOWPLACEMENT, field by field.
struct WindowPlacement {
    std::uint32_t length = 44;
    std::uint32_t flags = 0;
    std::uint32_t showCmd = 0;
    std::int32_t minX = 0, minY = 0;
    std::int32_t maxX = 0, maxY = 0;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShowMinimized = 2;
inline constexpr int kSwShowMaximized = 3;
inline constexpr int kSwShow = 5;
inline constexpr int kSwMinimize = 6;
inline constexpr int kSwRestore = 9;

inline constexpr std::uint32_t kWmClose = 0x0010;
inline constexpr std::uint32_t kWmCommand = 0x0111;

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Every top-level window, in EnumWindows order (hidden ones included).
    virtual std::vector<WindowHandle> TopLevelWindows() = 0;
    // GetClassNameA into a buffer of 255 characters.
    virtual std::string ClassName(WindowHandle window) = 0;
    // GetWindowTextA of the whole title.
    virtual std::string Title(WindowHandle window) = 0;
    // FindWindowA with a class and no title (an empty class text means any class).
    virtual WindowHandle FindByClass(const std::string& className) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;
    // IsWindowVisible: the window has the visible style (its parents too).
    virtual bool IsVisible(WindowHandle window) = 0;
    virtual bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) = 0;
    virtual std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) = 0;
    // The show command reported is 1 (normal), 2 (minimised) or 3 (maximised), also for a
    // hidden window; a placement applied with show command 0 hides the window and keeps
    // its state.
    virtual bool GetPlacement(WindowHandle window, WindowPlacement& placement) = 0;
    virtual bool SetPlacement(WindowHandle window, const WindowPlacement& placement) = 0;
    virtual bool RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers,
                                std::uint32_t key) = 0;
    virtual bool SetForeground(WindowHandle window) = 0;
    // ShowWindow; answers whether the window was visible before.
    virtual bool Show(WindowHandle window, int command) = 0;
    // OpenIcon: restores a minimised window; false when it was not minimised.
    virtual bool Restore(WindowHandle window) = 0;
};

}  // namespace cw
