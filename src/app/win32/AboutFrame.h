#pragma once
// The About window on screen ("About Clearwell"): the program's icon, the description, the
// maker's address as a link, and OK (the default button; Enter and Esc too) and
// "System Info...".

#include "sysinfo/AboutWindow.h"
#include "ui/win32/ModelessFrame.h"

namespace cw::win32 {

class AboutFrame : public ModelessFrame {
  public:
    AboutFrame(AboutWindow& model, ErrorSink& errors);

  protected:
    void OnEscape() override;
    void OnCloseBox() override;

  private:
    AboutWindow& model_;
};

}  // namespace cw::win32
