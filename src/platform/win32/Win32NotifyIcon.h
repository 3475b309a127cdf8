#pragma once

#include "platform/NotifyIcon.h"

namespace cw::win32 {

class Win32NotifyIcon : public NotifyIcon {
  public:
    bool Add(const NotifyIconData& data) override;
    bool Delete(const NotifyIconData& data) override;
};

}  // namespace cw::win32
