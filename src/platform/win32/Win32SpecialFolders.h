#pragma once

#include "platform/SpecialFolders.h"

namespace cw::win32 {

class Win32SpecialFolders : public SpecialFolders {
public:
    bool GetFolderPath(int csidl, std::string& path) override;
};

}  // namespace cw::win32
