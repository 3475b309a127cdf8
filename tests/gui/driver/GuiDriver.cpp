#include "driver/GuiDriver.h"

#include <commctrl.h>

#include <utility>

#include "driver/RemoteBuffer.h"
#include "support/TestWorld.h"

namespace cw::gui {

namespace {

constexpr DWORD kSendTimeoutMs = 5000;

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    if (GetDlgCtrlID(hwnd) == search->id) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

LRESULT SendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result)) {
        throw DriverError("window " + ClassOf(hwnd) + " did not answer message " +
                          std::to_string(message) + " within 5 s");
    }
    return static_cast<LRESULT>(result);
}

void WaitUntil(const std::function<bool()>& condition, const std::string& what, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return;
        if (GetTickCount() - start >= timeoutMs) {
            throw DriverError("timed out after " + std::to_string(timeoutMs) + " ms waiting for " +
                              what);
        }
        Sleep(50);
    }
}

void KeepsTrue(const std::function<bool()>& condition, const std::string& what, DWORD forMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < forMs) {
        if (!condition()) throw DriverError("no longer true: " + what);
        Sleep(50);
    }
}

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    int n = GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::string TextOf(HWND hwnd) {
    auto length = static_cast<int>(SendTo(hwnd, WM_GETTEXTLENGTH, 0, 0));
    if (length <= 0) return "";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    auto n = static_cast<int>(
        SendTo(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

// --- Process ---------------------------------------------------------------------------

Process Process::Start(const std::string& exe, const std::string& arguments) {
    std::string path = exe.find('\\') == std::string::npos ? "C:\\cwtest\\" + exe : exe;
    std::string folder = path.substr(0, path.rfind('\\'));
    std::string line = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info)) {
        throw DriverError("cannot start " + path + " (error " + std::to_string(GetLastError()) +
                          ")");
    }
    CloseHandle(info.hThread);
    return Process(info.hProcess, info.dwProcessId);
}

Process Process::Attach(DWORD id) {
    HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, id);
    if (!process) throw DriverError("cannot open process " + std::to_string(id));
    return Process(process, id);
}

Process Process::OfWindow(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return Attach(id);
}

Process::Process(Process&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(other.id_) {}

Process::~Process() {
    if (!process_) return;
    if (Running()) Kill();
    CloseHandle(process_);
}

bool Process::Running() const {
    return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void Process::Kill() {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
}

HWND Process::FindWindowOfClass(const std::string& className) const {
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, className.c_str(), nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == id_) return w;
    }
    return nullptr;
}

int Process::CountWindowsOfClass(const std::string& className) const {
    int count = 0;
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, className.c_str(), nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        count += owner == id_;
    }
    return count;
}

HWND Process::WaitForWindow(const std::string& className, const std::string& title,
                            DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            if (!Running())
                throw DriverError("the program ended before its window " + title + " appeared");
            found = FindWindowOfClass(className);
            return found && IsWindowVisible(found) && TextOf(found) == title;
        },
        "the window \"" + title + "\" of class " + className, timeoutMs);
    // The window shows early in its load; the load is over when the program waits for input.
    // (A console program cannot be asked: the call fails at once.)
    if (WaitForInputIdle(process_, timeoutMs) == WAIT_TIMEOUT) {
        throw DriverError("the program did not become idle after its window " + title +
                          " appeared");
    }
    return found;
}

// --- Window ----------------------------------------------------------------------------

std::string Window::Title() const {
    return TextOf(hwnd_);
}

void Window::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!PostMessageA(hwnd_, message, wParam, lParam))
        throw DriverError("cannot post to the window");
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendTo(hwnd_, message, wParam, lParam);
}

void Window::Command(int id) const {
    Post(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

HWND Window::Control(int id) const {
    ChildSearch search{id, nullptr};
    EnumChildWindows(hwnd_, FindChild, reinterpret_cast<LPARAM>(&search));
    if (!search.found) throw DriverError("no control with ID " + std::to_string(id));
    return search.found;
}

std::string Window::Text(int id) const {
    return TextOf(Control(id));
}

bool Window::ControlVisible(int id) const {
    return IsWindowVisible(Control(id)) != FALSE;
}

bool Window::ControlEnabled(int id) const {
    return IsWindowEnabled(Control(id)) != FALSE;
}

void Window::Click(int id) const {
    HWND control = Control(id);
    if (!IsWindowEnabled(control))
        throw DriverError("control " + std::to_string(id) + " is disabled");
    // Posted: a click that opens a message box must not hold the driver.
    PostMessageA(control, BM_CLICK, 0, 0);
}

bool Window::Checked(int id) const {
    return SendTo(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
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
    if (ClassOf(control) == "ComboBox") {
        PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE),
                     reinterpret_cast<LPARAM>(control));
    }
}

std::vector<std::string> Window::Items(int id) const {
    HWND control = Control(id);
    bool combo = ClassOf(control) == "ComboBox";
    auto count = static_cast<int>(SendTo(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) {
        // In UTF-16: Wine cuts item texts short when it carries them across processes in
        // the ANSI form.
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0,
                                 SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) {
            throw DriverError("the list " + std::to_string(id) + " did not answer");
        }
        std::wstring wide(length + 1, L'\0');
        DWORD_PTR n = 0;
        SendMessageTimeoutW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                            reinterpret_cast<LPARAM>(wide.data()), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                            &n);
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
    bool combo = ClassOf(control) == "ComboBox";
    return static_cast<int>(SendTo(control, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

void Window::Select(int id, int index) const {
    HWND control = Control(id);
    bool combo = ClassOf(control) == "ComboBox";
    SendTo(control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // Selecting from code is silent; the user's click also tells the window.
    PostMessageA(GetParent(control), WM_COMMAND,
                 MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
}

std::string Window::StatusText(int id) const {
    return TextOf(Control(id));
}

int Window::ToolbarButtonCount(int toolbarId) const {
    return static_cast<int>(SendTo(Control(toolbarId), TB_BUTTONCOUNT, 0, 0));
}

int Window::ToolbarCommand(HWND toolbar, int index) const {
    RemoteBuffer remote(owner_->Handle(), sizeof(TBBUTTON));
    if (!SendTo(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index - 1), remote.Param())) {
        throw DriverError("the toolbar has no button " + std::to_string(index));
    }
    TBBUTTON button = {};
    remote.Read(&button, sizeof button);
    return button.idCommand;
}

void Window::ClickToolbarButton(int toolbarId, int index) const {
    HWND toolbar = Control(toolbarId);
    RemoteBuffer remote(owner_->Handle(), sizeof(RECT));
    if (!SendTo(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index - 1), remote.Param())) {
        throw DriverError("the toolbar has no button " + std::to_string(index));
    }
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
    return SendTo(toolbar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(ToolbarCommand(toolbar, index)),
                  0) != 0;
}

void Window::Screenshot(const std::string& name) const {
    RedrawWindow(hwnd_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Send(WM_NULL);
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
