#pragma once
// Hiding and restoring every Internet Explorer and Explorer folder window at once, for the
// hotkeys Windows+Z and Windows+Shift+Z.

#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace cw {

struct HiddenWindow {
    WindowHandle window = 0;
    WindowPlacement placement;
};

class BrowserWindowHider {
  public:
    explicit BrowserWindowHider(Desktop& desktop) : desktop_(desktop) {}

    // Starts the list afresh (windows hidden earlier and not restored are forgotten), then
    // hides every top-level window of class "IEFrame" or "CabinetWClass", hidden ones
    // included, keeping the placement each had.
    void HideBrowserWindows();
    // Applies the kept placements again, last hidden first. The list stays, so a second
    // restore applies them again; before any hide it does nothing.
    void RestoreBrowserWindows();
    // One window of the enumeration; true to go on with the next.
    bool EnumBrowserWindow(WindowHandle window);
    std::string GetWindowClass(WindowHandle window);

    // The kept windows; after a hide the last element is an empty record (handle 0).
    const std::vector<HiddenWindow>& HiddenBrowserWindows() const { return hidden_; }

  private:
    Desktop& desktop_;
    std::vector<HiddenWindow> hidden_;
};

}  // namespace cw
