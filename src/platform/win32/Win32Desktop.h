#pragma once

#include "platform/Desktop.h"

namespace cw::win32 {

class Win32Desktop : public Desktop {
  public:
    std::vector<WindowHandle> TopLevelWindows() override;
    std::string ClassName(WindowHandle window) override;
    std::string Title(WindowHandle window) override;
    WindowHandle FindByClass(const std::string& className) override;
    bool IsWindow(WindowHandle window) override;
    bool IsVisible(WindowHandle window) override;
    bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
              std::intptr_t lParam) override;
    std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
    bool GetPlacement(WindowHandle window, WindowPlacement& placement) override;
    bool SetPlacement(WindowHandle window, const WindowPlacement& placement) override;
    bool RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers,
                        std::uint32_t key) override;
    bool SetForeground(WindowHandle window) override;
    bool Show(WindowHandle window, int command) override;
    bool Restore(WindowHandle window) override;
};

}  // namespace cw::win32
