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
                             ui::Dialogs& dialogs, std::string caption)
    : c_(controls),
      settings_(settings),
      shell_(shell),
      dialogs_(dialogs),
      caption_(std::move(caption)) {
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
    Registry& registry = settings_.registry();
    bool written = true;
    for (const auto& [name, data] : values) {
        // Internet Explorer reads these with their terminating zero.
        written = registry.SetValue(kHkeyLocalMachine, settings::kBrowserButtonKey, name,
                                    RegValue{kRegSz, data + '\0'}) == kErrorSuccess &&
                  written;
    }
    if (!written) {
        dialogs_.MsgBox(kButtonNotAdded, ui::vbExclamation);
        return;
    }
    c_.mAddMSIE.SetEnabled(false);
    c_.mDeleteMSIE.SetEnabled(true);
}

void BrowserButton::RemoveBrowserButton() {
    Registry& registry = settings_.registry();
    long status = registry.DeleteKey(kHkeyLocalMachine, settings::kBrowserButtonKey);
    if (status != kErrorSuccess &&
        registry.KeyExists(kHkeyLocalMachine, settings::kBrowserButtonKey)) {
        dialogs_.MsgBox(kButtonNotRemoved, ui::vbExclamation);
        return;
    }
    c_.mDeleteMSIE.SetEnabled(false);
    c_.mAddMSIE.SetEnabled(true);
}

}  // namespace cw
