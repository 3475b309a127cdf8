#pragma once
// What a contract test needs from the build it runs in: the implementations under test (the
// fakes on the host, the Win32 implementations under Wine) and scratch areas in them. Each
// build defines MakeWorld (tests/host/ContractWorlds.cpp, tests/target/ContractWorlds.cpp).

#include <gtest/gtest.h>

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

struct ScriptedResponse {
    int status = 200;
    std::string body;
    int trickleMs = 0;  // the body comes in 16-byte pieces this far apart
};

class World {
  public:
    virtual ~World() = default;

    // Files: the file system, its change notifications and the special folders.
    virtual FileSystem& fs() = 0;
    virtual ChangeWatch& watch() = 0;
    virtual SystemFolders& folders() = 0;
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
    // Waits a while for the platform to take in what was just done, letting this thread's
    // windows handle what was posted to them.
    virtual void Settle(int ms) = 0;

    virtual Registry& registry() = 0;
    // A fresh, empty key under HKEY_CURRENT_USER for one test.
    virtual std::string Key(const std::string& name) = 0;

    // The transfer control, the Internet library it comes from, and a server: the response
    // to the next request of path.
    virtual Transfer& transfer() = 0;
    virtual Internet& internet() = 0;
    virtual void Serve(const std::string& path, const ScriptedResponse& response) = 0;
    virtual std::string Url(const std::string& path) = 0;
    // An address where nothing answers.
    virtual std::string UnreachableUrl() = 0;

    // The URL cache's index, which starts empty, and an entry of it, as the browser records a
    // page (type kNormalCacheEntry, with its copy on disk where the platform keeps one) or a
    // visit (kUrlHistoryCacheEntry, with a "Visited:" URL).
    virtual UrlCache& Cache() = 0;
    virtual void Seed(const std::string& url, std::uint32_t type) = 0;

    virtual Desktop& desktop() = 0;
    virtual NotifyIcon& notifyIcon() = 0;
    // A new top-level window of that class and title, shown in its normal state and placed
    // on top of the others.
    virtual WindowHandle Open(const std::string& className, const std::string& title) = 0;

    // The system itself: time, this thread's messages, the version, the machine's figures.
    virtual Clock& clock() = 0;
    virtual MessageWait& wait() = 0;
    virtual OsVersion& os() = 0;
    virtual SystemInfo& info() = 0;
    // A message for this thread arrives (a posted thread message).
    virtual void PostMessageToSelf() = 0;
    // Takes every pending message of this thread off the queue.
    virtual void DrainMessages() = 0;

    // The signature check with the key the build trusts, and a signature of content by that
    // key or by another one.
    virtual SignatureCheck& check() = 0;
    virtual std::string Sign(const std::string& content, bool otherKey = false) = 0;
};

std::unique_ptr<World> MakeWorld();

// A file made anew (or emptied) with the content.
inline void WriteFile(FileSystem& fs, const std::string& path, const std::string& content = "x") {
    std::unique_ptr<File> file;
    ASSERT_EQ(fs.Open(path, OpenMode::CreateAlways, file), 0) << path;
    ASSERT_EQ(file->Write(content.data(), static_cast<std::uint32_t>(content.size())), 0) << path;
}

inline std::string ReadFile(FileSystem& fs, const std::string& path) {
    std::unique_ptr<File> file;
    if (fs.Open(path, OpenMode::Read, file) != 0) return "<unreadable>";
    std::string data(1 << 16, '\0');
    std::uint32_t read = 0;
    file->Read(data.data(), static_cast<std::uint32_t>(data.size()), read);
    data.resize(read);
    return data;
}

// The names in a folder but "." and "..", in the platform's order.
inline std::vector<std::string> Listing(FileSystem& fs, const std::string& folder) {
    std::vector<std::string> names;
    fs.Find(folder + "\\*", [&](const FindData& d) {
        if (d.name != "." && d.name != "..") names.push_back(d.name);
        return true;
    });
    return names;
}

}  // namespace cw::contract
