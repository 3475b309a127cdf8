#include "clean/NetscapeUserDir.h"

#include "files/Paths.h"
#include "settings/SettingNames.h"

namespace cw {

std::string GetNetscapeUserDir(SettingsStore& settings) {
    std::string user = settings.GetSettingString(kHkeyCurrentUser, settings::kNetscapeBiffKey,
                                                 "CurrentUser", "");
    std::string install = settings.GetSettingString(kHkeyCurrentUser, settings::kNetscapeMainKey,
                                                    "Install Directory", "");
    const std::string communicator = "Communicator";
    for (std::size_t at; (at = install.find(communicator)) != std::string::npos;) {
        install.erase(at, communicator.size());
    }
    if (user.empty()) return "";
    return AddSlash(install) + "Users\\" + user;
}

}  // namespace cw
