#pragma once
// The ticked cleaning items, kept between runs of the program: one string value per box
// under the settings key, named as the box, "1" for ticked and "0" for not.

#include "clean/PrivacyControls.h"
#include "settings/SettingsStore.h"

namespace cw {

// Sets every box from its stored value (missing reads as "0"). A value that is not a
// number leaves its box as it is and the next box is still loaded.
void LoadCleaningSelection(PrivacyControls& privacy, SettingsStore& settings);
// Stores every box's state as decimal text.
void SaveCleaningSelection(PrivacyControls& privacy, SettingsStore& settings);

}  // namespace cw
