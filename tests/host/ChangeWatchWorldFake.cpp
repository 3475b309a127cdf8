// The ChangeWatch contract of the host build runs against the fake.

#include "contract/ChangeWatchWorld.h"
#include "fakes/FakeChangeWatch.h"
#include "fakes/FakeFileSystem.h"

namespace cw::contract {

namespace {

class FakeChangeWatchWorld : public ChangeWatchWorld {
  public:
    FileSystem& fs() override { return fs_; }
    ChangeWatch& watch() override { return watch_; }
    std::string MakeFolder(const std::string& name) override {
        std::string folder = "C:\\scratch\\" + name;
        fs_.AddDirectory(folder);
        return folder;
    }
    void Settle(int) override {}

  private:
    fakes::FakeFileSystem fs_;
    fakes::FakeChangeWatch watch_{fs_};
};

}  // namespace

std::unique_ptr<ChangeWatchWorld> MakeChangeWatchWorld() {
    return std::make_unique<FakeChangeWatchWorld>();
}

}  // namespace cw::contract
