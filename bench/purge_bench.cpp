// Folder purges: prints "<seconds> <files and folders left> <peak private bytes>".
//   purge_bench temp          the "Temp Folder" item on the system's temporary folder: its
//                             plan made and carried out, as a wipe does
//   purge_bench cache         the "Temporary Internet Files" item: the cache index's entries
//                             and the files and folders of its content folder
//   purge_bench bare <folder> the floor: FindFirstFile/FindNextFile, SetFileAttributes where
//                             a file is read-only, DeleteFile and RemoveDirectory over
//                             everything inside the folder
// Only the purge is timed. scripts/run-bench.sh fills the folders and runs native rm -rf on
// the same tree.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "clean/CacheManager.h"
#include "clean/CookieKeepList.h"
#include "clean/ShellCleaners.h"
#include "clean/ShellFolders.h"
#include "fakes/FakePanicHost.h"
#include "fakes/FakeShellLists.h"
#include "files/FileRoutines.h"
#include "files/Paths.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32UrlCache.h"

namespace {

bool IsDots(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

void BarePurge(const std::string& folder) {
    WIN32_FIND_DATAA data;
    cw::win32::FindHandle find(FindFirstFileA((folder + "\\*").c_str(), &data));
    if (!find) return;
    do {
        if (IsDots(data.cFileName)) continue;
        std::string path = folder + "\\" + data.cFileName;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            BarePurge(path);
            RemoveDirectoryA(path.c_str());
        } else {
            if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(find.get(), &data));
}

// Files and folders inside the folder; the cache's index file stays by design.
unsigned CountInside(const std::string& folder) {
    unsigned count = 0;
    WIN32_FIND_DATAA data;
    cw::win32::FindHandle find(FindFirstFileA((folder + "\\*").c_str(), &data));
    if (!find) return 0;
    do {
        if (IsDots(data.cFileName) || lstrcmpiA(data.cFileName, "index.dat") == 0) continue;
        ++count;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            count += CountInside(folder + "\\" + data.cFileName);
    } while (FindNextFileA(find.get(), &data));
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    cw::bench::PeakSampler memory;
    const std::string mode = argc > 1 ? argv[1] : "";
    cw::bench::FileServices services;
    cw::FileRoutines& files = services.files;
    cw::ShellFolders& folders = services.folders;
    std::string where;
    double seconds = 0;
    if (mode == "bare" && argc > 2) {
        where = argv[2];
        cw::bench::Stopwatch clock;
        BarePurge(where);
        seconds = clock.Seconds();
    } else if (mode == "temp") {
        cw::fakes::CallLog log;
        cw::fakes::FakeRecentDocuments recent;
        cw::fakes::FakeRecycleBin bin;
        cw::fakes::FakePanicHost host(log);
        cw::bench::SilentDialogs dialogs;
        cw::ShellCleaners shell(recent, bin, files, folders, dialogs, host);
        where = cw::DropSlash(files.GetTempFolder());
        cw::bench::Stopwatch clock;
        cw::WipeAsPlanned(cw::CleaningItem::TempFolder,
                          [&](cw::CleaningPlan& plan) { shell.PlanTempFolder(plan); });
        seconds = clock.Seconds();
    } else if (mode == "cache") {
        cw::CacheControls controls;
        cw::win32::Win32UrlCache cache;
        cw::bench::NoErrors errors;
        cw::CacheManager manager(controls, cache, files, folders, errors);
        where = cw::AddSlash(folders.GetInternetCacheFolder()) + "Content.IE5";
        cw::bench::Stopwatch clock;
        cw::WipeAsPlanned(cw::CleaningItem::IECache, [&](cw::CleaningPlan& plan) {
            manager.PlanIECache(plan, cw::CookieKeepList());
        });
        seconds = clock.Seconds();
    } else {
        std::fprintf(stderr, "usage: purge_bench temp|cache|bare <folder>\n");
        return 2;
    }
    std::printf("%.6f %u %llu\n", seconds, CountInside(where), memory.Peak());
    return 0;
}
