#include "clean/ExplorerCleaners.h"

#include "clean/WindowsVersion.h"
#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"

namespace cw {

namespace s = settings;

void ExplorerCleaners::DeleteTypedUrls() {
    settings_.DeleteSettingKey(kHkeyCurrentUser, s::kTypedUrlsKey);
}

void ExplorerCleaners::DisableAutoComplete() {
    settings_.DeleteSettingKey(kHkeyCurrentUser, s::kIntelliFormsKey);
    settings_.SetSettingString(kHkeyCurrentUser, s::kIEMainKey, s::kUseFormSuggest, "no");
    settings_.SetSettingString(kHkeyCurrentUser, s::kExplorerAutoCompleteKey, s::kUseAutoComplete,
                               "no");
}

void ExplorerCleaners::ClearRunMRU() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "Module,ClearRunMRU");
    std::string letters;
    trap([&] {
        letters = settings_.GetSettingString(kHkeyCurrentUser, s::kRunMruKey, s::kMruList);
    });
    for (char letter : letters) {
        trap([&] {
            settings_.DeleteSettingValue(kHkeyCurrentUser, s::kRunMruKey, std::string(1, letter));
        });
    }
    trap([&] { settings_.DeleteSettingValue(kHkeyCurrentUser, s::kRunMruKey, s::kMruList); });
}

void ExplorerCleaners::ClearFindFilesMRU() {
    const char* key = IsWindows2000(os_) ? s::kFindFilesMru2000Key
                      : IsWindowsXP(os_) ? s::kFindFilesMruXPKey
                                         : s::kFindFilesMruKey;
    settings_.DeleteSettingKey(kHkeyCurrentUser, key);
}

void ExplorerCleaners::ClearFindComputersMRU() {
    settings_.DeleteSettingKey(kHkeyCurrentUser, s::kFindComputerMruKey);
    const char* key = IsWindows2000(os_) ? s::kFindComputersMru2000Key
                      : IsWindowsXP(os_) ? s::kFindComputersMruXPKey
                                         : s::kFindComputerMruKey;
    settings_.DeleteSettingKey(kHkeyCurrentUser, key);
}

void ExplorerCleaners::ClearPrinterPortsMRU() {
    settings_.DeleteSettingKey(kHkeyCurrentUser, s::kPrnPortsMruKey);
}

}  // namespace cw
