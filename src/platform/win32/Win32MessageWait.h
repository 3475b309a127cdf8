#pragma once

#include "platform/MessageWait.h"

namespace cw::win32 {

class Win32MessageWait : public MessageWait {
  public:
    void WaitForMessages(std::uint32_t ms) override;
};

}  // namespace cw::win32
