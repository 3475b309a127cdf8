#pragma once
// Tab, Shift+Tab, the arrow keys, Enter and Esc work in every window of the program as in a
// dialog: the message loops hand each message to IsDialogMessage of the program's window
// it is for.

#include <windows.h>

namespace cw::win32 {

// True when the message was handled (dispatched) as a message of one of the program's
// windows; the loop then goes on with the next one.
bool TranslateDialogKeys(MSG& msg);

}  // namespace cw::win32
