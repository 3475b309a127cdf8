#include "browser/BrowserWindowHider.h"

namespace cw {

void BrowserWindowHider::HideBrowserWindows() {
    hidden_.assign(1, HiddenWindow{});
    for (WindowHandle window : desktop_.TopLevelWindows()) {
        if (!EnumBrowserWindow(window)) break;
    }
}

bool BrowserWindowHider::EnumBrowserWindow(WindowHandle window) {
    std::string className = GetWindowClass(window);
    if (className != "CabinetWClass" && className != "IEFrame") return true;
    WindowPlacement placement;
    placement.length = 44;
    // A window that closed in the meantime has no placement to keep; hiding it with an
    // empty one would send it to the screen's corner when it is restored.
    if (!desktop_.GetPlacement(window, placement)) return true;
    hidden_.back() = {window, placement};
    hidden_.push_back(HiddenWindow{});
    placement.showCmd = kSwHide;
    desktop_.SetPlacement(window, placement);
    return true;
}

void BrowserWindowHider::RestoreBrowserWindows() {
    // A window closed since it was hidden refuses its placement; the others still come back.
    for (auto it = hidden_.rbegin(); it != hidden_.rend(); ++it) {
        if (it->window != 0) desktop_.SetPlacement(it->window, it->placement);
    }
}

std::string BrowserWindowHider::GetWindowClass(WindowHandle window) {
    return desktop_.ClassName(window);
}

}  // namespace cw
