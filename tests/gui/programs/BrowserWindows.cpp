// A stand-in for Internet Explorer and Explorer in the GUI tests: opens a window of class
// "IEFrame" (normal), one of class "CabinetWClass" (minimised) and one of another class,
// and keeps them until they are closed or two minutes have passed.

#include <windows.h>

namespace {

int open = 0;

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY && --open == 0) PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Open(const char* className, const char* title, int x, int y, int show) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, x, y, 320, 200, nullptr,
                                nullptr, wc.hInstance, nullptr);
    ShowWindow(hwnd, show);
    ++open;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Open("IEFrame", "Test Page - Internet Explorer", 40, 40, SW_SHOWNORMAL);
    Open("CabinetWClass", "C:\\", 80, 120, SW_SHOWMINNOACTIVE);
    Open("Notepad", "Untitled - Notepad", 120, 200, SW_SHOWNOACTIVATE);
    SetTimer(nullptr, 0, 120000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr) break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
