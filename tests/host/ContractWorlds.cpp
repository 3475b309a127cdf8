// The host build runs the contract tests against the fakes.

#include <map>

#include "contract/ContractWorld.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeInternet.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeSpecialFolders.h"

namespace cw::contract {

namespace {

class FakeFileSystemWorld : public FileSystemWorld {
  public:
    FileSystem& fs() override { return fs_; }
    SpecialFolders& folders() override { return folders_; }
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
    std::vector<std::string> OutsideNames(const std::string& outside) override {
        std::vector<std::string> names;
        fs_.Find("D:\\outside\\" + outside + "\\*", [&](const FindData& d) {
            if (d.name != "." && d.name != "..") names.push_back(d.name);
            return true;
        });
        return names;
    }

  private:
    fakes::FakeFileSystem fs_;
    fakes::FakeSpecialFolders folders_;
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
    }
    std::string Url(const std::string& path) override { return "http://fake.test" + path; }
    std::string UnreachableUrl() override { return "http://unreachable.test/"; }
    Transfer& transfer() override { return *transfer_; }
    void Pause() override {}

  private:
    fakes::FakeInternet internet_;
    std::unique_ptr<Transfer> transfer_ = internet_.CreateTransfer("test");
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

}  // namespace cw::contract
