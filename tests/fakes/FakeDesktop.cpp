#include "fakes/FakeDesktop.h"

#include <algorithm>

namespace cw::fakes {

std::string FakeDesktop::ClassName(WindowHandle window) {
    FakeWindow* w = Find(window);
    return w ? w->className.substr(0, 254) : "";
}

WindowHandle FakeDesktop::FindByClass(const std::string& className) {
    for (WindowHandle w : zOrder_) {
        if (className.empty() || windows_[w].className == className) return w;
    }
    return 0;
}

bool FakeDesktop::Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    posted.push_back({window, message, wParam, lParam});
    FakeWindow* w = Find(window);
    if (w && message == kWmClose && w->closesOnRequest) Remove(window);
    return w != nullptr;
}

void FakeDesktop::Remove(WindowHandle window) {
    windows_.erase(window);
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), window), zOrder_.end());
}

void FakeDesktop::ApplyShowCommand(FakeWindow& window, int command) {
    // The state each command from SW_HIDE to SW_FORCEMINIMIZE leaves: normal (SW_SHOWNORMAL,
    // SW_SHOWNOACTIVATE, SW_RESTORE, SW_SHOWDEFAULT), minimised or maximised; 0 keeps it.
    static const std::uint32_t kStateAfter[12] = {0, 1, 2, 3, 1, 0, 2, 2, 0, 1, 1, 2};
    std::uint32_t& state = window.placement.showCmd;
    window.visible = command != kSwHide;
    if (command > 0 && command < 12 && kStateAfter[command]) state = kStateAfter[command];
    if (window.visible && (state < kSwShowNormal || state > kSwShowMaximized))
        state = kSwShowNormal;
}

std::intptr_t FakeDesktop::Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
    sent.push_back({window, message, wParam, lParam});
    return sendResult;
}

bool FakeDesktop::GetPlacement(WindowHandle window, WindowPlacement& placement) {
    FakeWindow* w = Find(window);
    if (w) placement = w->placement;
    return w != nullptr;
}

bool FakeDesktop::SetPlacement(WindowHandle window, const WindowPlacement& placement) {
    FakeWindow* w = Find(window);
    if (!w) return false;
    std::uint32_t state = w->placement.showCmd;
    w->placement = placement;
    w->placement.showCmd = state;
    ApplyShowCommand(*w, static_cast<int>(placement.showCmd));
    return true;
}

bool FakeDesktop::Show(WindowHandle window, int command) {
    FakeWindow* w = Find(window);
    bool wasVisible = w && w->visible;
    if (w) ApplyShowCommand(*w, command);
    return wasVisible;  // ShowWindow answers whether the window was visible before
}

bool FakeDesktop::Restore(WindowHandle window) {
    FakeWindow* w = Find(window);
    if (!w || w->placement.showCmd != kSwShowMinimized) return false;  // as OpenIcon answers
    ApplyShowCommand(*w, kSwRestore);
    return true;
}

WindowHandle FakeDesktop::Add(const std::string& className, const std::string& title,
                              bool closesOnRequest) {
    WindowHandle w = next_ += 4;
    windows_[w] = {.className = className,
                   .title = title,
                   .placement = {.showCmd = kSwShowNormal, .right = 400, .bottom = 300},
                   .closesOnRequest = closesOnRequest};
    zOrder_.insert(zOrder_.begin(), w);
    return w;
}

}  // namespace cw::fakes
