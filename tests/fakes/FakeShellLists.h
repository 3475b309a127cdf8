#pragma once
// The Recycle Bin and the recent-documents list, each holding names in memory.

#include <string>
#include <vector>

#include "platform/RecentDocuments.h"
#include "platform/RecycleBin.h"

namespace cw::fakes {

class FakeRecycleBin : public RecycleBin {
  public:
    long Empty(WindowHandle owner, const std::string& root, std::uint32_t flags) override {
        emptyCalls.push_back({owner, root, flags});
        bool wasEmpty = items.empty();
        items.clear();
        // The shell answers a failure code for a bin that was already empty.
        return wasEmpty ? static_cast<long>(0x8000FFFFu) : 0;
    }
    void UpdateIcon() override { ++iconUpdates; }

    struct Call {
        WindowHandle owner;
        std::string root;
        std::uint32_t flags;
    };
    std::vector<std::string> items;
    std::vector<Call> emptyCalls;
    int iconUpdates = 0;
};

class FakeRecentDocuments : public RecentDocuments {
  public:
    void Add(const std::string& path) override { items.push_back(path); }
    void Clear() override {
        items.clear();
        ++clears;
    }
    std::vector<std::string> items;
    int clears = 0;
};

}  // namespace cw::fakes
