// The binding of a label shown as a web link.

#include <memory>

#include "platform/win32/Handles.h"
#include "ui/win32/Bindings.h"
#include "ui/win32/Subclass.h"

namespace cw::win32 {

namespace {

HFONT UnderlinedFont(HFONT base) {
    LOGFONTA lf = {};
    GetObjectA(base, sizeof lf, &lf);
    lf.lfUnderline = TRUE;
    return CreateFontIndirectA(&lf);
}

int Luminance(COLORREF c) {
    return (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000;
}

COLORREF LinkColour() {
    // The system's colour of links where it reads well on the window's face (systems
    // before Windows 98 and 2000 have none and answer black; some themes make it a pale
    // highlight), else the usual link blue.
    COLORREF colour = GetSysColor(COLOR_HOTLIGHT);
    int contrast = Luminance(GetSysColor(COLOR_BTNFACE)) - Luminance(colour);
    if (colour != RGB(0, 0, 0) && (contrast > 100 || contrast < -100)) return colour;
    return RGB(0, 102, 204);
}

class BoundLink : public BoundControl {
  public:
    BoundLink(ui::Label& model, HWND hwnd, int maxWidth)
        : BoundControl(model, hwnd),
          label_(model),
          maxWidth_(maxWidth),
          font_(UnderlinedFont(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)))) {}
    bool Command(int, int code) override {
        if (code == STN_CLICKED) label_.Click();
        return true;
    }
    bool DrawItem(const DRAWITEMSTRUCT& item) override {
        RECT r = item.rcItem;
        FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
        HGDIOBJ old = SelectObject(item.hDC, font_.get());
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, LinkColour());
        DrawTextA(item.hDC, label_.Caption().c_str(), -1, &r,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(item.hDC, old);
        return true;
    }

  protected:
    void ApplyContent() override {
        SetWindowTextA(hwnd(), label_.Caption().c_str());
        FitToText();
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

  private:
    // Only the text is the link: the control is made as wide as its caption.
    void FitToText() {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font_.get());
        RECT text = {0, 0, maxWidth_, 0};
        DrawTextA(dc, label_.Caption().c_str(), -1, &text,
                  DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        // Half a line of room: glyphs may come out wider than the font measures them (Wine).
        int wanted = (text.right - text.left) + (text.bottom - text.top) / 2;
        RECT r = {};
        GetClientRect(hwnd(), &r);
        int width = wanted < maxWidth_ ? wanted : maxWidth_;
        SetWindowPos(hwnd(), nullptr, 0, 0, width, r.bottom, SWP_NOMOVE | SWP_NOZORDER);
    }
    // The static control has no pointer of its own: watching its messages gives it one.
    LRESULT WatchPointer(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_SETCURSOR) {
            // No hand on Windows 95 and NT 4: the arrow stays.
            if (HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND))) {
                SetCursor(hand);
                return TRUE;
            }
        }
        return watch_.Next(message, wParam, lParam);
    }

    ui::Label& label_;
    int maxWidth_;
    Font font_;
    Subclass watch_{hwnd(), [this](UINT message, WPARAM wParam, LPARAM lParam) {
                        return WatchPointer(message, wParam, lParam);
                    }};
};

}  // namespace

void BindLinkLabel(ControlHost& host, ui::Label& label, const Place& place) {
    HWND hwnd = host.CreateChild("STATIC", label.Caption(), SS_OWNERDRAW | SS_NOTIFY, 0, place);
    RECT r = host.Pixels(place.rect);
    host.Keep(std::make_unique<BoundLink>(label, hwnd, r.right - r.left), {place.id});
}

}  // namespace cw::win32
