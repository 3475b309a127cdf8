#pragma once
// What the installer tests watch beyond the programs they start (support/Process.h): the
// processes a program leaves running, dialog texts, and the shortcuts that lead to programs.

#include <windows.h>

#include <set>
#include <string>

#include "platform/win32/Handles.h"
#include "support/Process.h"

namespace cw::testing {

std::set<DWORD> RunningProcessIds();

// Waits until every process started after `before` whose executable's path contains
// `pathPart` (case-insensitive) has ended. False when one still runs after timeoutMs.
bool WaitForProcessesIn(const std::set<DWORD>& before, const std::string& pathPart,
                        DWORD timeoutMs);

// The texts of a dialog's static controls, one after another.
std::string DialogText(HWND dialog);

// The file a shell link (.lnk) points to; empty when it cannot be read.
std::string ShortcutTarget(const std::string& linkPath);

}  // namespace cw::testing
