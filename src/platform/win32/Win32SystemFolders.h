#pragma once

#include "platform/SystemFolders.h"

namespace cw::win32 {

class Win32SystemFolders : public SystemFolders {
  public:
    bool GetFolderPath(int csidl, std::string& path) override;
};

}  // namespace cw::win32
