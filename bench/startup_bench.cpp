// Start-up time: starts the program named on the command line and waits until a top-level
// window of its process is visible (the window class given second, when given). Prints
// "<seconds> <peak private bytes of the program>", then ends the program.
//   startup_bench <program> [<window class>]

#include <windows.h>

#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "platform/win32/Handles.h"

namespace {

struct Search {
    DWORD process;
    const char* windowClass;
    bool found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window)) return TRUE;
    if (search->windowClass) {
        char name[256] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, search->windowClass) != 0) return TRUE;
    }
    search->found = true;
    return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_bench <program> [<window class>]\n");
        return 2;
    }
    std::string command = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    cw::bench::Stopwatch clock;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", argv[1], GetLastError());
        return 1;
    }
    cw::win32::KernelHandle process(started.hProcess), thread(started.hThread);
    cw::bench::PeakSampler memory(process.get());
    Search search{started.dwProcessId, argc > 2 ? argv[2] : nullptr, false};
    double seconds = 0;
    while (!search.found) {
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
        seconds = clock.Seconds();
        if (search.found || seconds > 60 || WaitForSingleObject(process.get(), 1) == WAIT_OBJECT_0)
            break;
    }
    unsigned long long peak = memory.Peak();
    TerminateProcess(process.get(), 0);
    WaitForSingleObject(process.get(), 5000);
    if (!search.found) {
        std::fprintf(stderr, "no window of %s was shown\n", argv[1]);
        return 1;
    }
    std::printf("%.6f %llu\n", seconds, peak);
    return 0;
}
