// The controls of a window of the program under test.

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstddef>

#include "driver/GuiDriver.h"
#include "support/TestWorld.h"

namespace cw::gui {

namespace {

// Memory inside the program under test, for the control messages whose pointers Windows
// does not carry across processes (toolbar, list view and time picker messages, drops).
class RemoteBuffer {
  public:
    RemoteBuffer(const Process& process, std::size_t size)
        : process_(process.Handle()), size_(size) {
        address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
        if (!address_) throw DriverError("cannot allocate memory in the program under test");
    }
    ~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    LPARAM Param() const { return reinterpret_cast<LPARAM>(address_); }
    // The address of a byte of the buffer, as the program under test sees it.
    char* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    void Read(void* into, std::size_t size) const {
        if (!ReadProcessMemory(process_, address_, into, size < size_ ? size : size_, nullptr))
            throw DriverError("cannot read memory of the program under test");
    }
    void Write(const void* from, std::size_t size) const {
        if (size > size_ || !WriteProcessMemory(process_, address_, from, size, nullptr))
            throw DriverError("cannot write memory of the program under test");
    }
    // Sends the message with the buffer as lParam; throws when the answer is 0.
    LRESULT Send(HWND to, UINT message, WPARAM wParam, const std::string& failure) const {
        LRESULT result = SendTo(to, message, wParam, Param());
        if (!result) throw DriverError(failure);
        return result;
    }

  private:
    HANDLE process_;
    void* address_ = nullptr;
    std::size_t size_;
};

bool IsCombo(HWND control) {
    return ClassOf(control) == "ComboBox";
}

}  // namespace

std::string Window::Title() const {
    return TextOf(hwnd_);
}

void Window::WaitClosed(const std::string& what) const {
    WaitUntil([&] { return !IsWindow(hwnd_); }, what + " to close");
}

void Window::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!PostMessageA(hwnd_, message, wParam, lParam))
        throw DriverError("cannot post to the window");
}

HWND Window::Control(int id) const {
    HWND found = ChildWithId(hwnd_, id);
    if (!found) throw DriverError("no control with ID " + std::to_string(id));
    return found;
}

std::string Window::Text(int id) const {
    return TextOf(Control(id));
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

bool Window::Checked(int id) const {
    return SendTo(Control(id), BM_GETCHECK) == BST_CHECKED;
}

void Window::SetChecked(int id, bool checked) const {
    if (Checked(id) == checked) return;
    Click(id);
    WaitUntil([&] { return Checked(id) == checked; },
              "check box " + std::to_string(id) + " to change");
}

void Window::Type(int id, const std::string& text) const {
    HWND control = Control(id);
    SendTo(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    // An edit control reports the change itself; a combo box's edit field does not.
    if (IsCombo(control)) {
        PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE),
                     reinterpret_cast<LPARAM>(control));
    }
}

std::vector<std::string> Window::Items(int id) const {
    HWND control = Control(id);
    bool combo = IsCombo(control);
    auto count = SendTo(control, combo ? CB_GETCOUNT : LB_GETCOUNT);
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) {
        // In UTF-16: Wine cuts item texts short when it carries them across processes in
        // the ANSI form.
        DWORD_PTR length = 0, n = 0;
        if (!SendMessageTimeoutW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0,
                                 SMTO_ABORTIFHUNG, 5000, &length)) {
            throw DriverError("the list " + std::to_string(id) + " did not answer");
        }
        std::wstring wide(length + 1, L'\0');
        SendMessageTimeoutW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                            reinterpret_cast<LPARAM>(wide.data()), SMTO_ABORTIFHUNG, 5000, &n);
        wide.resize(n < wide.size() ? n : 0);
        std::string text(wide.size() * 2 + 1, '\0');
        int bytes =
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
        items.push_back(text);
    }
    return items;
}

int Window::Selected(int id) const {
    HWND control = Control(id);
    return static_cast<int>(SendTo(control, IsCombo(control) ? CB_GETCURSEL : LB_GETCURSEL));
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

std::vector<Window::ListLine> Window::ListViewLines(int id) const {
    HWND view = Control(id);
    // The item record and room for its text, in one block inside the program.
    struct Block {
        LVITEMA item;
        char text[512];
    };
    RemoteBuffer remote(*owner_, sizeof(Block));
    std::vector<ListLine> lines;
    auto count = SendTo(view, LVM_GETITEMCOUNT);
    for (int i = 0; i < count; ++i) {
        Block block = {};
        block.item.mask = LVIF_TEXT | LVIF_IMAGE;
        block.item.iItem = i;
        block.item.pszText = remote.At(offsetof(Block, text));
        block.item.cchTextMax = sizeof block.text;
        remote.Write(&block, sizeof block);
        remote.Send(view, LVM_GETITEMA, 0, "the list view has no line " + std::to_string(i));
        remote.Read(&block, sizeof block);
        block.text[sizeof block.text - 1] = '\0';
        lines.push_back({block.text, block.item.iImage >= 0 ? block.item.iImage + 1 : 0});
    }
    return lines;
}

SYSTEMTIME Window::PickerTime(int id) const {
    RemoteBuffer remote(*owner_, sizeof(SYSTEMTIME));
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

int Window::ToolbarButtonCount(int toolbarId) const {
    return static_cast<int>(SendTo(Control(toolbarId), TB_BUTTONCOUNT));
}

void Window::ClickToolbarButton(int toolbarId, int index) const {
    HWND toolbar = Control(toolbarId);
    RemoteBuffer remote(*owner_, sizeof(RECT));
    remote.Send(toolbar, TB_GETITEMRECT, index - 1, "no toolbar button " + std::to_string(index));
    RECT r = {};
    remote.Read(&r, sizeof r);
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    // A mouse click on the button: the toolbar itself turns it into the button's command.
    PostMessageA(toolbar, WM_MOUSEMOVE, 0, at);
    PostMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(toolbar, WM_LBUTTONUP, 0, at);
}

bool Window::ToolbarButtonPressed(int toolbarId, int index) const {
    HWND toolbar = Control(toolbarId);
    RemoteBuffer remote(*owner_, sizeof(TBBUTTON));
    remote.Send(toolbar, TB_GETBUTTON, index - 1, "no toolbar button " + std::to_string(index));
    TBBUTTON button = {};
    remote.Read(&button, sizeof button);
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
    RemoteBuffer drop(*owner_, bytes.size());
    drop.Write(bytes.data(), bytes.size());
    // Sent, not posted: the memory must stay until the drop was read.
    SendTo(Control(id), WM_DROPFILES, static_cast<WPARAM>(drop.Param()), 0);
}

void Window::Screenshot(const std::string& name) const {
    RedrawWindow(hwnd_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendTo(hwnd_, WM_NULL);
    Sleep(400);  // the X server draws what Wine sent it
    RECT r = {};
    GetWindowRect(hwnd_, &r);
    std::string where = "&x=" + std::to_string(r.left) + "&y=" + std::to_string(r.top) +
                        "&w=" + std::to_string(r.right - r.left) +
                        "&h=" + std::to_string(r.bottom - r.top);
    // Wine names the X window that shows a top-level window; taken by itself, the picture
    // does not depend on the stacking of the windows around it.
    auto xid = reinterpret_cast<std::uintptr_t>(GetPropA(hwnd_, "__wine_x11_whole_window"));
    if (xid) where = "&window=" + std::to_string(xid);
    std::string answer =
        testing::TestServer::Get("/__control/screenshot?name=" + testing::Encode(name) + where);
    if (answer != "ok") throw DriverError("screenshot " + name + " failed: " + answer);
}

}  // namespace cw::gui
