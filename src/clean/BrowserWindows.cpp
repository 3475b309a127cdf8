#include "clean/BrowserWindows.h"

#include "text/Ansi.h"

namespace cw {

namespace {

constexpr const char kIEFrameClass[] = "IEFrame";
constexpr const char kTaskbarClass[] = "Shell_TrayWnd";

}  // namespace

bool BrowserWindows::BoundReached(std::uint32_t runStart, int requests) {
    return requests >= kCloseIEWindowsMaxRequests ||
           clock_.TickCount() - runStart >= kCloseIEWindowsMaxMs;
}

void BrowserWindows::AwaitClose(WindowHandle window, std::uint32_t runStart) {
    const std::uint32_t posted = clock_.TickCount();
    for (;;) {
        dialogs_.DoEvents();
        if (!desktop_.IsWindow(window)) return;
        std::uint32_t now = clock_.TickCount();
        if (now - posted >= kCloseRequestGraceMs || now - runStart >= kCloseIEWindowsMaxMs) return;
        wait_.WaitForMessages(kCloseRequestPollMs);
    }
}

int BrowserWindows::CloseIEWindows() {
    dialogs_.DoEvents();
    const std::uint32_t start = clock_.TickCount();
    int requests = 0;
    for (;;) {
        WindowHandle window = desktop_.FindByClass(kIEFrameClass);
        if (!window || !desktop_.IsWindow(window)) break;
        if (BoundReached(start, requests)) break;
        desktop_.Post(window, kWmClose, 1, 1);
        ++requests;
        AwaitClose(window, start);
    }
    return requests;
}

std::string BrowserWindows::GetWindowTitle(WindowHandle window) {
    return desktop_.Title(window);
}

bool BrowserWindows::CloseWindowByTitle(const std::string& text) {
    if (text.empty()) return false;
    const std::string wanted = text::LowerAnsi(text);
    for (WindowHandle window : desktop_.TopLevelWindows()) {
        if (text::LowerAnsi(GetWindowTitle(window)).find(wanted) != std::string::npos) {
            desktop_.Post(window, kWmClose, 0, 0);
            return true;
        }
    }
    return false;
}

void BrowserWindows::MinimizeAllWindows() {
    WindowHandle taskbar = desktop_.FindByClass(kTaskbarClass);
    if (taskbar) desktop_.Post(taskbar, kWmCommand, kMinimizeAllCommand, 0);
}

}  // namespace cw
