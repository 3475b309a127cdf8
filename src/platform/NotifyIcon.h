#pragma once
// The notification-area (tray) icon of a window.

#include <cstdint>
#include <string>

#include "platform/WindowHandle.h"

namespace cw {

inline constexpr std::uint32_t kNifMessage = 0x01;
inline constexpr std::uint32_t kNifIcon = 0x02;
inline constexpr std::uint32_t kNifTip = 0x04;

// The fields of the shell's icon record (NOTIFYICONDATA in its first, 88-byte layout).
struct NotifyIconData {
    WindowHandle window = 0;
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callbackMessage = 0;
    std::uintptr_t icon = 0;  // an icon handle
    std::string tip;          // at most 63 characters are shown
};

class NotifyIcon {
  public:
    virtual ~NotifyIcon() = default;
    // NIM_ADD; false when the shell refused it (an icon of that window and id exists).
    virtual bool Add(const NotifyIconData& data) = 0;
    // NIM_DELETE of the icon with the record's window and id; false when there was none.
    virtual bool Delete(const NotifyIconData& data) = 0;
};

}  // namespace cw
