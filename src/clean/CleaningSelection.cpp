#include "clean/CleaningSelection.h"

#include "clean/CleaningItems.h"
#include "settings/SettingNames.h"
#include "text/Convert.h"

namespace cw {

namespace s = settings;

void LoadCleaningSelection(PrivacyControls& privacy, SettingsStore& settings, ErrorTrap& trap) {
    for (const char* name : s::kCleaningBoxes) {
        trap([&] {
            std::string stored =
                settings.GetSettingString(s::kSettingsRoot, s::kSettingsKey, name, "0");
            BoxByName(privacy, name)->SetValue(text::ToInteger(stored));
        });
    }
}

void SaveCleaningSelection(PrivacyControls& privacy, SettingsStore& settings, ErrorTrap& trap) {
    for (const char* name : s::kCleaningBoxes) {
        trap([&] {
            settings.SetSettingString(s::kSettingsRoot, s::kSettingsKey, name,
                                      text::ToText(BoxByName(privacy, name)->Value()));
        });
    }
}

}  // namespace cw
