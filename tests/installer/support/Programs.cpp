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

BOOL CALLBACK AppendStaticText(HWND control, LPARAM param) {
    char name[64] = {}, text[1024] = {};
    GetClassNameA(control, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0 && GetWindowTextA(control, text, sizeof text) > 0)
        *reinterpret_cast<std::string*>(param) += text;
    return TRUE;
}

}  // namespace

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

std::string DialogText(HWND dialog) {
    std::string text;
    EnumChildWindows(dialog, AppendStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
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
