#pragma once
// A desktop of scripted top-level windows. Posted messages are recorded; a window can be
// made to close when it receives WM_CLOSE, or to refuse. Show commands act as on Windows:
// the placement's show command holds the window's state (1 normal, 2 minimised,
// 3 maximised) and hiding changes only its visibility.

#include <map>
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace cw::fakes {

struct FakeWindow {
    std::string className;
    std::string title;
    WindowPlacement placement;
    bool closesOnRequest = true;
    bool visible = true;
};

struct PostedMessage {
    WindowHandle window = 0;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

struct HotKey {
    int id = 0;
    std::uint32_t modifiers = 0;
    std::uint32_t key = 0;
};

class FakeDesktop : public Desktop {
  public:
    std::vector<WindowHandle> TopLevelWindows() override { return zOrder_; }
    std::string ClassName(WindowHandle window) override;
    std::string Title(WindowHandle w) override { return IsWindow(w) ? windows_[w].title : ""; }
    WindowHandle FindByClass(const std::string& className) override;
    bool IsWindow(WindowHandle window) override { return windows_.count(window) != 0; }
    bool IsVisible(WindowHandle w) override { return IsWindow(w) && windows_[w].visible; }
    bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
              std::intptr_t lParam) override;
    std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
    bool GetPlacement(WindowHandle window, WindowPlacement& placement) override;
    bool SetPlacement(WindowHandle window, const WindowPlacement& placement) override;
    bool RegisterHotKey(WindowHandle, int id, std::uint32_t modifiers, std::uint32_t key) override {
        hotkeys.push_back({id, modifiers, key});
        return true;
    }
    bool SetForeground(WindowHandle) override { return true; }
    bool Show(WindowHandle window, int command) override;
    bool Restore(WindowHandle window) override;

    // Adds a window on top of the Z-order (enumerated first); returns its handle.
    WindowHandle Add(const std::string& className, const std::string& title,
                     bool closesOnRequest = true);
    // Closes a window as its owner would.
    void Remove(WindowHandle window);
    FakeWindow& Window(WindowHandle window) { return windows_.at(window); }

    std::vector<PostedMessage> posted;
    std::vector<PostedMessage> sent;
    std::vector<HotKey> hotkeys;
    std::intptr_t sendResult = 1;

  private:
    void ApplyShowCommand(FakeWindow& window, int command);
    FakeWindow* Find(WindowHandle window) {
        auto it = windows_.find(window);
        return it == windows_.end() ? nullptr : &it->second;
    }

    std::map<WindowHandle, FakeWindow> windows_;
    std::vector<WindowHandle> zOrder_;  // top first
    WindowHandle next_ = 0x1000;
};

}  // namespace cw::fakes
