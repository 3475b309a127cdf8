// Throughput of the file shredder: shreds every file in each folder named on the command
// line through the shredder page's own routines (the shred list, "Delete" at the default
// level "50", the Win32 file system and the deletion rules) and prints one line per folder:
//   <folder> <files> <bytes> <seconds> <errors>
// Only the shred run is timed. scripts/run-bench.sh runs it under Wine beside coreutils
// `shred -n 1 -u` on the same set of files.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "files/FileRoutines.h"
#include "files/PathGuard.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemFolders.h"
#include "shred/FileShredder.h"

namespace {

// Nothing is asked while the benchmark runs.
class SilentDialogs : public cw::ui::Dialogs {
  public:
    int MsgBox(const std::string&, int, const std::string&) override { return cw::ui::vbOK; }
    std::string OpenFiles(std::size_t) override { return ""; }
    std::string BrowseForFolder(const std::string&, const cw::ui::FolderRef&,
                                const cw::ui::FolderRef&) override {
        return "";
    }
    void DoEvents() override {}
    void SetWaitCursor(bool) override {}
};

class CountingSink : public cw::ErrorSink {
  public:
    void ReportError(const std::string& tag, const cw::RuntimeError& error) noexcept override {
        ++count;
        std::fprintf(stderr, "%s: error %d %s\n", tag.c_str(), error.number,
                     error.description.c_str());
    }
    int count = 0;
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    cw::win32::Win32FileSystem fs;
    cw::win32::Win32SystemFolders folders;
    cw::PathGuard guard(folders, fs);
    cw::FileRoutines files(fs, guard);
    SilentDialogs dialogs;
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string folder = argv[i];
        cw::ShredderControls controls;
        CountingSink errors;
        cw::FileShredder shredder(controls, files, dialogs, errors);
        shredder.Load();
        unsigned long long bytes = 0;
        fs.Find(folder + "\\*", [&](const cw::FindData& entry) {
            if (!entry.IsDirectory()) {
                shredder.obj.Dropped(folder + "\\" + entry.name);
                bytes += entry.size;
            }
            return true;
        });
        const std::size_t count = shredder.colFiles().size();
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        controls.cmdShredDelete.Click();
        QueryPerformanceCounter(&end);
        bool left = false;
        fs.Find(folder + "\\*", [&](const cw::FindData& entry) {
            left = left || !entry.IsDirectory();
            return !left;
        });
        if (left || errors.count > 0) ++failures;
        std::printf("%s %u %llu %.6f %d\n", folder.c_str(), static_cast<unsigned>(count), bytes,
                    Seconds(start, end), errors.count + (left ? 1 : 0));
        std::fflush(stdout);
    }
    return failures == 0 ? 0 : 1;
}
