#pragma once
// Telling what a cleaning could not remove. The interactive run says it in its closing
// message; the panic and scheduled runs show nothing, so they leave their count in the
// settings, where the next interactive run picks it up and says it too.

#include <string>

#include "clean/CleaningPlan.h"
#include "settings/SettingsStore.h"

namespace cw {

// "3 items could not be removed: 2 in use, 1 link." or empty when nothing was left.
std::string DescribeLeftBehind(const LeftCounts& left);

// Adds an unattended run's count to the stored one.
void StoreUnreportedLeftBehind(SettingsStore& settings, const LeftCounts& left);
// The stored count, removed from the settings.
LeftCounts TakeUnreportedLeftBehind(SettingsStore& settings);

}  // namespace cw
