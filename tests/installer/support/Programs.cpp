#include "support/Programs.h"

#include <objbase.h>
#include <shlobj.h>
#include <tlhelp32.h>

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

bool AnyProcessIn(const std::string& pathPart) {
    Toolhelp processes(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = processes && Process32First(processes.get(), &entry); more;
         more = Process32Next(processes.get(), &entry)) {
        if (entry.th32ProcessID != GetCurrentProcessId() &&
            text::ContainsNoCase(ExecutablePath(entry.th32ProcessID), pathPart))
            return true;
    }
    return false;
}

}  // namespace

bool WaitUntilNoProcessIn(const std::string& pathPart, DWORD timeoutMs) {
    for (DWORD start = GetTickCount(); AnyProcessIn(pathPart); Sleep(100)) {
        if (GetTickCount() - start >= timeoutMs) return false;
    }
    return true;
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
