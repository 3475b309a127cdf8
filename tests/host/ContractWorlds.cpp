// The host build runs the contract tests against the fakes.

#include "contract/ContractWorld.h"
#include "fakes/FakeChangeWatch.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeInternet.h"
#include "fakes/FakeMessageWait.h"
#include "fakes/FakeNotifyIcon.h"
#include "fakes/FakeOsVersion.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSignatureCheck.h"
#include "fakes/FakeSystemFolders.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/FakeUrlCache.h"

namespace cw::contract {

namespace {

class FakeFileSystemWorld : public FileSystemWorld {
  public:
    FileSystem& fs() override { return fs_; }
    SystemFolders& folders() override { return folders_; }
    ChangeWatch& watch() override { return watch_; }
    std::string Root(const std::string& name) override {
        std::string root = "C:\\scratch\\" + name;
        fs_.AddDirectory(root);
        return root;
    }
    void HoldOpen(const std::string& path) override {
        fs_.Lock(path);
        held_.push_back(path);
    }
    void ReleaseAll() override {
        for (const auto& p : held_)
            fs_.Lock(p, false);
        held_.clear();
    }
    void MakeOutsideLink(const std::string& linkPath, const std::string& outside,
                         const std::vector<std::string>& files) override {
        std::string target = "D:\\outside\\" + outside;
        fs_.AddDirectory(target);
        for (const auto& f : files)
            fs_.AddFile(target + "\\" + f, "kept");
        fs_.AddLink(linkPath, target);
    }
    void MakeOutsideFileLink(const std::string& linkPath, const std::string& outside,
                             const std::string& name, bool exists) override {
        std::string target = "D:\\outside\\" + outside + "\\" + name;
        if (exists) fs_.AddFile(target, "kept");
        fs_.AddLink(linkPath, target);
    }
    std::vector<std::string> OutsideNames(const std::string& outside) override {
        std::vector<std::string> names;
        fs_.Find("D:\\outside\\" + outside + "\\*", [&](const FindData& d) {
            if (d.name != "." && d.name != "..") names.push_back(d.name);
            return true;
        });
        return names;
    }
    std::vector<std::string> PendingDeletes() override { return fs_.PendingDeletes(); }
    void Settle(int) override {}

  private:
    fakes::FakeFileSystem fs_;
    fakes::FakeSystemFolders folders_;
    fakes::FakeChangeWatch watch_{fs_};
    std::vector<std::string> held_;
};

class FakeRegistryWorld : public RegistryWorld {
  public:
    Registry& registry() override { return registry_; }
    std::string Key(const std::string& name) override {
        std::string key = "Software\\ClearwellTest\\" + name;
        registry_.CreateKey(kHkeyCurrentUser, key);
        return key;
    }

  private:
    fakes::FakeRegistry registry_;
};

class FakeTransferWorld : public TransferWorld {
  public:
    void Serve(const std::string& path, const ScriptedResponse& r) override {
        fakes::FakeResponse response;
        response.headers = "HTTP/1.1 " + std::to_string(r.status) +
                           (r.status == 404 ? " Not Found" : " OK") +
                           "\r\nContent-Length: " + std::to_string(r.body.size()) + "\r\n\r\n";
        response.body = r.body;
        // A trickled body keeps the control busy for one poll per piece.
        response.busyPolls = r.trickleMs ? static_cast<int>(r.body.size() / 16) : 1;
        internet_.ServeRaw(Url(path), response);
        internet_.SetReachable(Url(path), true);
    }
    std::string Url(const std::string& path) override { return "http://fake.test" + path; }
    std::string UnreachableUrl() override { return "http://unreachable.test/"; }
    Transfer& transfer() override { return *transfer_; }
    Internet& internet() override { return internet_; }
    void Pause() override {}

  private:
    fakes::FakeInternet internet_;
    std::unique_ptr<Transfer> transfer_ = internet_.CreateTransfer("test");
};

class FakeUrlCacheWorld : public UrlCacheWorld {
  public:
    UrlCache& Cache() override { return cache_; }
    void Seed(const std::string& url, std::uint32_t type) override { cache_.Add(url, type); }

  private:
    fakes::FakeUrlCache cache_;
};

class FakeDesktopWorld : public DesktopWorld {
  public:
    Desktop& desktop() override { return desktop_; }
    NotifyIcon& notifyIcon() override { return tray_; }
    WindowHandle Open(const std::string& className, const std::string& title) override {
        return desktop_.Add(className, title);
    }
    void Pump() override {}

  private:
    fakes::FakeDesktop desktop_;
    fakes::FakeNotifyIcon tray_;
};

class FakeSystemWorld : public SystemWorld {
  public:
    Clock& clock() override { return clock_; }
    MessageWait& wait() override { return wait_; }
    OsVersion& os() override { return os_; }
    SystemFolders& folders() override { return folders_; }
    SystemInfo& info() override { return info_; }
    void PostMessageToSelf() override { wait_.messagePending = true; }
    void DrainMessages() override { wait_.messagePending = false; }

  private:
    fakes::FakeClock clock_;
    fakes::FakeMessageWait wait_{clock_};
    fakes::FakeOsVersion os_;
    fakes::FakeSystemFolders folders_;
    fakes::FakeSystemInfo info_;
};

class FakeSignatureWorld : public SignatureWorld {
  public:
    SignatureCheck& check() override { return check_; }
    std::string Sign(const std::string& content, bool otherKey) override {
        return otherKey ? fakes::FakeSignatureCheck::Sign(content, "other")
                        : fakes::FakeSignatureCheck::Sign(content);
    }

  private:
    fakes::FakeSignatureCheck check_;
};

}  // namespace

std::unique_ptr<FileSystemWorld> MakeFileSystemWorld() {
    return std::make_unique<FakeFileSystemWorld>();
}
std::unique_ptr<RegistryWorld> MakeRegistryWorld() {
    return std::make_unique<FakeRegistryWorld>();
}
std::unique_ptr<TransferWorld> MakeTransferWorld() {
    return std::make_unique<FakeTransferWorld>();
}
std::unique_ptr<UrlCacheWorld> MakeUrlCacheWorld() {
    return std::make_unique<FakeUrlCacheWorld>();
}
std::unique_ptr<DesktopWorld> MakeDesktopWorld() {
    return std::make_unique<FakeDesktopWorld>();
}
std::unique_ptr<SystemWorld> MakeSystemWorld() {
    return std::make_unique<FakeSystemWorld>();
}

std::unique_ptr<SignatureWorld> MakeSignatureWorld() {
    return std::make_unique<FakeSignatureWorld>();
}

}  // namespace cw::contract
