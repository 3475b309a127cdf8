#include "support/Process.h"

#include <utility>

namespace cw::testing {

namespace {

BOOL CALLBACK StopAtMatch(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<std::pair<const WindowTest*, HWND>*>(lParam);
    if (!(*search->first)(hwnd)) return TRUE;
    search->second = hwnd;
    return FALSE;
}

}  // namespace

HWND FindWindowWhere(const WindowTest& test, HWND parent) {
    std::pair<const WindowTest*, HWND> search{&test, nullptr};
    auto param = reinterpret_cast<LPARAM>(&search);
    parent ? EnumChildWindows(parent, StopAtMatch, param) : EnumWindows(StopAtMatch, param);
    return search.second;
}

DWORD OwnerOf(HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner;
}

StartedProgram::StartedProgram(const std::string& commandLine, const std::string& folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;  // CreateProcessA may write to it
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return;
    process_.reset(info.hProcess);
    win32::KernelHandle thread(info.hThread);
    id_ = info.dwProcessId;
}

StartedProgram StartedProgram::OfWindow(HWND window) {
    const DWORD id = OwnerOf(window);
    return StartedProgram(OpenProcess(PROCESS_ALL_ACCESS, FALSE, id), id);
}

bool StartedProgram::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

HWND StartedProgram::WaitForVisible(const WindowTest& test, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    do {
        HWND found = FindWindowWhere(
            [&](HWND w) { return OwnerOf(w) == id_ && IsWindowVisible(w) && test(w); });
        if (found) return found;
        Sleep(50);
    } while (Running() && GetTickCount() - start < timeoutMs);
    return nullptr;
}

long StartedProgram::WaitForExit(DWORD timeoutMs) const {
    if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return static_cast<long>(code);
}

void StartedProgram::End() {
    if (!Running()) return;
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 10000);
}

}  // namespace cw::testing
