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

BackgroundHelper::BackgroundHelper(const std::string& program, const std::string& arguments) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = CommandLine(program, arguments);
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, "C:\\cwtest",
                       &startup, &info)) {
        win32::KernelHandle thread(info.hThread);
        process_.reset(info.hProcess);
    }
}

BackgroundHelper::~BackgroundHelper() {
    if (process_ && WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool BackgroundHelper::WaitForExit(unsigned long timeoutMs) {
    return process_ && WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace cw::testing
