#include "clean/NetscapeUserDir.h"

#include "files/Paths.h"
#include "settings/SettingNames.h"

namespace cw {

std::string GetNetscapeUserDir(SettingsStore& settings) {
    std::string user =
        settings.GetSettingString(kHkeyCurrentUser, settings::kNetscapeBiffKey, "CurrentUser", "");
    std::string install = settings.GetSettingString(kHkeyCurrentUser, settings::kNetscapeMainKey,
                                                    "Install Directory", "");
    // One pass, as a text replacement makes it: pieces that come together after a removal
    // are not removed again.
    const std::string communicator = "Communicator";
    for (std::size_t at = 0; (at = install.find(communicator, at)) != std::string::npos;) {
        install.erase(at, communicator.size());
    }
    // Without an install folder the path would start at the root of the current drive.
    if (user.empty() || install.empty()) return "";
    return AddSlash(install) + "Users\\" + user;
}

}  // namespace cw
