#pragma once
// The window of the cookies to keep on screen ("Cookies to Keep -- Clearwell"): the stored
// domains, "Remove", the field for a new domain with "Add" (the default button: Enter in the
// field adds), and Close (Esc too).

#include "clean/CookieKeepWindow.h"
#include "ui/win32/ModelessFrame.h"

namespace cw::win32 {

class KeepCookiesFrame : public ModelessFrame {
  public:
    KeepCookiesFrame(CookieKeepWindow& model, ErrorSink& errors);

  protected:
    void OnEscape() override;
    void OnCloseBox() override;

  private:
    CookieKeepWindow& model_;
};

}  // namespace cw::win32
