#pragma once
// The main window model on the fakes, with a view that hides, shows and minimises it on the
// fake desktop, as the main window tests start from.

#include <string>

#include "app/MainWindow.h"
#include "fakes/FakeMainView.h"
#include "fakes/FakeServices.h"
#include "settings/SettingNames.h"

namespace cw::testing {

struct MainWindowWorld {
    fakes::FakeServices f;
    fakes::FakeMainView view{f.desktop};
    MainWindow window{f.services};
    MainControls& c = window.Controls();

    MainWindowWorld() {
        window.AttachView(view);
        view.onResize = [this] { window.Form_Resize(); };
    }
    void Store(const std::string& name, const std::string& text) {
        f.registry.SetString(settings::kSettingsRoot, settings::kSettingsKey, name, text);
    }
    std::string Stored(const std::string& name) {
        return f.settings.GetSettingString(settings::kSettingsRoot, settings::kSettingsKey, name,
                                           "<none>");
    }
};

}  // namespace cw::testing
