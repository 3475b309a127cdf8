#pragma once
// The real settings, About, update, analysis and keep windows, made for the main window's
// model.

#include "app/OtherWindowViews.h"
#include "errors/ErrorSink.h"

namespace cw::win32 {

class OtherWindowFrames : public OtherWindowViews {
  public:
    // Failures that escape a window's handlers are reported here.
    explicit OtherWindowFrames(ErrorSink& errors) : errors_(errors) {}

    std::unique_ptr<OtherWindowView> CreateSettings(SettingsWindow& model,
                                                    SettingsHost& host) override;
    std::unique_ptr<OtherWindowView> CreateAbout(AboutWindow& model) override;
    std::unique_ptr<OtherWindowView> CreateUpdate(update::AutoUpdateWindow& model) override;
    std::unique_ptr<OtherWindowView> CreateAnalysis(AnalysisWindow& model) override;
    std::unique_ptr<OtherWindowView> CreateKeepCookies(CookieKeepWindow& model) override;
    void EndProgram() override;

  private:
    ErrorSink& errors_;
};

}  // namespace cw::win32
