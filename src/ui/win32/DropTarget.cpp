#include "ui/win32/DropTarget.h"

#include <string>
#include <vector>

namespace cw::win32 {

namespace {

// The window property through which the shared window procedure finds its DropTarget.
constexpr char kProperty[] = "Clearwell.DropTarget";

}  // namespace

void DropTarget::Start_SubClass(HWND hwnd) {
    if (hwnd_) Stop_SubClass(hwnd_);
    if (!hwnd || !IsWindow(hwnd)) return;
    if (!SetPropA(hwnd, kProperty, this)) return;
    hwnd_ = hwnd;
    DragAcceptFiles(hwnd, TRUE);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DropWindowProc)));
}

void DropTarget::Stop_SubClass(HWND hwnd) {
    if (!hwnd_ || hwnd != hwnd_) return;
    if (IsWindow(hwnd)) {
        // Put the old procedure back only when ours is still in front: had someone else
        // subclassed the window after us, this would cut their procedure out of the chain.
        auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
        if (current == &DropWindowProc) {
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        }
        DragAcceptFiles(hwnd, FALSE);
        RemovePropA(hwnd, kProperty);
    }
    hwnd_ = nullptr;
}

void DropTarget::OnDropFiles(HDROP drop) {
    std::vector<std::string> items;
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // Sized to the item rather than a fixed 256 characters: a path cut short could name
        // another file, and that file would be shredded.
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string item(length + 1, '\0');
        UINT copied = DragQueryFileA(drop, i, item.data(), length + 1);
        item.resize(copied);
        items.push_back(std::move(item));
    }
    DragFinish(drop);
    try {
        for (const std::string& item : items)
            dropped_(item);
    } catch (...) {
        // No exception may cross into Windows; the page's handlers run under their own traps.
    }
}

LRESULT CALLBACK DropTarget::DropWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<DropTarget*>(GetPropA(hwnd, kProperty));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_DROPFILES) {
        self->OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    WNDPROC previous = self->previous_;
    if (message == WM_NCDESTROY) self->Stop_SubClass(hwnd);
    return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

}  // namespace cw::win32
