#pragma once

#include "platform/Internet.h"

namespace cw::win32 {

class Win32Internet : public Internet {
  public:
    bool GetConnectedState(std::uint32_t& flags) override;
    bool ProbeUrl(const std::string& url, const std::string& agent,
                  std::uint32_t timeoutMs) override;
    std::unique_ptr<Transfer> CreateTransfer(const std::string& agent) override;
};

}  // namespace cw::win32
