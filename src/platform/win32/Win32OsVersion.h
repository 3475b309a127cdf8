#pragma once

#include "platform/OsVersion.h"

namespace cw::win32 {

class Win32OsVersion : public OsVersion {
  public:
    int Query(OsVersionInfo& info, bool extended) override;
};

}  // namespace cw::win32
