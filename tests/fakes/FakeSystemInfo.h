#pragma once

#include <map>
#include <string>

#include "platform/SystemInfo.h"
#include "text/Ansi.h"

namespace cw::fakes {

// A machine the test describes; by default a one-processor 32-bit Windows XP computer with
// 256 MB of memory and the shell utility library of Internet Explorer 6.
class FakeSystemInfo : public SystemInfo {
  public:
    void QuerySystem(SystemRecord& record) override { record = system; }
    void QueryMemory(MemoryRecord& record) override { record = memory; }
    bool QueryDllVersion(const std::string& dll, DllVersionRecord& record) override {
        auto found = dlls_.find(text::UpperAnsi(dll));
        record = found == dlls_.end() ? DllVersionRecord{} : found->second;
        return found != dlls_.end();
    }

    // Names compare without regard to case, as DLL names do.
    void SetDllVersion(const std::string& dll, const DllVersionRecord& version) {
        dlls_[text::UpperAnsi(dll)] = version;
    }
    void RemoveDll(const std::string& dll) { dlls_.erase(text::UpperAnsi(dll)); }

    SystemRecord system{4096, 0x10000, 0x7FFEFFFF, 1, 65536};
    MemoryRecord memory{268435456, 100663296, 631242752, 400000000, 2147352576, 2100000000};

  private:
    std::map<std::string, DllVersionRecord> dlls_{{"SHLWAPI.DLL", {6, 0, 2800, 1}}};
};

}  // namespace cw::fakes
