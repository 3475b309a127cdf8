#include "browser/BrowserButton.h"

#include <utility>

#include "files/Paths.h"
#include "settings/SettingNames.h"

namespace cw {

namespace {

// The executable's name without its extension.
std::string BaseName(const std::string& modulePath) {
    std::string name = FileNamePart(modulePath);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

BrowserButton::BrowserButton(BrowserButtonControls& controls, SettingsStore& settings, Shell& shell,
                             std::string caption)
    : c_(controls), settings_(settings), shell_(shell), caption_(std::move(caption)) {
    c_.mAddMSIE.onClick = [this] { AddBrowserButton(); };
    c_.mDeleteMSIE.onClick = [this] { RemoveBrowserButton(); };
}

void BrowserButton::AddBrowserButton() {
    const std::string modulePath = shell_.ModulePath();
    const std::string folder = FolderPart(modulePath);
    const std::string values[][2] = {
        {"ButtonText", caption_},
        {"CLSID", kExecButtonClsid},
        {"Default Visible", "Yes"},
        {"Exec", folder + "\\" + BaseName(modulePath)},
        {"HotIcon", folder + "\\" + kButtonIconFile},
        {"Icon", folder + "\\" + kButtonIconFile},
        {"MenuStatusBar", caption_},
        {"MenuText", caption_},
    };
    for (const auto& [name, data] : values) {
        settings_.SetSharedString(kHkeyLocalMachine, settings::kBrowserButtonKey, name, data);
    }
    c_.mAddMSIE.SetEnabled(false);
    c_.mDeleteMSIE.SetEnabled(true);
}

void BrowserButton::RemoveBrowserButton() {
    settings_.DeleteSettingKey(kHkeyLocalMachine, settings::kBrowserButtonKey);
    c_.mDeleteMSIE.SetEnabled(false);
    c_.mAddMSIE.SetEnabled(true);
}

}  // namespace cw
