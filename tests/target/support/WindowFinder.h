#pragma once
// Finding windows of other processes, for tests that start programs: top-level windows by
// class and caption, and message boxes' texts.

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
// The text of a message box (its static control).
std::string MessageBoxText(HWND box);

}  // namespace cw::testing
