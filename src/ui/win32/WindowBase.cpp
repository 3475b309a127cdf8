#include "ui/win32/WindowBase.h"

#include <exception>

#include "errors/ErrorSink.h"
#include "errors/RuntimeError.h"

namespace cw::win32 {

WindowBase::~WindowBase() {
    if (hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);  // no message reaches a destroyed object
        DestroyWindow(hwnd_);
    }
}

HWND WindowBase::Create(const char* className, HICON icon, DWORD exStyle, const char* title,
                        DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, className, &wc)) {
        wc.lpfnWndProc = Procedure;
        wc.hInstance = instance;
        wc.hIcon = icon;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = className;
        RegisterClassA(&wc);
    }
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu,
                           instance, this);
}

void WindowBase::SetErrorSink(ErrorSink& sink, std::string tag) {
    errors_ = &sink;
    tag_ = std::move(tag);
}

bool WindowBase::OnCommand(int, int, HWND) {
    return false;
}
std::optional<LRESULT> WindowBase::OnNotify(const NMHDR&) {
    return std::nullopt;
}
bool WindowBase::OnTimer(UINT_PTR) {
    return false;
}
bool WindowBase::OnDrawItem(const DRAWITEMSTRUCT&) {
    return false;
}
void WindowBase::OnSize(UINT, int, int) {}
bool WindowBase::OnClose() {
    return false;
}
void WindowBase::OnDestroy() {}
std::optional<LRESULT> WindowBase::OnMessage(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

std::optional<LRESULT> WindowBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
            return std::nullopt;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_TIMER:
            if (OnTimer(wParam)) return 0;
            return std::nullopt;
        case WM_DRAWITEM:
            if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            return std::nullopt;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return std::nullopt;
        case WM_CLOSE:
            if (OnClose()) return 0;
            return std::nullopt;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return OnMessage(message, wParam, lParam);
    }
}

void WindowBase::ReportEscaped(UINT message) noexcept {
    if (!errors_) return;
    try {
        errors_->ReportError(
            tag_, RuntimeError(err::kInvalidProcedureCall,
                               "Unhandled failure in message " + std::to_string(message)));
    } catch (...) {
    }
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowBase* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        if (auto result = self->Dispatch(message, wParam, lParam)) return *result;
    } catch (const RuntimeError& e) {
        if (self->errors_) self->errors_->ReportError(self->tag_, e);
    } catch (...) {
        self->ReportEscaped(message);
    }
    LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace cw::win32
