// Top-level windows for the browser-closing and browser-hiding tests. Each argument makes
// one window, each one a little further down and right:
//   class:title          hidden; closes when asked (WM_CLOSE)
//   refuse:class:title   never closes; its title ends in the number of close requests
//   normal:class:title, minimised:class:title, shown:class:title   shown as said (the
//                        last two without taking the focus)
// The window "cwwindows control" comes last, when all are made; closing it ends the program,
// which also ends by itself after two minutes.

#include <windows.h>

#include <string>
#include <utility>

namespace {

constexpr char kRefusingProp[] = "cwwindows.refuses";

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE && GetPropA(hwnd, kRefusingProp)) {
        auto count = reinterpret_cast<UINT_PTR>(GetPropA(hwnd, "cwwindows.count")) + 1;
        SetPropA(hwnd, "cwwindows.count", reinterpret_cast<HANDLE>(count));
        char title[512];
        GetWindowTextA(hwnd, title, sizeof title);
        std::string text = title;
        std::size_t at = text.rfind(" #");
        if (at != std::string::npos) text.resize(at);
        text += " #" + std::to_string(count);
        SetWindowTextA(hwnd, text.c_str());
        return 0;
    }
    if (message == WM_DESTROY && GetPropA(hwnd, "cwwindows.control")) PostQuitMessage(0);
    if (message == WM_TIMER) PostQuitMessage(1);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Register(const std::string& className) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), className.c_str(), &wc)) return;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className.c_str();
    RegisterClassA(&wc);
}

HWND Make(const std::string& className, const std::string& title, int at = 0) {
    Register(className);
    return CreateWindowA(className.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, at, at, 200, 100,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const std::pair<std::string, int> kinds[] = {{"refuse:", SW_HIDE},
                                                 {"normal:", SW_SHOWNORMAL},
                                                 {"minimised:", SW_SHOWMINNOACTIVE},
                                                 {"shown:", SW_SHOWNOACTIVATE}};
    for (int i = 1; i < argc; ++i) {
        std::string wanted = argv[i];
        int show = SW_HIDE;
        bool refuses = false;
        for (const auto& [prefix, how] : kinds) {
            if (wanted.rfind(prefix, 0) != 0) continue;
            wanted.erase(0, prefix.size());
            show = how;
            refuses = prefix == "refuse:";
        }
        std::size_t colon = wanted.find(':');
        if (colon == std::string::npos) return 2;
        HWND window = Make(wanted.substr(0, colon), wanted.substr(colon + 1), 40 * i);
        if (refuses) SetPropA(window, kRefusingProp, reinterpret_cast<HANDLE>(1));
        ShowWindow(window, show);
    }
    HWND control = Make("CwWindowsControl", "cwwindows control");
    SetPropA(control, "cwwindows.control", reinterpret_cast<HANDLE>(1));
    SetTimer(control, 1, 120000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
