#pragma once
// What every benchmark program shares: a clock read around the work alone, the largest
// private bytes of a process, and a user who answers nothing.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>

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

// The committed private memory of a process, in bytes: now, and the largest the system
// has kept track of (Wine keeps none: its peak is the current figure).
inline unsigned long long PrivateBytes(HANDLE process, bool peak) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    return peak ? counters.PeakPagefileUsage : counters.PagefileUsage;
}

// The largest private bytes of a process while the sampler lives: read every 2 ms on a
// thread of its own (both sides of a comparison pay for it alike), and once more when asked.
class PeakSampler {
  public:
    explicit PeakSampler(HANDLE process = GetCurrentProcess()) : process_(process) {
        thread_ = std::thread([this] {
            while (!stop_) {
                Note();
                Sleep(2);
            }
        });
    }
    ~PeakSampler() {
        stop_ = true;
        thread_.join();
    }
    PeakSampler(const PeakSampler&) = delete;
    PeakSampler& operator=(const PeakSampler&) = delete;

    unsigned long long Peak() {
        Note();
        return std::max(peak_.load(), PrivateBytes(process_, true));
    }

  private:
    void Note() {
        const unsigned long long now = PrivateBytes(process_, false);
        unsigned long long seen = peak_;
        while (now > seen && !peak_.compare_exchange_weak(seen, now)) {
        }
    }

    HANDLE process_;
    std::atomic<bool> stop_{false};
    std::atomic<unsigned long long> peak_{0};
    std::thread thread_;
};

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
