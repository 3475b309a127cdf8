#include "app/win32/OtherWindowFrames.h"

#include <windows.h>

#include "app/win32/AboutFrame.h"
#include "app/win32/AnalysisFrame.h"
#include "app/win32/AutoUpdateFrame.h"
#include "app/win32/KeepCookiesFrame.h"
#include "app/win32/SettingsFrame.h"

namespace cw::win32 {

std::unique_ptr<OtherWindowView> OtherWindowFrames::CreateSettings(SettingsWindow& model,
                                                                   SettingsHost& host) {
    return std::make_unique<SettingsFrame>(model, host, errors_);
}

std::unique_ptr<OtherWindowView> OtherWindowFrames::CreateAbout(AboutWindow& model) {
    return std::make_unique<AboutFrame>(model, errors_);
}

std::unique_ptr<OtherWindowView> OtherWindowFrames::CreateUpdate(update::AutoUpdateWindow& model) {
    return std::make_unique<AutoUpdateFrame>(model, errors_);
}

std::unique_ptr<OtherWindowView> OtherWindowFrames::CreateAnalysis(AnalysisWindow& model) {
    return std::make_unique<AnalysisFrame>(model, errors_);
}

std::unique_ptr<OtherWindowView> OtherWindowFrames::CreateKeepCookies(CookieKeepWindow& model) {
    return std::make_unique<KeepCookiesFrame>(model, errors_);
}

void OtherWindowFrames::EndProgram() {
    ExitProcess(0);
}

}  // namespace cw::win32
