// Waits, processes, and the top-level windows of the driver: message boxes and dialogs.

#include "driver/GuiDriver.h"

namespace cw::gui {

namespace {

using testing::FindWindowWhere;
using testing::OwnerOf;

// A visible message box of the process (of any process for 0) whose text contains `text`.
HWND WaitForMessageBoxOf(DWORD process, const std::string& text, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindWindowWhere([&](HWND w) {
                return (!process || OwnerOf(w) == process) && ClassOf(w) == "#32770" &&
                       IsWindowVisible(w) && MessageBoxText(w).find(text) != std::string::npos;
            });
            return found != nullptr;
        },
        "a message box saying \"" + text + "\"", timeoutMs);
    return found;
}

}  // namespace

LRESULT SendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) {
        throw DriverError("window " + ClassOf(hwnd) + " did not answer message " +
                          std::to_string(message) + " within 5 s");
    }
    return static_cast<LRESULT>(result);
}

void WaitUntil(const std::function<bool()>& condition, const std::string& what, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); !condition(); Sleep(50)) {
        if (GetTickCount() - start >= timeoutMs) {
            throw DriverError("timed out after " + std::to_string(timeoutMs) + " ms waiting for " +
                              what);
        }
    }
}

void KeepsTrue(const std::function<bool()>& condition, const std::string& what, DWORD forMs) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < forMs; Sleep(50)) {
        if (!condition()) throw DriverError("no longer true: " + what);
    }
}

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    int n = GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::string TextOf(HWND hwnd) {
    std::string text(static_cast<std::size_t>(SendTo(hwnd, WM_GETTEXTLENGTH)) + 1, '\0');
    auto n = SendTo(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

Process Process::Start(const std::string& exe, const std::string& arguments) {
    std::string path = exe.find('\\') == std::string::npos ? "C:\\cwtest\\" + exe : exe;
    Process program(
        StartedProgram("\"" + path + "\" " + arguments, path.substr(0, path.rfind('\\'))));
    if (!program.Started()) throw DriverError("cannot start " + path);
    return program;
}

std::vector<HWND> Process::WindowsOfClass(const std::string& className) const {
    std::vector<HWND> found;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, className.c_str(), nullptr));) {
        if (OwnerOf(w) == Id()) found.push_back(w);
    }
    return found;
}

HWND Process::WaitForWindow(const std::string& className, const std::string& title,
                            DWORD timeoutMs) const {
    HWND found = WaitForVisible(
        [&](HWND w) { return ClassOf(w) == className && TextOf(w) == title; }, timeoutMs);
    if (!found) {
        throw DriverError((Running() ? "timed out waiting for" : "the program ended before") +
                          (" the window \"" + title + "\" of class " + className));
    }
    // The window shows early in its load; the load is over when the program waits for input.
    if (WaitForInputIdle(Handle(), timeoutMs) == WAIT_TIMEOUT) {
        throw DriverError("the program did not become idle after its window " + title +
                          " appeared");
    }
    return found;
}

std::string MessageBoxText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);  // the message box's text control
    return text ? TextOf(text) : "";
}

HWND WaitForMessageBox(const Process& process, const std::string& text, DWORD timeoutMs) {
    return WaitForMessageBoxOf(process.Id(), text, timeoutMs);
}

HWND FindMessageBox(const std::string& text, DWORD timeoutMs) {
    try {
        return WaitForMessageBoxOf(0, text, timeoutMs);
    } catch (const DriverError&) {
        return nullptr;
    }
}

void Answer(HWND box, int buttonId) {
    HWND button = GetDlgItem(box, buttonId);
    if (!button) throw DriverError("the message box has no button " + std::to_string(buttonId));
    PostMessageA(button, BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(box); }, "the message box to close");
}

void PressKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs(keys.size() * 2);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        inputs[i].type = inputs[inputs.size() - 1 - i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = inputs[inputs.size() - 1 - i].ki.wVk = keys[i];
        inputs[inputs.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace cw::gui
