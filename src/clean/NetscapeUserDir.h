#pragma once
// The Netscape Navigator profile folder: the install folder with every "Communicator"
// removed, then "Users\" and the current user name, without a trailing backslash. Empty when
// no user name or no install folder is stored, so that no path is built from nothing.

#include <string>

#include "settings/SettingsStore.h"

namespace cw {

std::string GetNetscapeUserDir(SettingsStore& settings);

}  // namespace cw
