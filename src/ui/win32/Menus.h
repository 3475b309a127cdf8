#pragma once
// Menus built from menu item models: the window's menu bar and pop-up menus. A click on an
// item runs its model's Click; a caption of "-" makes a separator.

#include <windows.h>

#include <vector>

#include "ui/Controls.h"
#include "ui/win32/ControlHost.h"

namespace cw::win32 {

struct MenuEntry {
    ui::MenuItem* item = nullptr;
    int id = 0;
    std::vector<MenuEntry> children;
};

// The menu bar of the host's window: one drop-down per top-level entry, leaving out the
// entries whose model is not visible (menus that only pop up).
HMENU BindMenuBar(ControlHost& host, const std::vector<MenuEntry>& entries);
// A pop-up menu of the entry's children; the caller destroys it (DestroyMenu).
HMENU BindPopupMenu(ControlHost& host, const MenuEntry& entry);

// Shows a pop-up menu at the mouse position for the host's window and runs the chosen
// item before it returns.
void TrackPopup(ControlHost& host, HMENU menu);

}  // namespace cw::win32
