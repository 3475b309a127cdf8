#pragma once
// The settings window on screen ("Settings -- Clearwell"): the controls of the model in tab
// order, placed by the table of BuildControls. OK is the default button, Esc cancels,
// the close box unloads the window as Cancel does, without Cancel's handler.

#include "schedule/SettingsHost.h"
#include "schedule/SettingsWindow.h"
#include "ui/win32/ModelessFrame.h"

namespace cw::win32 {

class SettingsFrame : public ModelessFrame {
  public:
    SettingsFrame(SettingsWindow& model, SettingsHost& host, ErrorSink& errors);

  protected:
    void OnEscape() override;
    void OnCloseBox() override;
    std::optional<LRESULT> OnControlColour(HDC dc, HWND control) override;

  private:
    void BuildControls();
    void FitHourList();

    SettingsWindow& model_;
    SettingsHost& settingsHost_;
};

}  // namespace cw::win32
