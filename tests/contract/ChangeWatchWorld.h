#pragma once
// What the ChangeWatch contract tests run against: the fake over an in-memory file system on
// the host build, the Win32 implementation and real folders under Wine. Each build defines
// the factory.

#include <memory>
#include <string>

#include "platform/ChangeWatch.h"
#include "platform/FileSystem.h"

namespace cw::contract {

class ChangeWatchWorld {
  public:
    virtual ~ChangeWatchWorld() = default;
    virtual FileSystem& fs() = 0;
    virtual ChangeWatch& watch() = 0;
    // A fresh, empty folder (no trailing backslash).
    virtual std::string MakeFolder(const std::string& name) = 0;
    // Waits a little while for the platform to take in what was just done.
    virtual void Settle(int ms) = 0;
};

std::unique_ptr<ChangeWatchWorld> MakeChangeWatchWorld();

}  // namespace cw::contract
