#pragma once
// The update window on screen ("AutoUpdate"): the picture and the explanation, the progress
// list with its two small images, Proceed (the default button) and Cancel (also Esc), and
// the status bar. The close box runs the model's Form_Unload, which abandons a download
// under way.

#include <windows.h>

#include <commctrl.h>

#include "ui/win32/ModelessFrame.h"
#include "update/AutoUpdateWindow.h"

namespace cw::win32 {

class AutoUpdateFrame : public ModelessFrame {
  public:
    AutoUpdateFrame(update::AutoUpdateWindow& model, ErrorSink& errors);
    ~AutoUpdateFrame() override;

  protected:
    void OnEscape() override;
    void OnCloseBox() override;

  private:
    update::AutoUpdateWindow& model_;
    HIMAGELIST images_ = nullptr;
};

}  // namespace cw::win32
