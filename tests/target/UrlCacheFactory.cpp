// The contract tests' worlds over the Win32 platform: WinINet's URL cache and MoveFileExA.

#include <windows.h>

#include "contract/UrlCacheContract.h"
#include "demo/UrlCacheSeeding.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32UrlCache.h"
#include "support/TestWorld.h"

namespace cw::contract {

namespace {

class Win32UrlCacheWorld : public UrlCacheWorld {
  public:
    Win32UrlCacheWorld() {
        demo::RestoreCacheFolders();
        demo::ClearUrlCache();
    }
    ~Win32UrlCacheWorld() override { demo::ClearUrlCache(); }
    UrlCache& Cache() override { return cache_; }
    void Seed(const std::string& url, std::uint32_t type) override {
        demo::SeedUrlCacheEntry(url, type, "seeded " + url.substr(0, 40));
    }

  private:
    win32::Win32UrlCache cache_;
};

class Win32RebootWorld : public RebootWorld {
  public:
    Win32RebootWorld() : folder_(testing::MakeScratchFolder("reboot")) {}
    FileSystem& Fs() override { return fs_; }
    std::string Folder() override { return folder_; }
    void MakeFile(const std::string& path, const std::string& content) override {
        CreateDirectoryA(path.substr(0, path.rfind('\\')).c_str(), nullptr);
        testing::WriteFile(path, content);
    }
    std::string Content(const std::string& path) override { return testing::ReadFile(path); }
    std::vector<std::string> PendingDeletes() override { return demo::PendingRestartDeletes(); }

  private:
    win32::Win32FileSystem fs_;
    std::string folder_;
};

}  // namespace

std::unique_ptr<UrlCacheWorld> MakeUrlCacheWorld() {
    return std::make_unique<Win32UrlCacheWorld>();
}
std::unique_ptr<RebootWorld> MakeRebootWorld() {
    return std::make_unique<Win32RebootWorld>();
}

}  // namespace cw::contract
