#include "support/Programs.h"

#include <objbase.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <vector>

#include "text/Ansi.h"

namespace cw::testing {
namespace {

struct ToolhelpTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
using Toolhelp = win32::UniqueHandle<ToolhelpTraits>;

// The full path of a process's executable: the first module of its module list.
std::string ExecutablePath(DWORD processId) {
    Toolhelp modules(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
    if (!modules) return "";
    MODULEENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    return Module32First(modules.get(), &entry) ? entry.szExePath : "";
}

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

BOOL CALLBACK AppendStaticText(HWND control, LPARAM param) {
    char name[64] = {}, text[1024] = {};
    GetClassNameA(control, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0 && GetWindowTextA(control, text, sizeof text) > 0)
        *reinterpret_cast<std::string*>(param) += text;
    return TRUE;
}

}  // namespace

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

std::set<DWORD> RunningProcessIds() {
    std::set<DWORD> ids;
    Toolhelp processes(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!processes) return ids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(processes.get(), &entry); more;
         more = Process32Next(processes.get(), &entry))
        ids.insert(entry.th32ProcessID);
    return ids;
}

bool WaitForProcessesIn(const std::set<DWORD>& before, const std::string& pathPart,
                        DWORD timeoutMs) {
    std::vector<win32::KernelHandle> waiting;
    for (DWORD id : RunningProcessIds()) {
        if (before.count(id) || id == GetCurrentProcessId()) continue;
        if (!text::ContainsNoCase(ExecutablePath(id), pathPart)) continue;
        win32::KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
        if (process) waiting.push_back(std::move(process));
    }
    DWORD deadline = GetTickCount() + timeoutMs;
    for (const auto& process : waiting) {
        DWORD now = GetTickCount();
        DWORD left = static_cast<LONG>(deadline - now) > 0 ? deadline - now : 0;
        if (WaitForSingleObject(process.get(), left) != WAIT_OBJECT_0) return false;
    }
    return true;
}

StartedProgram::StartedProgram(const std::string& commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;  // CreateProcessA may write to it
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return;
    process_.reset(info.hProcess);
    CloseHandle(info.hThread);
    id_ = info.dwProcessId;
}

bool StartedProgram::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

namespace {

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

std::string DialogText(HWND dialog) {
    std::string text;
    EnumChildWindows(dialog, AppendStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

void StartedProgram::End() {
    if (!Running()) return;
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 10000);
}

std::string ShortcutTarget(const std::string& linkPath) {
    struct Com {
        HRESULT status = CoInitialize(nullptr);
        ~Com() {
            if (SUCCEEDED(status)) CoUninitialize();
        }
    } com;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return "";
    std::string target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        std::wstring wide(linkPath.begin(), linkPath.end());
        char path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
            target = path;
        file->Release();
    }
    link->Release();
    return target;
}

}  // namespace cw::testing
