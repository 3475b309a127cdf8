#include "ui/win32/DialogUnits.h"

#include <cstring>
#include <initializer_list>

namespace cw::win32 {

namespace {

HFONT MakeFont(int points, int weight, HDC dc) {
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    static const char kFace[] = "MS Shell Dlg";
    std::memcpy(lf.lfFaceName, kFace, sizeof kFace);
    return CreateFontIndirectA(&lf);
}

}  // namespace

DialogFont::DialogFont() {
    HDC dc = GetDC(nullptr);
    font_.reset(MakeFont(8, FW_NORMAL, dc));
    bold_.reset(MakeFont(8, FW_BOLD, dc));
    large_.reset(MakeFont(20, FW_BOLD, dc));
    HGDIOBJ old = SelectObject(dc, font_.get());
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    // The average width of the alphabet, as Windows measures a dialog font.
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size = {};
    GetTextExtentPoint32A(dc, kAlphabet, 52, &size);
    if (size.cx > 0) baseX_ = (size.cx / 26 + 1) / 2;
    if (tm.tmHeight > 0) baseY_ = tm.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
}

RECT DialogFont::Pixels(const DluRect& r) const {
    RECT rc;
    rc.left = X(r.x);
    rc.top = Y(r.y);
    rc.right = X(r.x + r.w);
    rc.bottom = Y(r.y + r.h);
    return rc;
}

}  // namespace cw::win32
