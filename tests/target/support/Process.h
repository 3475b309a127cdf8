#pragma once
// Starting programs from the tests and watching them: the helper programs (copied beside the
// tests, C:\cwtest), Clearwell itself, the installer.

#include <string>

#include "platform/win32/Handles.h"

namespace cw::testing {

struct ProcessResult {
    bool finished = false;  // false when it did not start or the time ran out (it was ended)
    std::string output;     // what it wrote to its standard output and error
};

// Runs "C:\cwtest\<program>.exe <arguments>" and waits up to timeoutMs for it to end.
ProcessResult RunHelper(const std::string& program, const std::string& arguments,
                        unsigned long timeoutMs = 60000);

// Runs a command line (the program's path quoted where needed) and waits up to timeoutMs
// for it to end: its exit code, or -1 when it did not start or did not end in time (it is
// then ended).
long RunAndWait(const std::string& commandLine, DWORD timeoutMs = 60000);

// A program a test starts (a command line: the program's path, quoted, and its arguments,
// and the working folder when not the tests' own) or finds; it is ended at the latest when
// the object goes. A startup record with standard handles gives them to the program.
class StartedProgram {
  public:
    explicit StartedProgram(const std::string& commandLine, STARTUPINFOA startup = {},
                            const std::string& folder = "");
    static StartedProgram OfWindow(HWND window);  // the program that owns the window
    ~StartedProgram() { End(); }
    StartedProgram(StartedProgram&&) = default;
    StartedProgram& operator=(StartedProgram&&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.get(); }
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

  protected:
    StartedProgram(HANDLE process, DWORD id) : process_(process), id_(id) {}

  private:
    win32::KernelHandle process_;
    DWORD id_ = 0;
};

}  // namespace cw::testing
