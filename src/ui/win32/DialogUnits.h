#pragma once
// The dialog font (MS Shell Dlg, 8 points: Tahoma on Windows 2000 and later and under Wine,
// MS Sans Serif before) and dialog units measured from it, so that layouts scale with the
// font and the screen's resolution as dialog templates do.

#include <windows.h>

#include "platform/win32/Handles.h"

namespace cw::win32 {

// A rectangle in dialog units: left, top, width, height.
struct DluRect {
    int x = 0, y = 0, w = 0, h = 0;
};

class DialogFont {
  public:
    DialogFont();
    DialogFont(const DialogFont&) = delete;
    DialogFont& operator=(const DialogFont&) = delete;

    HFONT get() const { return font_.get(); }
    // A bold or larger variant of the same face, owned by this object.
    HFONT Bold() const { return bold_.get(); }
    HFONT Large() const { return large_.get(); }

    // Dialog units to pixels: horizontal units are a quarter of the average character
    // width, vertical units an eighth of the character height.
    int X(int dlu) const { return MulDiv(dlu, baseX_, 4); }
    int Y(int dlu) const { return MulDiv(dlu, baseY_, 8); }
    RECT Pixels(const DluRect& r) const;

  private:
    Font font_;
    Font bold_;
    Font large_;
    int baseX_ = 6;
    int baseY_ = 13;
};

}  // namespace cw::win32
