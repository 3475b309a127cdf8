#include "ui/win32/DialogKeys.h"

#include <cstring>

namespace cw::win32 {

namespace {

// Every top-level window class of the program starts so.
constexpr char kClassPrefix[] = "Clearwell";

HWND TopLevelOf(HWND hwnd) {
    while (hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = GetParent(hwnd);
    return hwnd;
}

bool IsProgramWindow(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return std::strncmp(name, kClassPrefix, sizeof kClassPrefix - 1) == 0;
}

}  // namespace

bool TranslateDialogKeys(MSG& msg) {
    HWND top = TopLevelOf(msg.hwnd);
    return top && IsProgramWindow(top) && IsDialogMessageA(top, &msg);
}

}  // namespace cw::win32
