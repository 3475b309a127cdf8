#include "app/HotKeys.h"

namespace cw {

void SetWindowHotKey(Desktop& desktop, ui::Dialogs& dialogs, WindowHandle window,
                     std::uintptr_t hotKey) {
    std::intptr_t reply = desktop.Send(window, kWmSetHotKey, hotKey, 0);
    if (reply != 1 && reply != 0) dialogs.MsgBox("You need another hotkey", ui::vbOKOnly, "Error");
}

}  // namespace cw
