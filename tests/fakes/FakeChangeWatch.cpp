#include "fakes/FakeChangeWatch.h"

#include <algorithm>
#include <vector>

#include "files/Paths.h"
#include "text/Ansi.h"

namespace cw::fakes {

namespace {

class FakeFolderWatch : public FolderWatch {
  public:
    FakeFolderWatch(FakeFileSystem& fs, std::string folder, std::uint32_t filter,
                    std::shared_ptr<FakeChangeWatch::Shared> shared)
        : fs_(fs), folder_(std::move(folder)), filter_(filter), shared_(std::move(shared)) {
        ++shared_->open;
        baseline_ = State();
    }
    ~FakeFolderWatch() override { --shared_->open; }

    std::uint32_t Poll() override {
        if (shared_->broken) return kWaitFailed;
        if (!signalled_) signalled_ = State() != baseline_;  // Resume takes the new baseline
        return signalled_ ? kWaitSignalled : kWaitTimeout;
    }

    long Resume() override {
        if (shared_->resumeStatus != kErrorSuccess) return shared_->resumeStatus;
        baseline_ = State();
        signalled_ = false;
        return kErrorSuccess;
    }

  private:
    // One line per entry the filter covers, sorted by name.
    std::vector<std::string> State() {
        std::vector<std::string> lines;
        const std::string base = AddSlash(folder_);
        const std::uint32_t looks = filter_ & (kNotifyAttributes | kNotifySize | kNotifyLastWrite);
        fs_.Find(base + "*", [&](const FindData& e) {
            bool dir = e.IsDirectory();
            bool named = filter_ & (dir ? kNotifyDirName : kNotifyFileName);
            if (e.name == "." || e.name == ".." || !(named || looks)) return true;
            std::string line = (named ? "" : "#") + text::UpperAnsi(e.name);
            if (filter_ & kNotifyAttributes) line += "|" + std::to_string(e.attributes);
            if (!dir && (filter_ & (kNotifySize | kNotifyLastWrite))) {
                line += "|" + fs_.Content(base + e.name);
            }
            lines.push_back(line);
            return true;
        });
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    FakeFileSystem& fs_;
    std::string folder_;
    std::uint32_t filter_;
    std::shared_ptr<FakeChangeWatch::Shared> shared_;
    std::vector<std::string> baseline_;
    bool signalled_ = false;
};

}  // namespace

long FakeChangeWatch::Watch(const std::string& folder, std::uint32_t filter,
                            std::unique_ptr<FolderWatch>& watch) {
    watch.reset();
    if (folder.empty()) return kErrorPathNotFound;
    std::uint32_t attributes = fs_.GetAttributes(folder);
    if (attributes == kInvalidAttributes) return kErrorFileNotFound;
    if (!(attributes & kAttrDirectory)) return kErrorDirectory;
    watch = std::make_unique<FakeFolderWatch>(fs_, folder, filter, shared_);
    return kErrorSuccess;
}

}  // namespace cw::fakes
