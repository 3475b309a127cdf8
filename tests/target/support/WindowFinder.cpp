#include "support/WindowFinder.h"

#include <thread>

namespace cw::testing {

namespace {

struct Wanted {
    std::string className, title;
    HWND found = nullptr;
};

std::string ClassOf(HWND hwnd) {
    char cls[128] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    return cls;
}

std::string TextOf(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

bool Matches(HWND hwnd, const Wanted& wanted) {
    return (wanted.className.empty() || ClassOf(hwnd) == wanted.className) &&
           TextOf(hwnd) == wanted.title;
}

BOOL CALLBACK MatchTopLevel(HWND hwnd, LPARAM param) {
    auto* wanted = reinterpret_cast<Wanted*>(param);
    if (IsWindowVisible(hwnd) && Matches(hwnd, *wanted)) {
        wanted->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM param) {
    auto* wanted = reinterpret_cast<Wanted*>(param);
    if (Matches(hwnd, *wanted)) {
        wanted->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::string WithoutMarks(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c != '&') out += c;
    }
    return out;
}

UINT FindInMenu(HMENU menu, const std::string& caption) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (UINT id = FindInMenu(sub, caption)) return id;
        } else if (WithoutMarks(text) == WithoutMarks(caption)) {
            return GetMenuItemID(menu, i);
        }
    }
    return 0;
}

}  // namespace

std::string ProgramsFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.rfind('\\'));
}

HWND WaitForWindow(const std::string& className, const std::string& title,
                   std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        Wanted wanted{className, title};
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&wanted));
        if (wanted.found) return wanted.found;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

HWND FindChild(HWND parent, const std::string& className, const std::string& caption) {
    Wanted wanted{className, caption};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&wanted));
    return wanted.found;
}

UINT FindMenuCommand(HWND window, const std::string& caption) {
    HMENU menu = GetMenu(window);
    return menu ? FindInMenu(menu, caption) : 0;
}

std::string MessageBoxText(HWND box) {
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

}  // namespace cw::testing
