#include "clean/ExplorerCleaners.h"

#include <string>

#include "clean/PlanTargets.h"
#include "clean/WindowsVersion.h"
#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"

namespace cw {

namespace s = settings;

void ExplorerCleaners::PlanTypedUrls(CleaningPlan& plan) {
    PlanRegistryKey(plan, settings_, kHkeyCurrentUser, s::kTypedUrlsKey);
}

void ExplorerCleaners::PlanAutoComplete(CleaningPlan& plan) {
    PlanRegistryKey(plan, settings_, kHkeyCurrentUser, s::kIntelliFormsKey);
    SettingsStore& settings = settings_;
    plan.Add(
        TargetKind::Setting, std::string("HKCU\\") + s::kIEMainKey + "|" + s::kUseFormSuggest, [&] {
            settings.SetSharedString(kHkeyCurrentUser, s::kIEMainKey, s::kUseFormSuggest, "no");
            return true;
        });
    plan.Add(TargetKind::Setting,
             std::string("HKCU\\") + s::kExplorerAutoCompleteKey + "|" + s::kUseAutoComplete, [&] {
                 settings.SetSharedString(kHkeyCurrentUser, s::kExplorerAutoCompleteKey,
                                          s::kUseAutoComplete, "no");
                 return true;
             });
}

void ExplorerCleaners::PlanRunMRU(CleaningPlan& plan) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearRunMRU");
    std::string letters;
    trap([&] {
        letters = settings_.GetSettingString(kHkeyCurrentUser, s::kRunMruKey, s::kMruList);
    });
    for (std::size_t i = 0; i < letters.size(); ++i) {
        // A letter listed twice names one value.
        if (letters.find(letters[i]) != i) continue;
        PlanRegistryValue(plan, settings_, kHkeyCurrentUser, s::kRunMruKey,
                          std::string(1, letters[i]));
    }
    PlanRegistryValue(plan, settings_, kHkeyCurrentUser, s::kRunMruKey, s::kMruList);
}

void ExplorerCleaners::PlanFindFilesMRU(CleaningPlan& plan) {
    const char* key = IsWindows2000(os_) ? s::kFindFilesMru2000Key
                      : IsWindowsXP(os_) ? s::kFindFilesMruXPKey
                                         : s::kFindFilesMruKey;
    PlanRegistryKey(plan, settings_, kHkeyCurrentUser, key);
}

void ExplorerCleaners::PlanFindComputersMRU(CleaningPlan& plan) {
    PlanRegistryKey(plan, settings_, kHkeyCurrentUser, s::kFindComputerMruKey);
    const char* key = IsWindows2000(os_) ? s::kFindComputersMru2000Key
                      : IsWindowsXP(os_) ? s::kFindComputersMruXPKey
                                         : nullptr;  // the same key as above
    if (key) PlanRegistryKey(plan, settings_, kHkeyCurrentUser, key);
}

void ExplorerCleaners::PlanPrinterPortsMRU(CleaningPlan& plan) {
    PlanRegistryKey(plan, settings_, kHkeyCurrentUser, s::kPrnPortsMruKey);
}

}  // namespace cw
