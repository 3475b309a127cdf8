#pragma once
// The shell's Recycle Bin and recent-documents list.

#include "platform/RecentDocuments.h"
#include "platform/RecycleBin.h"

namespace cw::win32 {

class Win32RecycleBin : public RecycleBin {
  public:
    long Empty(WindowHandle owner, const std::string& root, std::uint32_t flags) override;
    void UpdateIcon() override;
};

class Win32RecentDocuments : public RecentDocuments {
  public:
    void Add(const std::string& path) override;
    void Clear() override;
};

}  // namespace cw::win32
