#pragma once
// What a contract test needs from the build it runs in: the implementation under test (the
// fake on the host, the Win32 implementation under Wine) and a scratch area in it. Each
// build defines the factories (tests/host/ContractWorlds.cpp, tests/target/ContractWorlds.cpp).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ChangeWatch.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/FileSystem.h"
#include "platform/Internet.h"
#include "platform/MessageWait.h"
#include "platform/NotifyIcon.h"
#include "platform/OsVersion.h"
#include "platform/Registry.h"
#include "platform/SignatureCheck.h"
#include "platform/SystemFolders.h"
#include "platform/SystemInfo.h"
#include "platform/UrlCache.h"

namespace cw::contract {

class FileSystemWorld {
  public:
    virtual ~FileSystemWorld() = default;
    virtual FileSystem& fs() = 0;
    virtual SystemFolders& folders() = 0;
    // Change notifications of the same file system.
    virtual ChangeWatch& watch() = 0;
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
    // Makes a link at linkPath to the file name, holding "kept", in the folder outside; with
    // exists false the file is not made and the link dangles.
    virtual void MakeOutsideFileLink(const std::string& linkPath, const std::string& outside,
                                     const std::string& name, bool exists = true) = 0;
    // The paths registered for deletion at the next restart, in order.
    virtual std::vector<std::string> PendingDeletes() = 0;
    // Waits a little while for the platform to take in what was just done.
    virtual void Settle(int ms) = 0;
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
    // The Internet library the control comes from.
    virtual Internet& internet() = 0;
    // A short pause between two polls of the control.
    virtual void Pause() = 0;
};

class UrlCacheWorld {
  public:
    virtual ~UrlCacheWorld() = default;
    // An index that starts empty.
    virtual UrlCache& Cache() = 0;
    // An entry of the index, as the browser records a page (type kNormalCacheEntry, with its
    // copy on disk where the platform keeps one) or a visit (kUrlHistoryCacheEntry, with a
    // "Visited:" URL).
    virtual void Seed(const std::string& url, std::uint32_t type) = 0;
};

class DesktopWorld {
  public:
    virtual ~DesktopWorld() = default;
    virtual Desktop& desktop() = 0;
    virtual NotifyIcon& notifyIcon() = 0;
    // A new top-level window of that class and title, shown in its normal state and placed
    // on top of the others.
    virtual WindowHandle Open(const std::string& className, const std::string& title) = 0;
    // Lets the windows handle what was posted to them.
    virtual void Pump() = 0;
};

// The services of the system itself: time, this thread's messages, the version, the special
// folders and the machine's figures.
class SystemWorld {
  public:
    virtual ~SystemWorld() = default;
    virtual Clock& clock() = 0;
    virtual MessageWait& wait() = 0;
    virtual OsVersion& os() = 0;
    virtual SystemFolders& folders() = 0;
    virtual SystemInfo& info() = 0;
    // A message for this thread arrives (a posted thread message).
    virtual void PostMessageToSelf() = 0;
    // Takes every pending message of this thread off the queue.
    virtual void DrainMessages() = 0;
};

class SignatureWorld {
  public:
    virtual ~SignatureWorld() = default;
    // The check with the key the build trusts.
    virtual SignatureCheck& check() = 0;
    // A signature of content by that key, or by another one.
    virtual std::string Sign(const std::string& content, bool otherKey = false) = 0;
};

std::unique_ptr<FileSystemWorld> MakeFileSystemWorld();
std::unique_ptr<RegistryWorld> MakeRegistryWorld();
std::unique_ptr<TransferWorld> MakeTransferWorld();
std::unique_ptr<UrlCacheWorld> MakeUrlCacheWorld();
std::unique_ptr<DesktopWorld> MakeDesktopWorld();
std::unique_ptr<SystemWorld> MakeSystemWorld();
std::unique_ptr<SignatureWorld> MakeSignatureWorld();

}  // namespace cw::contract
