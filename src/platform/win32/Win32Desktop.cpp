#include "platform/win32/Win32Desktop.h"

#include <windows.h>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

HWND H(WindowHandle w) {
    return reinterpret_cast<HWND>(w);
}
WindowHandle W(HWND h) {
    return reinterpret_cast<WindowHandle>(h);
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam) {
    reinterpret_cast<std::vector<WindowHandle>*>(lParam)->push_back(W(hwnd));
    return TRUE;
}

}  // namespace

std::vector<WindowHandle> Win32Desktop::TopLevelWindows() {
    std::vector<WindowHandle> windows;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string Win32Desktop::ClassName(WindowHandle window) {
    char buffer[256] = {};
    int n = GetClassNameA(H(window), buffer, 255);
    return std::string(buffer, n > 0 ? n : 0);
}

std::string Win32Desktop::Title(WindowHandle window) {
    int length = GetWindowTextLengthA(H(window));
    if (length <= 0) return "";
    std::string title(static_cast<std::size_t>(length) + 1, '\0');
    int n = GetWindowTextA(H(window), title.data(), length + 1);
    title.resize(n > 0 ? n : 0);
    return title;
}

WindowHandle Win32Desktop::FindByClass(const std::string& className) {
    return W(FindWindowA(className.empty() ? nullptr : className.c_str(), nullptr));
}

bool Win32Desktop::IsWindow(WindowHandle window) {
    return ::IsWindow(H(window)) != FALSE;
}

bool Win32Desktop::IsVisible(WindowHandle window) {
    return IsWindowVisible(H(window)) != FALSE;
}

bool Win32Desktop::Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam) {
    return PostMessageA(H(window), message, wParam, lParam) != FALSE;
}

std::intptr_t Win32Desktop::Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                 std::intptr_t lParam) {
    DWORD_PTR result = 0;
    // A window that does not answer within five seconds does not hold the program.
    if (!SendMessageTimeoutA(H(window), message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) {
        return 0;
    }
    return static_cast<std::intptr_t>(result);
}

bool Win32Desktop::GetPlacement(WindowHandle window, WindowPlacement& placement) {
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (!GetWindowPlacement(H(window), &wp)) return false;
    placement.length = wp.length;
    placement.flags = wp.flags;
    placement.showCmd = wp.showCmd;
    placement.minX = wp.ptMinPosition.x;
    placement.minY = wp.ptMinPosition.y;
    placement.maxX = wp.ptMaxPosition.x;
    placement.maxY = wp.ptMaxPosition.y;
    placement.left = wp.rcNormalPosition.left;
    placement.top = wp.rcNormalPosition.top;
    placement.right = wp.rcNormalPosition.right;
    placement.bottom = wp.rcNormalPosition.bottom;
    return true;
}

bool Win32Desktop::SetPlacement(WindowHandle window, const WindowPlacement& placement) {
    HWND hwnd = H(window);
    using IsHungFn = BOOL(WINAPI*)(HWND);
    static IsHungFn isHung = LookupProc<IsHungFn>("user32.dll", "IsHungAppWindow");
    // A window whose program does not answer would hold this call: it gets the placement
    // without waiting (below).
    bool hung = isHung && isHung(hwnd);
    if (!hung) {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof wp;
        wp.flags = placement.flags;
        wp.showCmd = placement.showCmd;
        wp.ptMinPosition = {placement.minX, placement.minY};
        wp.ptMaxPosition = {placement.maxX, placement.maxY};
        wp.rcNormalPosition = {placement.left, placement.top, placement.right, placement.bottom};
        if (SetWindowPlacement(hwnd, &wp)) return true;
    }
    if (!::IsWindow(hwnd)) return false;
    // Wine refuses the placement of another program's window: its show state and, in the
    // normal state, its position are applied one by one, without waiting for that program.
    ShowWindowAsync(hwnd, static_cast<int>(placement.showCmd));
    if (placement.showCmd == SW_SHOWNORMAL || placement.showCmd == SW_RESTORE) {
        SetWindowPos(hwnd, nullptr, placement.left, placement.top, placement.right - placement.left,
                     placement.bottom - placement.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
    return true;
}

bool Win32Desktop::RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers,
                                  std::uint32_t key) {
    return ::RegisterHotKey(H(window), id, modifiers, key) != FALSE;
}

bool Win32Desktop::SetForeground(WindowHandle window) {
    return SetForegroundWindow(H(window)) != FALSE;
}

bool Win32Desktop::Show(WindowHandle window, int command) {
    return ShowWindow(H(window), command) != FALSE;
}

bool Win32Desktop::Restore(WindowHandle window) {
    return OpenIcon(H(window)) != FALSE;
}

}  // namespace cw::win32
