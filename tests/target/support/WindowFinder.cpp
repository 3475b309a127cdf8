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

std::string MessageBoxText(HWND box) {
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

}  // namespace cw::testing
