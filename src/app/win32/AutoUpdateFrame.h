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

  protected:
    void OnEscape() override;
    void OnCloseBox() override;

  private:
    update::AutoUpdateWindow& model_;
    // The list view shares the image list and leaves it to its owner.
    ImageList images_;
};

}  // namespace cw::win32
