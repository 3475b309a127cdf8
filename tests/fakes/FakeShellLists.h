#pragma once
// The Recycle Bin and the recent-documents list, each holding names in memory.

#include <string>
#include <vector>

#include "platform/RecentDocuments.h"
#include "platform/RecycleBin.h"

namespace cw::fakes {

class FakeRecycleBin : public RecycleBin {
  public:
    long Empty(WindowHandle, const std::string&, std::uint32_t) override {
        bool wasEmpty = items.empty();
        items.clear();
        // The shell answers a failure code for a bin that was already empty.
        return wasEmpty ? static_cast<long>(0x8000FFFFu) : 0;
    }
    void UpdateIcon() override {}

    std::vector<std::string> items;
};

class FakeRecentDocuments : public RecentDocuments {
  public:
    void Add(const std::string& path) override { items.push_back(path); }
    void Clear() override { items.clear(); }
    std::vector<std::string> items;
};

}  // namespace cw::fakes
