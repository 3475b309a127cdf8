#pragma once
// Starting Windows programs from the installer tests and watching them: exit codes, the
// processes they leave running, their windows, and the shortcuts that lead to them.

#include <windows.h>

#include <set>
#include <string>

#include "platform/win32/Handles.h"

namespace cw::testing {

// Runs a command line (the program's path quoted where needed) and waits up to timeoutMs
// for it to end: its exit code, or -1 when it did not start or did not end in time (it is
// then ended).
long RunAndWait(const std::string& commandLine, DWORD timeoutMs = 60000);

std::set<DWORD> RunningProcessIds();

// Waits until every process started after `before` whose executable's path contains
// `pathPart` (case-insensitive) has ended. False when one still runs after timeoutMs.
bool WaitForProcessesIn(const std::set<DWORD>& before, const std::string& pathPart,
                        DWORD timeoutMs);

// A program a test starts (a command line: the program's path, quoted, and its arguments);
// it is ended at the latest when the object goes.
class StartedProgram {
  public:
    explicit StartedProgram(const std::string& commandLine);
    ~StartedProgram() { End(); }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool Running() const;
    // A visible top-level window of this program with the caption, waiting up to timeoutMs
    // for it to appear; null when none did.
    HWND WaitForWindow(const std::string& caption, DWORD timeoutMs) const;
    // A visible dialog box (a message box, for one) of this program, waiting up to timeoutMs.
    HWND WaitForDialog(DWORD timeoutMs) const;
    // Its exit code once it has ended, waiting up to timeoutMs; -1 while it still runs.
    long WaitForExit(DWORD timeoutMs) const;
    // Ends the program at once, whatever its windows would ask first.
    void End();

  private:
    win32::KernelHandle process_;
    DWORD id_ = 0;
};

// The texts of a dialog's static controls, one after another.
std::string DialogText(HWND dialog);

// The file a shell link (.lnk) points to; empty when it cannot be read.
std::string ShortcutTarget(const std::string& linkPath);

}  // namespace cw::testing
