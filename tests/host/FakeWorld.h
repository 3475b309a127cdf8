#pragma once
// The host build's contract world: the fakes, wired as the window models see them. Its
// members are the contract's; tests/target/Win32World.h offers the same over Win32.

#include "fakes/FakeServices.h"

namespace cw::contract {

class World {
  public:
    // Files: the file system, its change notifications and the special folders.
    FileSystem& fs() { return s_.fs; }
    ChangeWatch& watch() { return s_.changeWatch; }
    SystemFolders& folders() { return s_.folders; }
    // A fresh, empty folder for one test (drive-qualified, no trailing backslash).
    std::string Root(const std::string& name) {
        s_.fs.AddDirectory("C:\\scratch\\" + name);
        return "C:\\scratch\\" + name;
    }
    // Keeps the file open without sharing, as another program would, until ReleaseAll.
    void HoldOpen(const std::string& path) {
        s_.fs.Lock(path);
        held_.push_back(path);
    }
    void ReleaseAll() {
        for (const auto& p : held_)
            s_.fs.Lock(p, false);
        held_.clear();
    }
    // Makes a folder link at linkPath that points to a folder outside every scratch area,
    // holding the files named; OutsideNames lists that folder without going through links.
    void MakeOutsideLink(const std::string& linkPath, const std::string& outside,
                         const std::vector<std::string>& files) {
        s_.fs.AddDirectory(kOutside + outside);
        for (const auto& f : files)
            s_.fs.AddFile(kOutside + outside + "\\" + f, "kept");
        s_.fs.AddLink(linkPath, kOutside + outside);
    }
    std::vector<std::string> OutsideNames(const std::string& outside) {
        return Listing(s_.fs, kOutside + outside);
    }
    // Makes a link at linkPath to the file name, holding "kept", in the folder outside; with
    // exists false the file is not made and the link dangles.
    void MakeOutsideFileLink(const std::string& linkPath, const std::string& outside,
                             const std::string& name, bool exists = true) {
        std::string target = kOutside + outside + "\\" + name;
        if (exists) s_.fs.AddFile(target, "kept");
        s_.fs.AddLink(linkPath, target);
    }
    // Waits a while for the platform to take in what was just done, letting this thread's
    // windows handle what was posted to them.
    void Settle(int) {}

    Registry& registry() { return s_.registry; }
    // A fresh, empty key under HKEY_CURRENT_USER for one test.
    std::string Key(const std::string& name) {
        s_.registry.CreateKey(kHkeyCurrentUser, "Software\\ClearwellTest\\" + name);
        return "Software\\ClearwellTest\\" + name;
    }

    // The transfer control, the Internet library it comes from, and a server: the response
    // to the next request of path, and an address where nothing answers.
    Transfer& transfer() { return s_.transfer; }
    Internet& internet() { return s_.internet; }
    void Serve(const std::string& path, const ScriptedResponse& r) {
        // A trickled body keeps the control busy for one poll per piece.
        int busyPolls = r.trickleMs ? static_cast<int>(r.body.size() / 16) : 1;
        s_.internet.Serve(Url(path), r.body, busyPolls, r.status);
        s_.internet.SetReachable(Url(path), true);
    }
    std::string Url(const std::string& path) { return "http://fake.test" + path; }
    std::string UnreachableUrl() { return "http://unreachable.test/"; }

    // The URL cache's index, which starts empty, and an entry of it, as the browser records a
    // page (type kNormalCacheEntry, with its copy on disk where the platform keeps one) or a
    // visit (kUrlHistoryCacheEntry, with a "Visited:" URL).
    UrlCache& Cache() { return s_.cache; }
    void Seed(const std::string& url, std::uint32_t type) { s_.cache.Add(url, type); }

    Desktop& desktop() { return s_.desktop; }
    NotifyIcon& notifyIcon() { return s_.notifyIcon; }
    // A new top-level window of that class and title, shown in its normal state and placed
    // on top of the others.
    WindowHandle Open(const std::string& className, const std::string& title) {
        return s_.desktop.Add(className, title);
    }

    // The system itself: time, this thread's messages, the version, the machine's figures.
    Clock& clock() { return s_.clock; }
    MessageWait& wait() { return s_.messageWait; }
    OsVersion& os() { return s_.osVersion; }
    SystemInfo& info() { return s_.systemInfo; }
    // A message for this thread arrives (a posted thread message).
    void PostMessageToSelf() { s_.messageWait.messagePending = true; }
    // Takes every pending message of this thread off the queue.
    void DrainMessages() { s_.messageWait.messagePending = false; }

    // The signature check with the key the build trusts, and a signature of content by that
    // key or by another one.
    SignatureCheck& check() { return s_.signatures; }
    std::string Sign(const std::string& content, bool otherKey = false) {
        return fakes::FakeSignatureCheck::Sign(content, otherKey ? "other" : "maker");
    }

  private:
    inline static const std::string kOutside = "D:\\outside\\";
    fakes::FakeServices s_;
    std::vector<std::string> held_;
};

}  // namespace cw::contract
