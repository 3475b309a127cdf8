#pragma once

#include "platform/OsVersion.h"

namespace cw::fakes {

// Reports the version the test sets (Windows XP Professional by default).
class FakeOsVersion : public OsVersion {
  public:
    int Query(OsVersionInfo& out, bool extended) override {
        if (!succeeds || (extended && rejectsExtended)) return 0;
        out = info;
        if (!extended) {
            out.suiteMask = 0;
            out.productType = 0;
        }
        return 1;
    }
    void SetWindows98() { info = {4, 10, 67766446, kPlatformWindows, " A ", 0, 0}; }

    OsVersionInfo info{5, 1, 2600, kPlatformNT, "", 0, 1};
    bool succeeds = true;
    // Windows 95, 98, Me and NT 4.0 before SP6 refuse the extended record.
    bool rejectsExtended = false;
};

}  // namespace cw::fakes
