#pragma once
// What the contract tests of the URL cache and of the list of deletions at restart need from
// the build they run in: the implementation under test and a way to seed and observe it.
// The host build defines the factories over the fakes, the target build over WinINet and
// MoveFileExA (tests/*/UrlCacheFactory.cpp).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/UrlCache.h"

namespace cw::contract {

class UrlCacheWorld {
  public:
    virtual ~UrlCacheWorld() = default;
    virtual UrlCache& Cache() = 0;
    // Adds an entry (with a small local file where the platform keeps one).
    virtual void Seed(const std::string& url, std::uint32_t type) = 0;
};

// An index that starts empty.
std::unique_ptr<UrlCacheWorld> MakeUrlCacheWorld();

class RebootWorld {
  public:
    virtual ~RebootWorld() = default;
    virtual FileSystem& Fs() = 0;
    // A folder to work in (no trailing backslash), empty at the start.
    virtual std::string Folder() = 0;
    virtual void MakeFile(const std::string& path, const std::string& content) = 0;
    virtual std::string Content(const std::string& path) = 0;
    // The paths registered for deletion at the next restart, in order.
    virtual std::vector<std::string> PendingDeletes() = 0;
};

std::unique_ptr<RebootWorld> MakeRebootWorld();

}  // namespace cw::contract
