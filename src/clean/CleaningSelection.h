#pragma once
// The ticked cleaning items, kept between runs of the program: one string value per box
// under the settings key, named as the box, "1" for ticked and "0" for not.

#include "clean/PrivacyControls.h"
#include "errors/ErrorTrap.h"
#include "settings/SettingsStore.h"

namespace cw {

// Sets every box from its stored value (missing reads as "0"), each box under the caller's
// trap: a value that is not a number leaves its box as it is, and the next box is still
// loaded.
void LoadCleaningSelection(PrivacyControls& privacy, SettingsStore& settings, ErrorTrap& trap);
// Stores every box's state as decimal text, each box under the caller's trap.
void SaveCleaningSelection(PrivacyControls& privacy, SettingsStore& settings, ErrorTrap& trap);

}  // namespace cw
