#pragma once
// Figures about the machine: processor and address-space facts, memory status, and the
// version a system DLL reports through its DllGetVersion export.

#include <cstdint>
#include <string>

namespace cw {

// GetSystemInfo.
struct SystemRecord {
    std::uint32_t pageSize = 0;
    std::uint64_t minimumApplicationAddress = 0;
    std::uint64_t maximumApplicationAddress = 0;
    std::uint32_t numberOfProcessors = 0;
    std::uint32_t allocationGranularity = 0;
};

// Memory status in bytes. 64-bit counts, so that machines of 2 GB and more are described
// correctly where the system can tell (GlobalMemoryStatusEx).
struct MemoryRecord {
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availPageFile = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availVirtual = 0;
};

// DLLVERSIONINFO.
struct DllVersionRecord {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t platformId = 0;
};

class SystemInfo {
  public:
    virtual ~SystemInfo() = default;
    virtual void QuerySystem(SystemRecord& record) = 0;
    virtual void QueryMemory(MemoryRecord& record) = 0;
    // DllGetVersion of a system DLL (a bare file name such as "Shlwapi.dll"). False, with the
    // record left at zero, when the DLL, its export or the call fails.
    virtual bool QueryDllVersion(const std::string& dll, DllVersionRecord& record) = 0;
};

}  // namespace cw
