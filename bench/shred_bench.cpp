// Throughput of the file shredder: shreds every file in each folder named on the command
// line and prints one line per folder:
//   <folder> <files> <bytes> <seconds> <errors> <peak private bytes>
// "clearwell" goes through the shredder page's own routines (the shred list, "Delete" at the
// default level "50", the Win32 file system and the deletion rules); "bare" is the floor: the
// same overwrite image written over each file with plain CreateFile/WriteFile, one
// FlushFileBuffers, then DeleteFile. Only the shredding is timed. scripts/run-bench.sh runs
// both under Wine beside coreutils `shred -n 1 -u` on the same set of files.
//   shred_bench clearwell|bare <folder>...

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "files/FileRoutines.h"
#include "files/PathGuard.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemFolders.h"
#include "shred/FileShredder.h"
#include "shred/OverwriteImage.h"

namespace {

class CountingSink : public cw::ErrorSink {
  public:
    void ReportError(const std::string& tag, const cw::RuntimeError& error) noexcept override {
        ++count;
        std::fprintf(stderr, "%s: error %d %s\n", tag.c_str(), error.number,
                     error.description.c_str());
    }
    int count = 0;
};

constexpr int kDefaultLevel = 4;  // "50"
constexpr std::size_t kBlockBytes = 64 * 1024;

// The bare writer: the level's image repeated into one block, written over the whole file
// (at least one image long), flushed once, then the file deleted.
int BareShred(const std::vector<std::string>& paths) {
    const std::string image = cw::BuildOverwriteImage(cw::RepetitionCount(kDefaultLevel));
    std::string block;
    while (block.size() + image.size() <= std::max(kBlockBytes, image.size()))
        block += image;
    int errors = 0;
    for (const std::string& path : paths) {
        cw::win32::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD high = 0;
        DWORD low = file ? GetFileSize(file.get(), &high) : 0;
        unsigned long long total = (static_cast<unsigned long long>(high) << 32) | low;
        total = std::max<unsigned long long>(total, image.size());
        bool ok = static_cast<bool>(file);
        for (unsigned long long written = 0; ok && written < total;) {
            DWORD chunk =
                static_cast<DWORD>(std::min<unsigned long long>(total - written, block.size()));
            DWORD n = 0;
            ok = WriteFile(file.get(), block.data(), chunk, &n, nullptr) && n == chunk;
            written += chunk;
        }
        ok = ok && FlushFileBuffers(file.get());
        file.reset();
        ok = ok && DeleteFileA(path.c_str());
        if (!ok) ++errors;
    }
    return errors;
}

// The shredder page as the program holds it: one page, one file system and one set of
// deletion rules for the whole run (the rules learn the protected folders at their first
// use, once per program run, which the first folder's time includes).
struct ClearwellPage {
    cw::win32::Win32FileSystem fs;
    cw::win32::Win32SystemFolders folders;
    cw::PathGuard guard{folders, fs};
    cw::FileRoutines files{fs, guard};
    cw::bench::SilentDialogs dialogs;
    cw::ShredderControls controls;
    CountingSink errors;
    cw::FileShredder shredder{controls, files, dialogs, errors};

    ClearwellPage() { shredder.Load(); }

    int Shred(const std::vector<std::string>& paths, double& seconds) {
        const int before = errors.count;
        for (const std::string& path : paths)
            shredder.obj.Dropped(path);
        cw::bench::Stopwatch clock;
        controls.cmdShredDelete.Click();
        seconds = clock.Seconds();
        return errors.count - before;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: shred_bench clearwell|bare <folder>...\n");
        return 2;
    }
    cw::bench::PeakSampler memory;
    const bool bare = std::string(argv[1]) == "bare";
    cw::win32::Win32FileSystem fs;
    std::optional<ClearwellPage> page;
    if (!bare) page.emplace();
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string folder = argv[i];
        std::vector<std::string> paths;
        unsigned long long bytes = 0;
        fs.Find(folder + "\\*", [&](const cw::FindData& entry) {
            if (!entry.IsDirectory()) {
                paths.push_back(folder + "\\" + entry.name);
                bytes += entry.size;
            }
            return true;
        });
        double seconds = 0;
        int errors = 0;
        if (bare) {
            cw::bench::Stopwatch clock;
            errors = BareShred(paths);
            seconds = clock.Seconds();
        } else {
            errors = page->Shred(paths, seconds);
        }
        bool left = false;
        fs.Find(folder + "\\*", [&](const cw::FindData& entry) {
            left = left || !entry.IsDirectory();
            return !left;
        });
        if (left || errors > 0) ++failures;
        std::printf("%s %u %llu %.6f %d %llu\n", folder.c_str(),
                    static_cast<unsigned>(paths.size()), bytes, seconds, errors + (left ? 1 : 0),
                    memory.Peak());
        std::fflush(stdout);
    }
    return failures == 0 ? 0 : 1;
}
