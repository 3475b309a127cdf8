#pragma once
// The main window's other windows without a screen: each view records what was done to it
// in one shared log ("settings created", "about shown", "update closed", "settings
// destroyed", ...), and can be made to look busy, as a window whose handler is running.

#include <memory>
#include <string>
#include <vector>

#include "app/OtherWindowViews.h"
#include "errors/RuntimeError.h"

namespace cw::fakes {

class FakeOtherWindowView : public OtherWindowView {
  public:
    FakeOtherWindowView(std::string name, std::vector<std::string>& log)
        : name_(std::move(name)), log_(log) {
        log_.push_back(name_ + " created");
    }
    ~FakeOtherWindowView() override { log_.push_back(name_ + " destroyed"); }
    void Show() override { log_.push_back(name_ + " shown"); }
    void Close() override { log_.push_back(name_ + " closed"); }
    bool InUse() const override { return inUse; }

    bool inUse = false;

  private:
    std::string name_;
    std::vector<std::string>& log_;
};

class FakeOtherWindowViews : public OtherWindowViews {
  public:
    std::unique_ptr<OtherWindowView> CreateSettings(SettingsWindow& model, SettingsHost&) override {
        settingsModel = &model;
        return Make("settings");
    }
    std::unique_ptr<OtherWindowView> CreateAbout(AboutWindow&) override { return Make("about"); }
    std::unique_ptr<OtherWindowView> CreateUpdate(update::AutoUpdateWindow&) override {
        return Make("update");
    }
    std::unique_ptr<OtherWindowView> CreateAnalysis(AnalysisWindow&) override {
        return Make("analysis");
    }
    std::unique_ptr<OtherWindowView> CreateKeepCookies(CookieKeepWindow&) override {
        return Make("keep");
    }
    void EndProgram() override { log.push_back("program ended"); }

    std::vector<std::string> log;
    // The last settings view made (dangling once it was destroyed: see the log).
    FakeOtherWindowView* settings = nullptr;
    SettingsWindow* settingsModel = nullptr;
    // A window that cannot be created (the system refuses), by kind.
    std::string failing;

  private:
    std::unique_ptr<OtherWindowView> Make(const std::string& name) {
        if (failing == name) throw RuntimeError(err::kOutOfMemory);
        auto view = std::make_unique<FakeOtherWindowView>(name, log);
        if (name == "settings") settings = view.get();
        return view;
    }
};

}  // namespace cw::fakes
