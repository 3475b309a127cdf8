#pragma once
// Starting the helper programs the target tests need (copied beside the tests, C:\cwtest).

#include <string>

#include "platform/win32/Handles.h"

namespace cw::testing {

struct ProcessResult {
    bool started = false;
    bool finished = false;  // false when the time ran out (the process was then ended)
    unsigned long exitCode = 0;
    std::string output;  // what it wrote to its standard output and error
};

// Runs "C:\cwtest\<program>.exe <arguments>" and waits up to timeoutMs for it to end.
ProcessResult RunHelper(const std::string& program, const std::string& arguments,
                        unsigned long timeoutMs = 60000);

// A helper that keeps running while the test works; ended (if still running) when the
// object goes away.
class BackgroundHelper {
  public:
    BackgroundHelper(const std::string& program, const std::string& arguments);
    ~BackgroundHelper();
    BackgroundHelper(const BackgroundHelper&) = delete;
    BackgroundHelper& operator=(const BackgroundHelper&) = delete;
    bool Started() const { return static_cast<bool>(process_); }
    // Waits up to timeoutMs for the process to end by itself.
    bool WaitForExit(unsigned long timeoutMs);

  private:
    win32::KernelHandle process_;
};

}  // namespace cw::testing
