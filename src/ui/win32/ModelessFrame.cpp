#include "ui/win32/ModelessFrame.h"

#include "ResourceIds.h"
#include "errors/RuntimeError.h"

namespace cw::win32 {

namespace {

// Posted by Close: the window goes once the handler that closed it has returned.
constexpr UINT kDestroyLater = WM_APP + 3;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

bool IsPushButtonStyle(LONG style) {
    LONG type = style & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// Push buttons tell the window when they take and lose the focus, so that the focused one
// can show as the default.
BOOL CALLBACK NotifyFocus(HWND child, LPARAM) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(name, "Button") == 0 && IsPushButtonStyle(style)) {
        SetWindowLongA(child, GWL_STYLE, style | BS_NOTIFY);
    }
    return TRUE;
}

}  // namespace

HICON ResourceIcon(int id, int size) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

// Counts the window's handlers on the stack, so that the window is not destroyed under one.
class ModelessFrame::Busy {
  public:
    explicit Busy(ModelessFrame& frame) : frame_(frame) { ++frame_.busy_; }
    ~Busy() { --frame_.busy_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

  private:
    ModelessFrame& frame_;
};

ModelessFrame::ModelessFrame(const char* className, const std::string& caption, DluRect clientSize,
                             ErrorSink& errors, std::string errorTag) {
    bigIcon_ = ResourceIcon(IDI_CLEARWELL, GetSystemMetrics(SM_CXICON));
    smallIcon_ = ResourceIcon(IDI_CLEARWELL, GetSystemMetrics(SM_CXSMICON));
    SetErrorSink(errors, std::move(errorTag));
    RECT r = font_.Pixels(clientSize);
    AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int width = r.right - r.left, height = r.bottom - r.top;
    int x = work.left + ((work.right - work.left) - width) / 2;
    int y = work.top + ((work.bottom - work.top) - height) / 2;
    // No owner: the window has its own button on the task bar and stays up when the main
    // window is minimised to the tray.
    if (!Create(className, bigIcon_, kExStyle, caption.c_str(), kStyle,
                x < work.left ? work.left : x, y < work.top ? work.top : y, width, height, nullptr,
                nullptr)) {
        throw RuntimeError(err::kOutOfMemory);
    }
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    host_ = std::make_unique<ControlHost>(hwnd(), font_);
}

ModelessFrame::~ModelessFrame() {
    host_.reset();
}

void ModelessFrame::Show() {
    if (!hwnd()) return;
    if (!shownOnce_) {
        shownOnce_ = true;
        EnumChildWindows(hwnd(), NotifyFocus, 0);
    }
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd());
}

void ModelessFrame::Close() {
    if (!hwnd()) return;
    ShowWindow(hwnd(), SW_HIDE);
    PostMessageA(hwnd(), kDestroyLater, 0, 0);
}

void ModelessFrame::SetDefaultButton(int id) {
    defaultId_ = id;
    ShowAsDefault(id);
}

bool ModelessFrame::IsPushButton(HWND control) const {
    return control && GetParent(control) == hwnd() &&
           IsPushButtonStyle(GetWindowLongA(control, GWL_STYLE));
}

void ModelessFrame::ShowAsDefault(int id) {
    if (id == shownDefault_) return;
    if (HWND old = GetDlgItem(hwnd(), shownDefault_); IsPushButton(old)) {
        SendMessageA(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
    shownDefault_ = 0;
    if (HWND button = GetDlgItem(hwnd(), id); IsPushButton(button)) {
        SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        shownDefault_ = id;
    }
}

bool ModelessFrame::OnCommand(int id, int code, HWND control) {
    Busy busy(*this);
    if (!control && id == IDCANCEL) {
        OnEscape();  // Esc, through IsDialogMessage
        return true;
    }
    if (IsPushButton(control)) {
        // The focused push button is the one Enter presses; otherwise the default.
        if (code == BN_SETFOCUS) ShowAsDefault(id);
        if (code == BN_KILLFOCUS) ShowAsDefault(defaultId_);
    }
    return host_ && host_->Command(id, code);
}

std::optional<LRESULT> ModelessFrame::OnNotify(const NMHDR& header) {
    Busy busy(*this);
    return host_ ? host_->Notify(header) : std::nullopt;
}

bool ModelessFrame::OnTimer(UINT_PTR id) {
    Busy busy(*this);
    return host_ && host_->Timer(id);
}

bool ModelessFrame::OnDrawItem(const DRAWITEMSTRUCT& item) {
    return host_ && host_->DrawItem(item);
}

bool ModelessFrame::OnClose() {
    Busy busy(*this);
    OnCloseBox();
    return true;
}

std::optional<LRESULT> ModelessFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case DM_GETDEFID:
            if (!shownDefault_ && !defaultId_) return 0;
            return MAKELRESULT(shownDefault_ ? shownDefault_ : defaultId_, DC_HASDEFID);
        case WM_NEXTDLGCTL: {
            // A multi-line text box passes Tab and Enter on to its window this way.
            HWND next = lParam ? reinterpret_cast<HWND>(wParam)
                               : GetNextDlgTabItem(hwnd(), GetFocus(), wParam != 0);
            if (next) SetFocus(next);
            return 0;
        }
        case WM_ACTIVATE:
            // As a dialog does: the focus leaves with the window and comes back to the same
            // control; the first time it goes to the first control in tab order.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd(), focus)) savedFocus_ = focus;
                return 0;
            }
            if (!savedFocus_ || !IsWindow(savedFocus_) || !IsWindowEnabled(savedFocus_)) {
                savedFocus_ = firstFocus_ ? GetDlgItem(hwnd(), firstFocus_)
                                          : GetNextDlgTabItem(hwnd(), nullptr, FALSE);
            }
            if (savedFocus_ && !IsIconic(hwnd())) {
                SetFocus(savedFocus_);
                return 0;
            }
            return std::nullopt;
        case WM_CTLCOLORSTATIC:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case kDestroyLater:
            DestroyWindow(hwnd());
            return 0;
        default:
            return std::nullopt;
    }
}

}  // namespace cw::win32
