#include "fakes/FakeChangeWatch.h"

#include <algorithm>
#include <vector>

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
        if (!signalled_) {
            std::string now = State();
            if (now != baseline_) {
                signalled_ = true;
                baseline_ = now;
            }
        }
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
    std::string State() {
        std::vector<std::string> lines;
        std::string base = folder_;
        if (!base.empty() && base.back() != '\\') base += '\\';
        fs_.Find(base + "*", [&](const FindData& e) {
            if (e.name == "." || e.name == "..") return true;
            bool dir = e.IsDirectory();
            std::string line;
            if (filter_ & (dir ? kNotifyDirName : kNotifyFileName)) line += text::UpperAnsi(e.name);
            if (line.empty() && !(filter_ & (kNotifyAttributes | kNotifySize | kNotifyLastWrite))) {
                return true;
            }
            if (line.empty()) line = "#" + text::UpperAnsi(e.name);
            if (filter_ & kNotifyAttributes) line += "|" + std::to_string(e.attributes);
            if (!dir && (filter_ & (kNotifySize | kNotifyLastWrite))) {
                line += "|" + fs_.Content(base + e.name);
            }
            lines.push_back(line);
            return true;
        });
        std::sort(lines.begin(), lines.end());
        std::string out;
        for (const std::string& l : lines)
            out += l + "\n";
        return out;
    }

    FakeFileSystem& fs_;
    std::string folder_;
    std::uint32_t filter_;
    std::shared_ptr<FakeChangeWatch::Shared> shared_;
    std::string baseline_;
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
