#pragma once
// Starting programs from the tests and watching them: the helper programs (copied beside the
// tests, C:\cwtest), Clearwell itself, the installer.

#include <functional>
#include <string>

#include "platform/win32/Handles.h"

namespace cw::testing {

using WindowTest = std::function<bool(HWND)>;
// The first top-level window (or the first descendant of parent) that passes the test.
HWND FindWindowWhere(const WindowTest& test, HWND parent = nullptr);
DWORD OwnerOf(HWND window);  // the process that owns the window

// A program a test starts (a command line: the program's path, quoted, and its arguments,
// and the working folder when not the tests' own) or finds; it is ended at the latest when
// the object goes.
class StartedProgram {
  public:
    explicit StartedProgram(const std::string& commandLine, const std::string& folder = "");
    static StartedProgram OfWindow(HWND window);  // the program that owns the window
    ~StartedProgram() { End(); }
    StartedProgram(StartedProgram&&) = default;
    StartedProgram& operator=(StartedProgram&&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.get(); }
    bool Running() const;
    // A visible top-level window of this program that passes the test, waiting up to
    // timeoutMs for it to appear (not longer than the program runs); null when none did.
    HWND WaitForVisible(const WindowTest& test, DWORD timeoutMs) const;
    // Its exit code once it has ended, waiting up to timeoutMs; -1 while it still runs.
    long WaitForExit(DWORD timeoutMs) const;
    // Ends the program at once, whatever its windows would ask first.
    void End();

  protected:
    StartedProgram(HANDLE process, DWORD id) : process_(process), id_(id) {}

  private:
    win32::KernelHandle process_;
    DWORD id_ = 0;
};

// Runs a command line (the program's path quoted where needed) and waits up to timeoutMs
// for it to end: its exit code, or -1 when it did not start or did not end in time (it is
// then ended).
inline long RunAndWait(const std::string& commandLine, DWORD timeoutMs = 60000) {
    return StartedProgram(commandLine).WaitForExit(timeoutMs);
}

}  // namespace cw::testing
