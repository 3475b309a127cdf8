#pragma once

#include "platform/SystemInfo.h"

namespace cw::win32 {

class Win32SystemInfo : public SystemInfo {
  public:
    // With useMemoryStatusEx false the memory status always comes from GlobalMemoryStatus,
    // as on a system without GlobalMemoryStatusEx (tests use it to exercise the fallback).
    explicit Win32SystemInfo(bool useMemoryStatusEx = true)
        : useMemoryStatusEx_(useMemoryStatusEx) {}

    void QuerySystem(SystemRecord& record) override;
    void QueryMemory(MemoryRecord& record) override;
    bool QueryDllVersion(const std::string& dll, DllVersionRecord& record) override;

  private:
    bool useMemoryStatusEx_;
};

}  // namespace cw::win32
