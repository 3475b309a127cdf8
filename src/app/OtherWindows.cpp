#include "app/OtherWindows.h"

#include <algorithm>

#include "BuildConfig.h"

namespace cw {

OtherWindows::OtherWindows(Services& services, ui::Timer& timAutoUpdate)
    : s_(services),
      updater_(services.connection, services.transfer, services.settings, services.fileSystem,
               services.pathGuard, services.signatures, services.shell, services.clock,
               services.dialogs, {build::kServerUrl},
               [this] {
                   if (views_) views_->EndProgram();
               }),
      updateWindow_(updater_, services.connection, services.settings, services.errors),
      autoUpdateTimer_(timAutoUpdate, updater_, updateWindow_, services.connection,
                       services.settings, services.dialogs, services.errors) {
    updateWindow_.onShow = [this] { ShowUpdateView(); };
    updateWindow_.onUnload = [this] { Retire(Kind::Update, update_); };
}

OtherWindows::~OtherWindows() {
    // The views let go of the models' controls before the models go.
    for (Shown* shown : {&settings_, &about_, &update_})
        shown->view.reset();
    for (Shown& shown : retired_)
        shown.view.reset();
}

void OtherWindows::ShowSettings() {
    ReleaseRetired();
    if (settings_.view) {
        settings_.view->Show();
        return;
    }
    if (!views_) return;
    auto model =
        std::make_unique<SettingsWindow>(s_.settings, s_.dialogs, s_.shell, *this, s_.errors);
    auto view = views_->CreateSettings(*model, *this);
    if (!view) return;
    settings_.settings = std::move(model);
    Open(Kind::Settings, settings_, std::move(view));
    // The controls show every change the load makes; the window appears filled.
    settings_.settings->Form_Load();
    if (settings_.view) settings_.view->Show();
}

void OtherWindows::ShowAbout() {
    ReleaseRetired();
    if (about_.view) {
        about_.view->Show();
        return;
    }
    if (!views_) return;
    auto model = std::make_unique<AboutWindow>(s_.registry, s_.fileSystem, s_.shell, s_.errors);
    model->onUnload = [this] { UnloadAbout(); };
    auto view = views_->CreateAbout(*model);
    if (!view) return;
    about_.about = std::move(model);
    Open(Kind::About, about_, std::move(view));
    about_.view->Show();
}

void OtherWindows::ShowUpdate() {
    ReleaseRetired();
    updateWindow_.Show();
}

// The update window's model opens itself (the menu item, the automatic check); this is its
// view appearing.
void OtherWindows::ShowUpdateView() {
    if (!update_.view) {
        auto view = views_ ? views_->CreateUpdate(updateWindow_) : nullptr;
        if (!view) return;
        Open(Kind::Update, update_, std::move(view));
    }
    update_.view->Show();
}

void OtherWindows::Open(Kind kind, Shown& shown, std::unique_ptr<OtherWindowView> view) {
    shown.view = std::move(view);
    order_.push_back(kind);
}

void OtherWindows::UnloadSettingsWindow() {
    Retire(Kind::Settings, settings_);
}

void OtherWindows::UnloadAbout() {
    Retire(Kind::About, about_);
}

// The handler that closed the window may still be running inside the window's model and
// view: both are kept until ReleaseRetired finds them idle.
void OtherWindows::Retire(Kind kind, Shown& shown) {
    order_.erase(std::remove(order_.begin(), order_.end(), kind), order_.end());
    if (!shown.view) return;
    shown.view->Close();
    retired_.push_back(std::move(shown));
    shown = Shown{};
}

void OtherWindows::ReleaseRetired() {
    std::erase_if(retired_, [](const Shown& shown) { return !shown.view->InUse(); });
}

void OtherWindows::UnloadAll() {
    while (!order_.empty()) {
        switch (order_.back()) {
            case Kind::Settings:
                UnloadSettingsWindow();
                break;
            case Kind::About:
                UnloadAbout();
                break;
            case Kind::Update:
                // Abandons a download under way, then closes.
                updateWindow_.Form_Unload();
                // A window the model already counted as closed still goes.
                Retire(Kind::Update, update_);
                break;
        }
    }
}

}  // namespace cw
