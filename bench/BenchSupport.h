#pragma once
// What every benchmark program shares: a clock read around the work alone, the process's
// largest private bytes so far, and a user who answers nothing.

#include <windows.h>

#include <psapi.h>

#include <string>

#include "clean/ShellFolders.h"
#include "errors/ErrorSink.h"
#include "files/FileRoutines.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemFolders.h"
#include "ui/Dialogs.h"

namespace cw::bench {

class Stopwatch {
  public:
    Stopwatch() { QueryPerformanceCounter(&start_); }
    double Seconds() const {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - start_.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }

  private:
    LARGE_INTEGER start_;
};

// The largest committed private memory of the process so far, in bytes.
inline unsigned long long PeakPrivateBytes(HANDLE process = GetCurrentProcess()) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    return counters.PeakPagefileUsage;
}

// Nothing is asked while a benchmark runs.
class SilentDialogs : public ui::Dialogs {
  public:
    int MsgBox(const std::string&, int, const std::string&) override { return ui::vbOK; }
    std::string OpenFiles(std::size_t) override { return ""; }
    std::string BrowseForFolder(const std::string&, const ui::FolderRef&,
                                const ui::FolderRef&) override {
        return "";
    }
    void DoEvents() override {}
    void SetWaitCursor(bool) override {}
};

// Errors are not reported while a benchmark runs; what it measures is counted afterwards.
class NoErrors : public ErrorSink {
  public:
    void ReportError(const std::string&, const RuntimeError&) noexcept override {}
};

// The real file services the program's cleaners work with.
struct FileServices {
    win32::Win32FileSystem fs;
    win32::Win32SystemFolders system;
    PathGuard guard{system, fs};
    FileRoutines files{fs, guard};
    ShellFolders folders{system};
};

}  // namespace cw::bench
