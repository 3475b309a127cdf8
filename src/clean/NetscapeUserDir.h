#pragma once
// The Netscape Navigator profile folder: the install folder with every "Communicator"
// removed, then "Users\" and the current user name. Empty when no user name is stored.

#include <string>

#include "settings/SettingsStore.h"

namespace cw {

std::string GetNetscapeUserDir(SettingsStore& settings);

}  // namespace cw
