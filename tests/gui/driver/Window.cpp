// The controls of a window of the program under test.

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstddef>
#include <memory>

#include "driver/GuiDriver.h"
#include "support/TestWorld.h"

namespace cw::gui {

namespace {

// Windows carries no pointers of control messages across processes: `data` is copied into
// memory inside the program under test, `send` gets its address there, and the memory is
// copied back. `place` may first point fields of `data` into that memory.
LRESULT SendThrough(const Process& process, void* data, std::size_t size,
                    const std::function<LRESULT(LPARAM)>& send,
                    const std::function<void(char*)>& place = nullptr) {
    HANDLE h = process.Handle();
    auto release = [h](void* p) { VirtualFreeEx(h, p, 0, MEM_RELEASE); };
    std::unique_ptr<void, decltype(release)> remote(
        VirtualAllocEx(h, nullptr, size, MEM_COMMIT, PAGE_READWRITE), release);
    if (remote && place) place(static_cast<char*>(remote.get()));
    if (!remote || !WriteProcessMemory(h, remote.get(), data, size, nullptr))
        throw DriverError("cannot write into the program under test");
    LRESULT result = send(reinterpret_cast<LPARAM>(remote.get()));
    ReadProcessMemory(h, remote.get(), data, size, nullptr);
    return result;
}

template <class T>
LRESULT SendThrough(const Process& process, HWND to, UINT message, WPARAM wParam, T& data) {
    return SendThrough(process, &data, sizeof data,
                       [&](LPARAM at) { return SendTo(to, message, wParam, at); });
}

bool IsCombo(HWND control) {
    return ClassOf(control) == "ComboBox";
}

}  // namespace

void Window::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!PostMessageA(hwnd_, message, wParam, lParam))
        throw DriverError("cannot post to the window");
}

HWND Window::Control(int id) const {
    HWND found = testing::FindWindowWhere([id](HWND w) { return GetDlgCtrlID(w) == id; }, hwnd_);
    if (!found) throw DriverError("no control with ID " + std::to_string(id));
    return found;
}

void Window::WaitForText(int id, const std::string& text, DWORD timeoutMs) const {
    WaitUntil([&] { return Text(id) == text; },
              "control " + std::to_string(id) + " to read \"" + text + "\"", timeoutMs);
}

void Window::Click(int id) const {
    HWND control = Control(id);
    if (!IsWindowEnabled(control))
        throw DriverError("control " + std::to_string(id) + " is disabled");
    // Posted: a click that opens a message box must not hold the driver.
    PostMessageA(control, BM_CLICK, 0, 0);
}

void Window::SetChecked(int id, bool checked) const {
    if (Checked(id) == checked) return;
    Click(id);
    WaitUntil([&] { return Checked(id) == checked; },
              "check box " + std::to_string(id) + " to change");
}

// Into an edit control, which reports the change to its window itself.
void Window::Type(int id, const std::string& text) const {
    SendTo(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<std::string> Window::Items(int id) const {
    HWND control = Control(id);
    bool combo = IsCombo(control);
    auto count = SendTo(control, combo ? CB_GETCOUNT : LB_GETCOUNT);
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) {
        // In UTF-16: Wine cuts item texts short when it carries them across processes in
        // the ANSI form.
        wchar_t wide[1024] = {};
        char text[2048] = {};
        if (!SendMessageTimeoutW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                                 reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG, 5000, nullptr))
            throw DriverError("the list " + std::to_string(id) + " did not answer");
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

void Window::Select(int id, int index) const {
    HWND control = Control(id);
    bool combo = IsCombo(control);
    SendTo(control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // Selecting from code is silent; the user's click also tells the window.
    PostMessageA(GetParent(control), WM_COMMAND,
                 MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
}

HWND Window::Focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd_, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void Window::PressKey(WORD key) const {
    HWND target = Focus();
    if (!target) target = hwnd_;
    auto scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
    PostMessageA(target, WM_KEYDOWN, key, 1 | scan);
    PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(1 | scan | (3u << 30)));
}

namespace {

// One cell of a list view: its text and image, read through the program's memory; false
// when the program emptied the list meanwhile (a wait reads it again).
bool ReadCell(const Process& owner, HWND view, int row, int column, Window::ListLine& cell) {
    struct Block {  // the item record and room for its text, in one block
        LVITEMA item;
        char text[512];
    } block = {};
    block.item.mask = LVIF_TEXT | LVIF_IMAGE;
    block.item.iItem = row;
    block.item.iSubItem = column;
    block.item.cchTextMax = sizeof block.text;
    if (!SendThrough(
            owner, &block, sizeof block,
            [&](LPARAM at) { return SendTo(view, LVM_GETITEMA, 0, at); },
            [&](char* at) { block.item.pszText = at + offsetof(Block, text); }))
        return false;
    block.text[sizeof block.text - 1] = '\0';
    cell = {block.text, block.item.iImage >= 0 ? block.item.iImage + 1 : 0};
    return true;
}

}  // namespace

std::vector<Window::ListLine> Window::ListViewLines(int id) const {
    HWND view = Control(id);
    std::vector<ListLine> lines;
    for (int i = 0, count = static_cast<int>(SendTo(view, LVM_GETITEMCOUNT)); i < count; ++i) {
        ListLine line;
        if (!ReadCell(*owner_, view, i, 0, line)) break;
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::vector<std::string>> Window::ListViewRows(int id, int columns) const {
    HWND view = Control(id);
    std::vector<std::vector<std::string>> rows;
    for (int i = 0, count = static_cast<int>(SendTo(view, LVM_GETITEMCOUNT)); i < count; ++i) {
        std::vector<std::string> row;
        for (int column = 0; column < columns; ++column) {
            ListLine cell;
            if (!ReadCell(*owner_, view, i, column, cell)) return rows;
            row.push_back(cell.text);
        }
        rows.push_back(row);
    }
    return rows;
}

SYSTEMTIME Window::PickerTime(int id) const {
    SYSTEMTIME time = {};
    if (SendThrough(*owner_, Control(id), DTM_GETSYSTEMTIME, 0, time) != GDT_VALID)
        throw DriverError("the time picker " + std::to_string(id) + " holds no time");
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

void Window::ClickToolbarButton(int toolbarId, int index) const {
    HWND toolbar = Control(toolbarId);
    RECT r = {};
    if (!SendThrough(*owner_, toolbar, TB_GETITEMRECT, index - 1, r))
        throw DriverError("no toolbar button " + std::to_string(index));
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    // A mouse click on the button: the toolbar itself turns it into the button's command.
    PostMessageA(toolbar, WM_MOUSEMOVE, 0, at);
    PostMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(toolbar, WM_LBUTTONUP, 0, at);
}

bool Window::ToolbarButtonPressed(int toolbarId, int index) const {
    HWND toolbar = Control(toolbarId);
    TBBUTTON button = {};
    if (!SendThrough(*owner_, toolbar, TB_GETBUTTON, index - 1, button))
        throw DriverError("no toolbar button " + std::to_string(index));
    return SendTo(toolbar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(button.idCommand)) != 0;
}

void Window::DropFiles(int id, const std::vector<std::string>& paths) const {
    // A drop handle as the shell makes it: the header, then ANSI paths each ended by a NUL,
    // and one more NUL.
    DROPFILES header = {};
    header.pFiles = sizeof header;
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& path : paths)
        bytes += path + '\0';
    bytes += '\0';
    // Sent, not posted: the memory must stay until the drop was read.
    SendThrough(*owner_, bytes.data(), bytes.size(), [&](LPARAM at) {
        return SendTo(Control(id), WM_DROPFILES, static_cast<WPARAM>(at), 0);
    });
}

void Window::Screenshot(const std::string& name) const {
    RedrawWindow(hwnd_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendTo(hwnd_, WM_NULL);
    // Wine names the X window that shows a top-level window; taken by itself, the picture
    // does not depend on the stacking of the windows around it.
    auto xid = reinterpret_cast<std::uintptr_t>(GetPropA(hwnd_, "__wine_x11_whole_window"));
    if (!xid) throw DriverError("screenshot " + name + ": the window has no X window");
    std::string answer = testing::TestServer::Control(
        "screenshot", {{"name", name}, {"window", std::to_string(xid)}});
    if (answer != "ok") throw DriverError("screenshot " + name + " failed: " + answer);
}

}  // namespace cw::gui
