#pragma once
// The shell's Recycle Bin.

#include <cstdint>
#include <string>

#include "platform/WindowHandle.h"

namespace cw {

inline constexpr std::uint32_t kRecycleNoConfirmation = 0x1;
inline constexpr std::uint32_t kRecycleNoProgressUi = 0x2;
inline constexpr std::uint32_t kRecycleNoSound = 0x4;

class RecycleBin {
  public:
    virtual ~RecycleBin() = default;
    // SHEmptyRecycleBinA: an empty root means every drive. Returns the HRESULT.
    virtual long Empty(WindowHandle owner, const std::string& root, std::uint32_t flags) = 0;
    // SHUpdateRecycleBinIcon.
    virtual void UpdateIcon() = 0;
};

}  // namespace cw
