#include "app/OtherWindows.h"

#include <algorithm>

#include "BuildConfig.h"

namespace cw {

OtherWindows::OtherWindows(Services& services, ui::Timer& timAutoUpdate, ItemCleaners& cleaners)
    : s_(services),
      cleaners_(cleaners),
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
    updateWindow_.onUnload = [this] { Retire(update_); };
    settings_.unload = [this] { UnloadSettingsWindow(); };
    // Abandons a download under way; a window the model already counted as closed still
    // goes.
    update_.unload = [this] {
        updateWindow_.Form_Unload();
        Retire(update_);
    };
    for (Slot* slot : {&about_, &analysis_, &keep_})
        slot->unload = [this, slot] { Retire(*slot); };
}

OtherWindows::~OtherWindows() {
    // The views let go of the models' controls before the models go.
    for (Slot* slot : {&settings_, &about_, &update_, &analysis_, &keep_})
        slot->shown.view.reset();
    for (Shown& shown : retired_)
        shown.view.reset();
}

void OtherWindows::Open(Slot& slot, const std::function<Shown()>& make,
                        const std::function<void()>& filled, const std::function<void()>& refresh) {
    ReleaseRetired();
    if (!slot.shown.view) {
        if (!views_) return;
        Shown shown = make();
        if (!shown.view) return;
        slot.shown = std::move(shown);
        order_.push_back(&slot);
        // The controls show every change the filling makes; the window appears filled.
        if (filled) filled();
        if (!slot.shown.view) return;
    } else if (refresh) {
        refresh();
    }
    slot.shown.view->Show();
}

void OtherWindows::ShowSettings() {
    Open(
        settings_,
        [this] {
            auto model = std::make_shared<SettingsWindow>(s_.settings, s_.dialogs, s_.shell, *this,
                                                          s_.errors);
            auto view = views_->CreateSettings(*model, *this);
            return Shown{std::move(model), std::move(view)};
        },
        [this] { Settings()->Form_Load(); });
}

void OtherWindows::ShowAbout() {
    Open(about_, [this] {
        auto model = std::make_shared<AboutWindow>(s_.registry, s_.fileSystem, s_.shell, s_.errors);
        model->onUnload = [this] { Retire(about_); };
        auto view = views_->CreateAbout(*model);
        return Shown{std::move(model), std::move(view)};
    });
}

void OtherWindows::ShowUpdate() {
    ReleaseRetired();
    updateWindow_.Show();
}

// The update window's model opens itself (the menu item, the automatic check) and lives on;
// this is its view appearing.
void OtherWindows::ShowUpdateView() {
    Open(update_, [this] { return Shown{nullptr, views_->CreateUpdate(updateWindow_)}; });
}

void OtherWindows::ShowAnalysis(std::vector<CleaningItem> items) {
    auto start = [this, items] { Analysis()->Start(items); };
    Open(
        analysis_,
        [this] {
            auto model = std::make_shared<AnalysisWindow>(cleaners_, s_.errors);
            model->onUnload = [this] { Retire(analysis_); };
            auto view = views_->CreateAnalysis(*model);
            return Shown{std::move(model), std::move(view)};
        },
        start, start);
}

void OtherWindows::ShowKeepCookies() {
    Open(
        keep_,
        [this] {
            auto model = std::make_shared<CookieKeepWindow>(s_.settings, s_.dialogs, s_.errors);
            model->onUnload = [this] { Retire(keep_); };
            auto view = views_->CreateKeepCookies(*model);
            return Shown{std::move(model), std::move(view)};
        },
        [this] { KeepCookies()->Reload(); });
}

void OtherWindows::KeepListChanged() {
    if (CookieKeepWindow* keep = KeepCookies()) keep->Reload();
}

void OtherWindows::UnloadSettingsWindow() {
    Retire(settings_);
}

// The handler that closed the window may still be running inside the window's model and
// view: both are kept until ReleaseRetired finds them idle.
void OtherWindows::Retire(Slot& slot) {
    order_.erase(std::remove(order_.begin(), order_.end(), &slot), order_.end());
    if (!slot.shown.view) return;
    slot.shown.view->Close();
    retired_.push_back(std::move(slot.shown));
    slot.shown = Shown{};
}

void OtherWindows::ReleaseRetired() {
    std::erase_if(retired_, [](const Shown& shown) { return !shown.view->InUse(); });
}

void OtherWindows::UnloadAll() {
    while (!order_.empty())
        order_.back()->unload();
}

}  // namespace cw
