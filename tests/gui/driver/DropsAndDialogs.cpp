// Files dropped on a window, and the common dialogs of the program under test.

#include <shlobj.h>

#include <cstring>

#include "driver/GuiDriver.h"
#include "driver/RemoteBuffer.h"

namespace cw::gui {

namespace {

constexpr int kFileNameCombo = 0x47c;  // cmb13: the name field of newer Open dialogs
constexpr int kFileNameEdit = 0x480;   // edt1: the name field of older ones

struct DialogSearch {
    DWORD process;
    std::string title;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<DialogSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == search->process && ClassOf(hwnd) == "#32770" && IsWindowVisible(hwnd) &&
        TextOf(hwnd) == search->title) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    if (GetDlgCtrlID(hwnd) != search->id) return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND ChildWithId(HWND parent, int id) {
    ChildSearch search{id, nullptr};
    EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

void Window::DropFiles(int id, const std::vector<std::string>& paths) const {
    // A drop handle as the shell makes it: the header, then ANSI paths each ended by a NUL,
    // and one more NUL.
    std::string list;
    for (const std::string& path : paths)
        list += path + '\0';
    list += '\0';
    std::string bytes(sizeof(DROPFILES) + list.size(), '\0');
    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, list.data(), list.size());
    RemoteBuffer drop(owner_->Handle(), bytes.size());
    drop.Write(bytes.data(), bytes.size());
    // Sent, not posted: the memory must stay until the drop was read.
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(Control(id), WM_DROPFILES, static_cast<WPARAM>(drop.Param()), 0,
                             SMTO_ABORTIFHUNG, 5000, &result)) {
        throw DriverError("the control " + std::to_string(id) + " did not take the drop");
    }
}

HWND WaitForDialog(const Process& process, const std::string& title, DWORD timeoutMs) {
    DialogSearch search{process.Id(), title, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        "a dialog titled \"" + title + "\"", timeoutMs);
    return search.found;
}

void ChooseFile(HWND openDialog, const std::string& path) {
    HWND name = ChildWithId(openDialog, kFileNameCombo);
    if (!name) name = ChildWithId(openDialog, kFileNameEdit);
    if (!name) throw DriverError("the Open dialog has no file name field");
    DWORD_PTR result = 0;
    SendMessageTimeoutA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &result);
    HWND open = GetDlgItem(openDialog, IDOK);
    if (!open) throw DriverError("the Open dialog has no Open button");
    PostMessageA(open, BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(openDialog); }, "the Open dialog to close");
}

}  // namespace cw::gui
