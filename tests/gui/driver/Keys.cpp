// The keyboard focus, keys, list views and time pickers of the program under test.

#include "driver/GuiDriver.h"

#include <commctrl.h>

#include <cstddef>

#include "driver/RemoteBuffer.h"

namespace cw::gui {

HWND Window::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd_, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void Window::PressKey(WORD key) const {
    HWND target = Focus();
    if (!target) target = hwnd_;
    UINT scan = MapVirtualKeyA(key, 0);
    PostMessageA(target, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

std::vector<Window::ListLine> Window::ListViewLines(int id) const {
    HWND view = Control(id);
    // The item record and room for its text, in one block inside the program.
    struct Block {
        LVITEMA item;
        char text[512];
    };
    RemoteBuffer remote(owner_->Handle(), sizeof(Block));
    std::vector<ListLine> lines;
    auto count = static_cast<int>(SendTo(view, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        Block block = {};
        block.item.mask = LVIF_TEXT | LVIF_IMAGE;
        block.item.iItem = i;
        block.item.pszText = remote.At(offsetof(Block, text));
        block.item.cchTextMax = sizeof block.text;
        remote.Write(&block, sizeof block);
        if (!SendTo(view, LVM_GETITEMA, 0, remote.Param())) {
            throw DriverError("the list view " + std::to_string(id) + " has no line " +
                              std::to_string(i));
        }
        remote.Read(&block, sizeof block);
        block.text[sizeof block.text - 1] = '\0';
        lines.push_back({block.text, block.item.iImage >= 0 ? block.item.iImage + 1 : 0});
    }
    return lines;
}

SYSTEMTIME Window::PickerTime(int id) const {
    RemoteBuffer remote(owner_->Handle(), sizeof(SYSTEMTIME));
    if (SendTo(Control(id), DTM_GETSYSTEMTIME, 0, remote.Param()) != GDT_VALID)
        throw DriverError("the time picker " + std::to_string(id) + " holds no time");
    SYSTEMTIME time = {};
    remote.Read(&time, sizeof time);
    return time;
}

void Window::TypeTime(int id, int hour, int minute) const {
    HWND picker = Control(id);
    if (!IsWindowEnabled(picker) || !IsWindowVisible(picker))
        throw DriverError("the time picker " + std::to_string(id) + " cannot be used");
    RECT r = {};
    GetClientRect(picker, &r);
    // A click on the first field (the hours), then the digits; the right arrow goes on to
    // the minutes.
    LPARAM hours = MAKELPARAM(6, r.bottom / 2);
    PostMessageA(picker, WM_LBUTTONDOWN, MK_LBUTTON, hours);
    PostMessageA(picker, WM_LBUTTONUP, 0, hours);
    auto type = [&](int n) {
        PostMessageA(picker, WM_CHAR, static_cast<WPARAM>('0' + n / 10), 1);
        PostMessageA(picker, WM_CHAR, static_cast<WPARAM>('0' + n % 10), 1);
    };
    type(hour);
    PostMessageA(picker, WM_KEYDOWN, VK_RIGHT, 1);
    type(minute);
    WaitUntil(
        [&] {
            SYSTEMTIME t = PickerTime(id);
            return t.wHour == hour && t.wMinute == minute;
        },
        "the time picker to show " + std::to_string(hour) + ":" + std::to_string(minute));
}

}  // namespace cw::gui
