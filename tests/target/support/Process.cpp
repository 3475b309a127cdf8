#include "support/Process.h"

namespace cw::testing {

ProcessResult RunHelper(const std::string& program, const std::string& arguments,
                        unsigned long timeoutMs) {
    ProcessResult result;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readRaw = nullptr, writeRaw = nullptr;
    if (!CreatePipe(&readRaw, &writeRaw, &inherit, 0)) return result;
    win32::KernelHandle readEnd(readRaw), writeEnd(writeRaw);
    SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writeEnd.get();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    StartedProgram child("\"C:\\cwtest\\" + program + ".exe\" " + arguments, startup);
    writeEnd.reset();  // the child holds the only write end now
    if (!child.Started()) return result;

    // Drains the pipe while the child runs, so that it never blocks on a full pipe.
    const DWORD start = GetTickCount();
    char buffer[4096];
    for (bool ended = false; !ended && GetTickCount() - start <= timeoutMs;) {
        ended = child.WaitForExit(20) != -1 || !child.Running();
        DWORD available = 0, read = 0;
        while (PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr) &&
               available && ReadFile(readEnd.get(), buffer, sizeof buffer, &read, nullptr) && read)
            result.output.append(buffer, read);
        result.finished = ended;
    }
    return result;
}

long RunAndWait(const std::string& commandLine, DWORD timeoutMs) {
    return StartedProgram(commandLine).WaitForExit(timeoutMs);
}

namespace {

// A visible top-level window of one process with the given caption or, with none, of the
// given class.
struct WindowSearch {
    DWORD processId;
    const char* caption;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    char text[256] = {};
    if (search->caption)
        GetWindowTextA(window, text, sizeof text);
    else
        GetClassNameA(window, text, sizeof text);
    if (std::string(text) != (search->caption ? search->caption : search->className)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND WaitForMatch(const StartedProgram& program, WindowSearch search, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(100);
    } while (program.Running() && GetTickCount() - start < timeoutMs);
    return nullptr;
}

}  // namespace

StartedProgram::StartedProgram(const std::string& commandLine, STARTUPINFOA startup,
                               const std::string& folder) {
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;  // CreateProcessA may write to it
    BOOL inherit = (startup.dwFlags & STARTF_USESTDHANDLES) != 0;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, inherit, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return;
    process_.reset(info.hProcess);
    win32::KernelHandle thread(info.hThread);
    id_ = info.dwProcessId;
}

StartedProgram StartedProgram::OfWindow(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return StartedProgram(OpenProcess(PROCESS_ALL_ACCESS, FALSE, id), id);
}

bool StartedProgram::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

HWND StartedProgram::WaitForWindow(const std::string& caption, DWORD timeoutMs) const {
    return WaitForMatch(*this, {id_, caption.c_str(), nullptr, nullptr}, timeoutMs);
}

HWND StartedProgram::WaitForDialog(DWORD timeoutMs) const {
    return WaitForMatch(*this, {id_, nullptr, "#32770", nullptr}, timeoutMs);
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
