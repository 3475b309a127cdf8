// The target build runs the contract tests against the Win32 implementations, in the
// isolated Wine prefix of the test run.

#include <windows.h>

#include <vector>

#include "contract/ContractWorld.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SpecialFolders.h"
#include "platform/win32/Win32Transfer.h"
#include "support/TestWorld.h"

namespace cw::contract {

namespace {

class Win32FileSystemWorld : public FileSystemWorld {
  public:
    FileSystem& fs() override { return fs_; }
    SpecialFolders& folders() override { return folders_; }
    std::string Root(const std::string& name) override { return testing::MakeScratchFolder(name); }
    void HoldOpen(const std::string& path) override {
        held_.emplace_back(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    void ReleaseAll() override { held_.clear(); }
    void MakeOutsideLink(const std::string& linkPath, const std::string& outside,
                         const std::vector<std::string>& files) override {
        std::string target = testing::OutsideFolder(outside);
        for (const auto& f : files)
            testing::TestServer::WriteUnixFile(target + "/" + f, "kept");
        std::string parent = linkPath.substr(0, linkPath.rfind('\\'));
        testing::TestServer::Symlink(
            testing::UnixPath(parent) + "/" + linkPath.substr(linkPath.rfind('\\') + 1), target);
    }
    std::vector<std::string> OutsideNames(const std::string& outside) override {
        return testing::TestServer::ListUnixFolder(testing::OutsideFolder(outside));
    }

  private:
    win32::Win32FileSystem fs_;
    win32::Win32SpecialFolders folders_;
    std::vector<win32::FileHandle> held_;
};

class Win32RegistryWorld : public RegistryWorld {
  public:
    Registry& registry() override { return registry_; }
    std::string Key(const std::string& name) override { return testing::ScratchRegistryKey(name); }

  private:
    win32::Win32Registry registry_;
};

std::string Hex(const std::string& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}

class Win32TransferWorld : public TransferWorld {
  public:
    Win32TransferWorld() { testing::TestServer::Reset(); }
    void Serve(const std::string& path, const ScriptedResponse& r) override {
        std::string params = "status=" + std::to_string(r.status) + "&hex=" + Hex(r.body);
        if (r.trickleMs) params += "&trickle=" + std::to_string(r.trickleMs);
        testing::TestServer::Route(path, params);
    }
    std::string Url(const std::string& path) override {
        return testing::TestServer::BaseUrl() + path;
    }
    std::string UnreachableUrl() override { return "http://127.0.0.1:1/"; }
    Transfer& transfer() override { return transfer_; }
    void Pause() override { Sleep(10); }

  private:
    win32::Win32Transfer transfer_{"ClearwellTest"};
};

}  // namespace

std::unique_ptr<FileSystemWorld> MakeFileSystemWorld() {
    return std::make_unique<Win32FileSystemWorld>();
}
std::unique_ptr<RegistryWorld> MakeRegistryWorld() {
    return std::make_unique<Win32RegistryWorld>();
}

std::unique_ptr<TransferWorld> MakeTransferWorld() {
    return std::make_unique<Win32TransferWorld>();
}

}  // namespace cw::contract
