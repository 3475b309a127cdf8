#pragma once
// The program's hotkeys: two system-wide ones that hide and restore the browser windows,
// and the main window's own activation key.

#include <cstdint>

#include "platform/Desktop.h"
#include "ui/Dialogs.h"

namespace cw {

inline constexpr int kHideHotKeyId = 95;
inline constexpr int kRestoreHotKeyId = 111;
inline constexpr std::uint32_t kModShift = 0x04;
inline constexpr std::uint32_t kModWin = 0x08;
inline constexpr std::uint32_t kHotKeyZ = 0x5A;
// The main window's activation key for WM_SETHOTKEY: the virtual key in the low byte, the
// modifiers in the high one. Ctrl+Shift+Q (0x0351), not Shift+Q (0x0151): a window hotkey
// holds for the whole system, and Shift+Q would take every capital Q typed in any program.
inline constexpr std::uintptr_t kWindowHotKey = 0x0351;
inline constexpr std::uint32_t kWmSetHotKey = 0x0032;

// Gives the window its activation hotkey. When the system refuses the key (it is invalid,
// or another window holds it) the user is told "You need another hotkey". A system without
// window hotkeys (Wine answers 0, as for an invalid window) is left alone: the message
// would appear at every start and there is no other key to choose.
void SetWindowHotKey(Desktop& desktop, ui::Dialogs& dialogs, WindowHandle window,
                     std::uintptr_t hotKey);

}  // namespace cw
