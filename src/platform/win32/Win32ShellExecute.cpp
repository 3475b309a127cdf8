#include "platform/win32/Win32ShellExecute.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Handles.h"

namespace cw::win32 {

bool Win32ShellExecute::Execute(WindowHandle owner, const std::string& verb,
                                const std::string& file, const std::string& parameters,
                                const std::string& directory, int showCommand) {
    HINSTANCE result =
        ShellExecuteA(reinterpret_cast<HWND>(owner), verb.empty() ? nullptr : verb.c_str(),
                      file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                      directory.empty() ? nullptr : directory.c_str(), showCommand);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool Win32ShellExecute::StartProcess(const std::string& commandLine, int showCommand) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;  // CreateProcessA may write into its command line
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return false;
    }
    KernelHandle process(info.hProcess), thread(info.hThread);
    return true;
}

std::string Win32ShellExecute::ModulePath() {
    char buffer[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return std::string(buffer, n);
}

}  // namespace cw::win32
