#pragma once

#include "platform/ChangeWatch.h"

namespace cw::win32 {

class Win32ChangeWatch : public ChangeWatch {
  public:
    long Watch(const std::string& folder, std::uint32_t filter,
               std::unique_ptr<FolderWatch>& watch) override;
};

}  // namespace cw::win32
