// The host build runs the contract tests against the fakes, wired as the window models see
// them: one world serves every contract.

#include "contract/ContractWorld.h"
#include "fakes/FakeServices.h"

namespace cw::contract {

namespace {

const std::string kOutside = "D:\\outside\\";

class FakeWorld final : public World {
  public:
    FileSystem& fs() override { return s_.fileSystem; }
    SystemFolders& folders() override { return s_.systemFolders; }
    ChangeWatch& watch() override { return s_.changeWatch; }
    std::string Root(const std::string& name) override {
        s_.fileSystem.AddDirectory("C:\\scratch\\" + name);
        return "C:\\scratch\\" + name;
    }
    void HoldOpen(const std::string& path) override {
        s_.fileSystem.Lock(path);
        held_.push_back(path);
    }
    void ReleaseAll() override {
        for (const auto& p : held_)
            s_.fileSystem.Lock(p, false);
        held_.clear();
    }
    void MakeOutsideLink(const std::string& linkPath, const std::string& outside,
                         const std::vector<std::string>& files) override {
        s_.fileSystem.AddDirectory(kOutside + outside);
        for (const auto& f : files)
            s_.fileSystem.AddFile(kOutside + outside + "\\" + f, "kept");
        s_.fileSystem.AddLink(linkPath, kOutside + outside);
    }
    void MakeOutsideFileLink(const std::string& linkPath, const std::string& outside,
                             const std::string& name, bool exists) override {
        std::string target = kOutside + outside + "\\" + name;
        if (exists) s_.fileSystem.AddFile(target, "kept");
        s_.fileSystem.AddLink(linkPath, target);
    }
    std::vector<std::string> OutsideNames(const std::string& outside) override {
        return Listing(s_.fileSystem, kOutside + outside);
    }
    std::vector<std::string> PendingDeletes() override { return s_.fileSystem.PendingDeletes(); }
    void Settle(int) override {}

    Registry& registry() override { return s_.registry; }
    std::string Key(const std::string& name) override {
        s_.registry.CreateKey(kHkeyCurrentUser, "Software\\ClearwellTest\\" + name);
        return "Software\\ClearwellTest\\" + name;
    }

    void Serve(const std::string& path, const ScriptedResponse& r) override {
        fakes::FakeResponse response;
        response.headers = "HTTP/1.1 " + std::to_string(r.status) +
                           (r.status == 404 ? " Not Found" : " OK") +
                           "\r\nContent-Length: " + std::to_string(r.body.size()) + "\r\n\r\n";
        response.body = r.body;
        // A trickled body keeps the control busy for one poll per piece.
        response.busyPolls = r.trickleMs ? static_cast<int>(r.body.size() / 16) : 1;
        s_.internet.ServeRaw(Url(path), response);
        s_.internet.SetReachable(Url(path), true);
    }
    std::string Url(const std::string& path) override { return "http://fake.test" + path; }
    std::string UnreachableUrl() override { return "http://unreachable.test/"; }
    Transfer& transfer() override { return s_.transfer; }
    Internet& internet() override { return s_.internet; }

    UrlCache& Cache() override { return s_.urlCache; }
    void Seed(const std::string& url, std::uint32_t type) override { s_.urlCache.Add(url, type); }

    Desktop& desktop() override { return s_.desktop; }
    NotifyIcon& notifyIcon() override { return s_.notifyIcon; }
    WindowHandle Open(const std::string& className, const std::string& title) override {
        return s_.desktop.Add(className, title);
    }

    Clock& clock() override { return s_.clock; }
    MessageWait& wait() override { return s_.messageWait; }
    OsVersion& os() override { return s_.osVersion; }
    SystemInfo& info() override { return s_.systemInfo; }
    void PostMessageToSelf() override { s_.messageWait.messagePending = true; }
    void DrainMessages() override { s_.messageWait.messagePending = false; }

    SignatureCheck& check() override { return s_.signatures; }
    std::string Sign(const std::string& content, bool otherKey) override {
        return fakes::FakeSignatureCheck::Sign(content, otherKey ? "other" : "maker");
    }

  private:
    fakes::FakeServices s_;
    std::vector<std::string> held_;
};

}  // namespace

std::unique_ptr<World> MakeWorld() {
    return std::make_unique<FakeWorld>();
}

}  // namespace cw::contract
