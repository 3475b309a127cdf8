// The binding of a label shown as a web link.

#include <memory>

#include "ui/win32/Bindings.h"

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
        : BoundControl(model, hwnd), label_(model), maxWidth_(maxWidth) {
        font_ = UnderlinedFont(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
        // The static control has no pointer of its own: watching its messages gives it one.
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchPointer)));
    }
    ~BoundLink() override {
        if (IsWindow(hwnd())) {
            SetWindowLongPtrA(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
            SetWindowLongPtrA(hwnd(), GWLP_USERDATA, 0);
        }
        if (font_) DeleteObject(font_);
    }
    bool Command(int, int code) override {
        if (code == STN_CLICKED) label_.Click();
        return true;
    }
    bool DrawItem(const DRAWITEMSTRUCT& item) override {
        RECT r = item.rcItem;
        FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
        HGDIOBJ old = SelectObject(item.hDC, font_);
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
        HGDIOBJ old = SelectObject(dc, font_);
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
    static LRESULT CALLBACK WatchPointer(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<BoundLink*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
        if (message == WM_SETCURSOR) {
            // No hand on Windows 95 and NT 4: the arrow stays.
            if (HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND))) {
                SetCursor(hand);
                return TRUE;
            }
        }
        return CallWindowProcA(self->previous_, hwnd, message, wParam, lParam);
    }

    ui::Label& label_;
    int maxWidth_;
    HFONT font_ = nullptr;
    WNDPROC previous_ = nullptr;
};

}  // namespace

void BindLinkLabel(ControlHost& host, ui::Label& label, const Place& place) {
    HWND hwnd = host.CreateChild("STATIC", label.Caption(), SS_OWNERDRAW | SS_NOTIFY, 0, place);
    RECT r = host.Pixels(place.rect);
    host.Keep(std::make_unique<BoundLink>(label, hwnd, r.right - r.left), {place.id});
}

}  // namespace cw::win32
