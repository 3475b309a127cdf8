// The contract tests' worlds over the fakes.

#include "contract/UrlCacheContract.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeUrlCache.h"

namespace cw::contract {

namespace {

class FakeUrlCacheWorld : public UrlCacheWorld {
  public:
    UrlCache& Cache() override { return cache_; }
    void Seed(const std::string& url, std::uint32_t type) override { cache_.Add(url, type); }

  private:
    fakes::FakeUrlCache cache_;
};

class FakeRebootWorld : public RebootWorld {
  public:
    FakeRebootWorld() { fs_.AddDirectory(Folder()); }
    FileSystem& Fs() override { return fs_; }
    std::string Folder() override { return "C:\\cwtest\\scratch\\reboot"; }
    void MakeFile(const std::string& path, const std::string& content) override {
        fs_.AddFile(path, content);
    }
    std::string Content(const std::string& path) override { return fs_.Content(path); }
    std::vector<std::string> PendingDeletes() override { return fs_.PendingDeletes(); }

  private:
    fakes::FakeFileSystem fs_;
};

}  // namespace

std::unique_ptr<UrlCacheWorld> MakeUrlCacheWorld() {
    return std::make_unique<FakeUrlCacheWorld>();
}
std::unique_ptr<RebootWorld> MakeRebootWorld() {
    return std::make_unique<FakeRebootWorld>();
}

}  // namespace cw::contract
