#pragma once
// What the installer tests watch beyond the programs they start (support/Process.h): the
// processes a program leaves running and the shortcuts that lead to programs.

#include <windows.h>

#include <string>

#include "support/Process.h"

namespace cw::testing {

// Waits until no other process's executable path contains `pathPart` (case-insensitive);
// false when one still runs after timeoutMs.
bool WaitUntilNoProcessIn(const std::string& pathPart, DWORD timeoutMs);

// The file a shell link (.lnk) points to; empty when it cannot be read.
std::string ShortcutTarget(const std::string& linkPath);

}  // namespace cw::testing
