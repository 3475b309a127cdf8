#include "ui/win32/BoundControl.h"

#include <string>

namespace cw::win32 {

BoundControl::BoundControl(ui::Control& model, HWND hwnd) : model_(model), hwnd_(hwnd) {
    model_.SetObserver(this);
}

BoundControl::~BoundControl() {
    // A model that outlives its window may be shown by a newer one by now.
    if (model_.Observer() == this) model_.SetObserver(nullptr);
}

void BoundControl::ControlChanged(ui::Control&, ui::Property property) {
    ++applying_;
    try {
        Apply(property);
    } catch (...) {
        --applying_;
        throw;
    }
    --applying_;
}

void BoundControl::ApplyAll() {
    ++applying_;
    ApplyContent();
    Apply(ui::Property::Enabled);
    Apply(ui::Property::Visible);
    --applying_;
}

void BoundControl::Apply(ui::Property property) {
    switch (property) {
        case ui::Property::Enabled:
            if (!model_.Enabled()) MoveFocusOn();
            EnableWindow(hwnd_, model_.Enabled());
            break;
        case ui::Property::Visible:
            ShowWindow(hwnd_, model_.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        default:
            ApplyContent();
            break;
    }
}

// A disabled control loses the keyboard focus, and with it the window's keyboard: the
// focus goes on to the next control that can take it, as the Tab key would move it.
void BoundControl::MoveFocusOn() {
    if (GetFocus() != hwnd_) return;
    HWND top = hwnd_;
    while (GetWindowLongA(top, GWL_STYLE) & WS_CHILD) {
        HWND parent = GetParent(top);
        if (!parent) break;
        top = parent;
    }
    HWND next = GetNextDlgTabItem(top, hwnd_, FALSE);
    if (next && next != hwnd_) SetFocus(next);
}

bool BoundControl::Command(int, int) {
    return false;
}
std::optional<LRESULT> BoundControl::Notify(const NMHDR&) {
    return std::nullopt;
}
bool BoundControl::Tick() {
    return false;
}
bool BoundControl::DrawItem(const DRAWITEMSTRUCT&) {
    return false;
}

std::string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return "";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int n = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

void BoundListViewRows::Apply(ui::Property property) {
    switch (property) {
        case ui::Property::Items:
            ApplyContent();
            break;
        case ui::Property::ItemAdded:
            Insert(RowCount() - 1);
            break;
        default:
            BoundControl::Apply(property);
            break;
    }
}

void BoundListViewRows::ApplyContent() {
    SendMessageA(hwnd(), LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < RowCount(); ++i)
        Insert(i);
}

void BoundListViewRows::Insert(int index) {
    InsertRow(index);
    SendMessageA(hwnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

}  // namespace cw::win32
