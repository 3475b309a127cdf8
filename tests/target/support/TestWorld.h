#pragma once
// What the target tests need from the machine around them: the local test server (for HTTP
// and for Unix-side fixtures such as links out of the prefix), scratch folders on drive C,
// scratch registry keys, Unix paths of Windows paths, and a message loop for the test's thread.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/Win32Registry.h"

namespace cw::testing {

class TestServer {
  public:
    using Arguments = std::vector<std::pair<std::string, std::string>>;
    // "http://127.0.0.1:<port>", the port the test runner started the server on.
    static std::string BaseUrl();
    // A GET of the path (and query) on the server; the body, empty on failure.
    static std::string Get(const std::string& pathAndQuery);
    // A GET of /__control/<command> (tests/http/server.py) with the arguments, which it
    // percent-encodes; `encoded` is appended as it is.
    static std::string Control(const std::string& command, const Arguments& arguments = {},
                               const std::string& encoded = "");
    static void Reset() { Control("reset"); }
    // Adds a response for a path; params are the server's route parameters, already encoded
    // (for example "status=404" or "body=6%0D%0A").
    static void Route(const std::string& path, const std::string& params) {
        Control("route", {{"path", path}}, params);
    }
    static std::vector<std::string> Log() { return Lines(Control("log")); }
    static void Symlink(const std::string& unixLink, const std::string& unixTarget) {
        Control("symlink", {{"link", unixLink}, {"target", unixTarget}});
    }
    static void MakeUnixFolder(const std::string& unixPath) {
        Control("mkdir", {{"path", unixPath}});
    }
    static void WriteUnixFile(const std::string& unixPath, const std::string& body) {
        Control("write", {{"path", unixPath}, {"body", body}});
    }
    static std::vector<std::string> ListUnixFolder(const std::string& unixPath) {
        return Lines(Control("list", {{"path", unixPath}}));
    }
    // The signature of a file by one of the tests' keys (tests/keys/<key>-private.pem): "test",
    // the key the test build trusts, or "other".
    static std::string Signature(const std::string& windowsPath, const std::string& key = "test");

  private:
    static std::vector<std::string> Lines(const std::string& text);
};

// The Unix path Wine maps a Windows path to; empty when it cannot tell.
std::string UnixPath(const std::string& windowsPath);
// A folder outside the Wine prefix (under the test run's own folder), made on demand.
std::string OutsideFolder(const std::string& name);
// A fresh, empty folder C:\cwtest\scratch\<name> (no trailing backslash).
std::string MakeScratchFolder(const std::string& name);
// Deletes a key and everything below it.
void DeleteKeyTree(RootKey root, const std::string& subkey);
// Writes a file of the given content (created or replaced) through the Win32 API.
void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);
bool PathExists(const std::string& path);
// Wine sets its display up (adapter, monitor and video-mode keys) the first time a program of
// the session shows a window; on Windows that has happened at start-up. A test that compares
// the registry before and after calls this before its first snapshot.
void LetWineSetUpTheDisplay();
// Lets this thread's windows and timers run, as a message loop would, until done() returns
// true (checked after every message and at least every 10 ms) or maxMs have passed.
void PumpMessages(
    unsigned long maxMs, const std::function<bool()>& done = [] { return false; });

// A registry value set (as text) for as long as the object lives; what was there before, or
// nothing, is put back afterwards.
class ScopedRegistryValue {
  public:
    ScopedRegistryValue(RootKey root, std::string key, std::string name)
        : root_(root), key_(std::move(key)), name_(std::move(name)) {
        had_ = registry_.QueryValue(root_, key_, name_, old_) == 0;
    }
    ~ScopedRegistryValue() {
        if (had_)
            registry_.SetValue(root_, key_, name_, old_);
        else
            Remove();
    }
    ScopedRegistryValue(const ScopedRegistryValue&) = delete;
    ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;
    void Set(const std::string& text) {
        registry_.SetValue(root_, key_, name_, RegValue{kRegSz, text});
    }
    void Remove() { registry_.DeleteValue(root_, key_, name_); }

  private:
    win32::Win32Registry registry_;
    RootKey root_;
    std::string key_, name_;
    RegValue old_;
    bool had_ = false;
};

// The Windows version ("win98", "win2k", "winxp") Wine reports to the processes started
// while the object lives.
class WineVersion : public ScopedRegistryValue {
  public:
    explicit WineVersion(const std::string& version)
        : ScopedRegistryValue(kHkeyCurrentUser, "Software\\Wine", "Version") {
        Set(version);
    }
};

}  // namespace cw::testing
