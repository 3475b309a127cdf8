// Message boxes of the program under test, and keyboard input.

#include "driver/GuiDriver.h"

namespace cw::gui {

namespace {

struct BoxSearch {
    DWORD process;
    std::string text;
    HWND found;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if ((search->process && owner != search->process) || ClassOf(hwnd) != "#32770" ||
        !IsWindowVisible(hwnd))
        return TRUE;
    if (MessageBoxText(hwnd).find(search->text) != std::string::npos) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string MessageBoxText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);  // the message box's text control
    return text ? TextOf(text) : "";
}

HWND WaitForMessageBox(const Process& process, const std::string& text, DWORD timeoutMs) {
    BoxSearch search{process.Id(), text, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        "a message box saying \"" + text + "\"", timeoutMs);
    return search.found;
}

HWND FindMessageBox(const std::string& text, DWORD timeoutMs) {
    BoxSearch search{0, text, nullptr};
    try {
        WaitUntil(
            [&] {
                EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
                return search.found != nullptr;
            },
            "a message box", timeoutMs);
    } catch (const DriverError&) {
    }
    return search.found;
}

void Answer(HWND box, int buttonId) {
    HWND button = GetDlgItem(box, buttonId);
    if (!button) throw DriverError("the message box has no button " + std::to_string(buttonId));
    PostMessageA(button, BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(box); }, "the message box to close");
}

void PressKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *it;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace cw::gui
