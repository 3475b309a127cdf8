#include "ui/win32/Subclass.h"

#include <utility>

namespace cw::win32 {

namespace {

// The window property through which the shared procedure finds its Subclass.
constexpr char kProperty[] = "Clearwell.Subclass";

}  // namespace

Subclass::Subclass(HWND hwnd, Handler handler) : hwnd_(hwnd), handler_(std::move(handler)) {
    if (!hwnd_ || !SetPropA(hwnd_, kProperty, this)) {
        hwnd_ = nullptr;
        return;
    }
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
}

Subclass::~Subclass() {
    Detach();
}

void Subclass::Detach() {
    if (!hwnd_) return;
    if (IsWindow(hwnd_)) {
        auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd_, GWLP_WNDPROC));
        if (current == &Proc) {
            SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
            RemovePropA(hwnd_, kProperty);
        }
    }
    hwnd_ = nullptr;
}

LRESULT Subclass::Next(UINT message, WPARAM wParam, LPARAM lParam) {
    if (passedOn_) *passedOn_ = true;
    return CallWindowProcA(previous_, hwnd_, message, wParam, lParam);
}

LRESULT Subclass::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    bool passedOn = false;
    bool* outer = std::exchange(passedOn_, &passedOn);
    LRESULT result = 0;
    try {
        result = handler_(message, wParam, lParam);
    } catch (...) {
        // No exception may cross into Windows.
        passedOn_ = outer;
        return passedOn ? 0 : CallWindowProcA(previous_, hwnd_, message, wParam, lParam);
    }
    passedOn_ = outer;
    return result;
}

LRESULT CALLBACK Subclass::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<Subclass*>(GetPropA(hwnd, kProperty));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window goes: the chain is undone before the control's own procedure ends it.
        WNDPROC previous = self->previous_;
        self->Detach();
        return CallWindowProcA(previous, hwnd, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

}  // namespace cw::win32
