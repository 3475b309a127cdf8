// Top-level windows for the browser-closing and browser-hiding tests. Each argument makes
// one window, each one a little further down and right:
//   class:title          hidden; closes when asked (WM_CLOSE)
//   normal:class:title, minimised:class:title   shown as said (the minimised one without
//                        taking the focus)
// The window "cwwindows control" comes last, when all are made; closing it ends the program,
// which also ends by itself after two minutes.

#include <windows.h>

#include <string>
#include <utility>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY && GetPropA(hwnd, "cwwindows.control")) PostQuitMessage(0);
    if (message == WM_TIMER) PostQuitMessage(1);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND Make(const std::string& className, const std::string& title, int at = 0) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className.c_str();
    RegisterClassA(&wc);  // fails harmlessly when an earlier window registered the class
    return CreateWindowA(className.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, at, at, 200, 100,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const std::pair<std::string, int> kinds[] = {{"normal:", SW_SHOWNORMAL},
                                                 {"minimised:", SW_SHOWMINNOACTIVE}};
    for (int i = 1; i < argc; ++i) {
        std::string wanted = argv[i];
        int show = SW_HIDE;
        for (const auto& [prefix, how] : kinds) {
            if (wanted.rfind(prefix, 0) != 0) continue;
            wanted.erase(0, prefix.size());
            show = how;
        }
        std::size_t colon = wanted.find(':');
        if (colon == std::string::npos) return 2;
        HWND window = Make(wanted.substr(0, colon), wanted.substr(colon + 1), 40 * i);
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
