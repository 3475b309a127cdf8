#pragma once

#include <windows.h>

#include "platform/FileSystem.h"

namespace cw::win32 {

using MoveFileExFn = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

// MoveFileExA through the given function. Windows 95 and 98 export MoveFileExA as a stub
// that fails with ERROR_CALL_NOT_IMPLEMENTED; the move is then done as MoveWithoutMoveFileEx
// does it. A deletion at restart has no such fallback there and reports the error.
long MoveFileWith(MoveFileExFn moveEx, const std::string& from, const std::string& to,
                  std::uint32_t flags);

class Win32FileSystem : public FileSystem {
  public:
    long Find(const std::string& pattern,
              const std::function<bool(const FindData&)>& visit) override;
    std::uint32_t GetAttributes(const std::string& path) override;
    long SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool IsLink(const std::string& path) override;
    long Open(const std::string& path, OpenMode mode, std::unique_ptr<File>& file) override;
    long Delete(const std::string& path) override;
    long CreateFolder(const std::string& path) override;
    long RemoveFolder(const std::string& path) override;
    long Move(const std::string& from, const std::string& to, std::uint32_t flags) override;
    std::string LongPath(const std::string& path) override;
    std::string TempPath() override;
    // Two at a time where the machine has more than one processor: a deletion spends much
    // of its time waiting on the system (under Wine, on the Wine server for the link check),
    // and the second thread works meanwhile.
    void RunEach(std::size_t count, const std::function<void(std::size_t)>& task) override;

    // Move as it is done where MoveFileExA is missing (Windows 95, 98 and Me): MoveFileA,
    // with a replaced target set aside first (and back again if the move fails), or a copy
    // across drives where copying is allowed. Moves at restart are refused.
    static long MoveWithoutMoveFileEx(const std::string& from, const std::string& to,
                                      std::uint32_t flags);
};

}  // namespace cw::win32
