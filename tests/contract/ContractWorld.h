#pragma once
// What a contract test needs from the build it runs in: the implementation under test (the
// fake on the host, the Win32 implementation under Wine) and a scratch area in it. Each
// build defines the factories.

#include <memory>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Internet.h"
#include "platform/Registry.h"
#include "platform/SpecialFolders.h"

namespace cw::contract {

class FileSystemWorld {
  public:
    virtual ~FileSystemWorld() = default;
    virtual FileSystem& fs() = 0;
    virtual SpecialFolders& folders() = 0;
    // A fresh, empty folder for one test (drive-qualified, no trailing backslash).
    virtual std::string Root(const std::string& name) = 0;
    // Keeps the file open without sharing, as another program would, until ReleaseAll.
    virtual void HoldOpen(const std::string& path) = 0;
    virtual void ReleaseAll() = 0;
    // Makes a folder link at linkPath that points to a folder outside every scratch area,
    // holding the files named; OutsideNames lists that folder without going through links.
    virtual void MakeOutsideLink(const std::string& linkPath, const std::string& outside,
                                 const std::vector<std::string>& files) = 0;
    virtual std::vector<std::string> OutsideNames(const std::string& outside) = 0;
};

class RegistryWorld {
  public:
    virtual ~RegistryWorld() = default;
    virtual Registry& registry() = 0;
    // A fresh, empty key under HKEY_CURRENT_USER for one test.
    virtual std::string Key(const std::string& name) = 0;
};

struct ScriptedResponse {
    int status = 200;
    std::string body;
    int trickleMs = 0;  // the body comes in 16-byte pieces this far apart
};

class TransferWorld {
  public:
    virtual ~TransferWorld() = default;
    // The response to the next request of path.
    virtual void Serve(const std::string& path, const ScriptedResponse& response) = 0;
    virtual std::string Url(const std::string& path) = 0;
    // An address where nothing answers.
    virtual std::string UnreachableUrl() = 0;
    virtual Transfer& transfer() = 0;
    // A short pause between two polls of the control.
    virtual void Pause() = 0;
};

std::unique_ptr<FileSystemWorld> MakeFileSystemWorld();
std::unique_ptr<RegistryWorld> MakeRegistryWorld();
std::unique_ptr<TransferWorld> MakeTransferWorld();

}  // namespace cw::contract
