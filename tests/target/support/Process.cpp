#include "support/Process.h"

#include <windows.h>

#include "platform/win32/Handles.h"

namespace cw::testing {

namespace {

std::string CommandLine(const std::string& program, const std::string& arguments) {
    std::string line = "\"C:\\cwtest\\" + program + ".exe\"";
    if (!arguments.empty()) line += " " + arguments;
    return line;
}

}  // namespace

ProcessResult RunHelper(const std::string& program, const std::string& arguments,
                        unsigned long timeoutMs) {
    ProcessResult result;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readRaw = nullptr, writeRaw = nullptr;
    if (!CreatePipe(&readRaw, &writeRaw, &inherit, 0)) return result;
    win32::KernelHandle readEnd(readRaw), writeEnd(writeRaw);
    SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info = {};
    std::string line = CommandLine(program, arguments);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, "C:\\cwtest",
                        &startup, &info)) {
        return result;
    }
    result.started = true;
    win32::KernelHandle process(info.hProcess), thread(info.hThread);
    writeEnd.reset();  // the child holds the only write end now: reading ends when it exits

    DWORD start = GetTickCount();
    char buffer[4096];
    for (;;) {
        DWORD available = 0;
        if (PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr) && available) {
            DWORD read = 0;
            if (ReadFile(readEnd.get(), buffer, sizeof buffer, &read, nullptr) && read) {
                result.output.append(buffer, read);
                continue;
            }
        }
        if (WaitForSingleObject(process.get(), 20) == WAIT_OBJECT_0) {
            DWORD read = 0;
            while (PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr) &&
                   available && ReadFile(readEnd.get(), buffer, sizeof buffer, &read, nullptr) &&
                   read) {
                result.output.append(buffer, read);
            }
            result.finished = true;
            break;
        }
        if (GetTickCount() - start > timeoutMs) {
            TerminateProcess(process.get(), 1);
            WaitForSingleObject(process.get(), 5000);
            break;
        }
    }
    GetExitCodeProcess(process.get(), &result.exitCode);
    return result;
}

long RunAndWait(const std::string& commandLine, DWORD timeoutMs) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;  // CreateProcessA may write to it
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return -1;
    win32::KernelHandle process(info.hProcess), thread(info.hThread);
    if (WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 5000);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return static_cast<long>(code);
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

StartedProgram::StartedProgram(const std::string& commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;  // CreateProcessA may write to it
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return;
    process_.reset(info.hProcess);
    win32::KernelHandle thread(info.hThread);
    id_ = info.dwProcessId;
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
