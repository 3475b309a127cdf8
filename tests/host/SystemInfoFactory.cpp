#include "contract/SystemInfoContract.h"
#include "fakes/FakeSystemInfo.h"

namespace cw::contract {

std::unique_ptr<SystemInfo> MakeSystemInfo() {
    return std::make_unique<fakes::FakeSystemInfo>();
}

}  // namespace cw::contract
