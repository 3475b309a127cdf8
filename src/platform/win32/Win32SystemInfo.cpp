#include "platform/win32/Win32SystemInfo.h"

#include <windows.h>
#include <shlwapi.h>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

// GlobalMemoryStatusEx came with Windows 2000; Windows 95 and 98 only have the 32-bit
// GlobalMemoryStatus, whose counts stop (or wrap) at 2 or 4 GB.
using GlobalMemoryStatusExFn = BOOL(WINAPI*)(LPMEMORYSTATUSEX);
using DllGetVersionFn = HRESULT(CALLBACK*)(DLLVERSIONINFO*);

std::uint64_t Address(const void* p) {
    return reinterpret_cast<std::uintptr_t>(p);
}

bool IsBareFileName(const std::string& name) {
    return !name.empty() && name.find_first_of("\\/:") == std::string::npos;
}

// The DLL from the system folder, never one planted beside the program or in the current
// folder.
std::string SystemDllPath(const std::string& name) {
    char folder[MAX_PATH] = {};
    UINT n = GetSystemDirectoryA(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return std::string(folder, n) + "\\" + name;
}

}  // namespace

void Win32SystemInfo::QuerySystem(SystemRecord& record) {
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    record.pageSize = info.dwPageSize;
    record.minimumApplicationAddress = Address(info.lpMinimumApplicationAddress);
    record.maximumApplicationAddress = Address(info.lpMaximumApplicationAddress);
    record.numberOfProcessors = info.dwNumberOfProcessors;
    record.allocationGranularity = info.dwAllocationGranularity;
}

void Win32SystemInfo::QueryMemory(MemoryRecord& record) {
    auto statusEx = useMemoryStatusEx_
                        ? LookupProc<GlobalMemoryStatusExFn>("kernel32.dll", "GlobalMemoryStatusEx")
                        : nullptr;
    if (statusEx) {
        MEMORYSTATUSEX status = {};
        status.dwLength = sizeof status;
        if (statusEx(&status)) {
            record = {status.ullTotalPhys,     status.ullAvailPhys,    status.ullTotalPageFile,
                      status.ullAvailPageFile, status.ullTotalVirtual, status.ullAvailVirtual};
            return;
        }
    }
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    record = {status.dwTotalPhys,     status.dwAvailPhys,    status.dwTotalPageFile,
              status.dwAvailPageFile, status.dwTotalVirtual, status.dwAvailVirtual};
}

bool Win32SystemInfo::QueryDllVersion(const std::string& dll, DllVersionRecord& record) {
    record = {};
    if (!IsBareFileName(dll)) return false;
    std::string path = SystemDllPath(dll);
    if (path.empty()) return false;
    Module module(LoadLibraryA(path.c_str()));
    if (!module) return false;
    auto getVersion = reinterpret_cast<DllGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(module.get(), "DllGetVersion")));
    if (!getVersion) return false;
    DLLVERSIONINFO info = {};
    info.cbSize = sizeof info;  // 20 bytes: the first form, which every version accepts
    if (FAILED(getVersion(&info))) return false;
    record = {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.dwPlatformID};
    return true;
}

}  // namespace cw::win32
