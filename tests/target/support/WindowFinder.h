#pragma once
// Finding and operating windows of other processes, for tests that start programs: top-level
// windows by class and caption, child controls by caption, menu items by text.

#include <windows.h>

#include <chrono>
#include <string>

namespace cw::testing {

// The folder of the running test program (C:\cwtest), where every built program lies.
std::string ProgramsFolder();
// A visible top-level window with the caption (and the class, unless empty), waited for up
// to the timeout; null when none came.
HWND WaitForWindow(const std::string& className, const std::string& title,
                   std::chrono::milliseconds timeout);
// A child window of the class (any when empty) whose text is the caption; null when none.
HWND FindChild(HWND parent, const std::string& className, const std::string& caption);
// The command ID of the item of the window's menu bar (or its submenus) whose text, without
// the "&" marks, is the caption; 0 when there is none.
UINT FindMenuCommand(HWND window, const std::string& caption);
// The text of a message box (its static control).
std::string MessageBoxText(HWND box);

}  // namespace cw::testing
