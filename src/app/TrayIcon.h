#pragma once
// The program's notification-area icon: added at load, removed at unload and by the panic
// run. Its mouse messages come to the main window as kTrayCallbackMessage.

#include <cstdint>
#include <string>

#include "platform/NotifyIcon.h"

namespace cw {

// The icon's own message (WM_APP + 1). The icon does not borrow the window's mouse-move
// message: a mouse move over the window at x = 514, 515 or 517 would otherwise read as a
// click on the icon.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x8001;
inline constexpr std::uint32_t kTrayIconId = 1;
// The icon's mouse messages, as lParam of the callback message.
inline constexpr int kTrayLeftButtonUp = 0x0202;     // 514
inline constexpr int kTrayLeftDoubleClick = 0x0203;  // 515
inline constexpr int kTrayRightButtonUp = 0x0205;    // 517
// The tip field's length in the icon record.
inline constexpr std::size_t kTrayTipField = 64;

class TrayIcon {
  public:
    explicit TrayIcon(NotifyIcon& tray) : tray_(tray) {}

    // Fills the record (window, id 1, message, icon and tip valid; the caption padded with
    // blanks to the tip field) and adds the icon; false when the shell refused it.
    bool Add(WindowHandle window, std::uintptr_t icon, const std::string& caption);
    // Removes the icon with the same record; nothing happens when it is not there.
    void Remove();
    // The shell made a new taskbar, without the icons of the old one: adds the icon again
    // unless it was removed.
    void TaskbarCreated();
    // Whether the icon is in the notification area, where the user can reach the program.
    bool Shown() const { return shown_; }
    const NotifyIconData& Record() const { return record_; }

  private:
    NotifyIcon& tray_;
    NotifyIconData record_;
    bool wanted_ = false;
    bool shown_ = false;
};

}  // namespace cw
