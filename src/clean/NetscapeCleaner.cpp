#include "clean/NetscapeCleaner.h"

#include <algorithm>
#include <random>
#include <vector>

#include "clean/MozillaProfiles.h"
#include "clean/NetscapeUserDir.h"
#include "clean/PlanTargets.h"
#include "clean/PrefsHistory.h"
#include "errors/ErrorTrap.h"
#include "errors/RuntimeError.h"
#include "files/Paths.h"
#include "files/WholeFile.h"

namespace cw {

std::string NetscapeCleaner::NavigatorFolder() {
    // Without a user directory the Navigator part is skipped: nothing is built from the
    // empty text (it would name \prefs.js, \cache\ ... at the root of the current drive).
    std::string user = GetNetscapeUserDir(settings_);
    return user.empty() ? std::string() : AddSlash(user);
}

void NetscapeCleaner::PlanPreferenceFile(CleaningPlan& plan, const std::string& path) {
    if (!files_.FileExists(path) || !files_.guard().MayDelete(path)) return;
    std::string text;
    ThrowIfFailed(ReadWholeFile(files_.fs(), path, text));
    std::size_t before = text.size();
    int removed = RemoveHistoryLines(text);
    if (removed == 0) return;  // nothing to remove: the file stays untouched
    FileSystem& fs = files_.fs();
    plan.Add(
        TargetKind::FileEdit, path,
        [&fs, path, text] { return ReplaceFileContent(fs, path, text) == kErrorSuccess; },
        before - text.size(), removed);
}

void NetscapeCleaner::PlanCookieFile(CleaningPlan& plan, const std::string& path,
                                     const CookieKeepList& keep, bool scramble) {
    if (!files_.guard().MayDelete(path)) return;
    std::string text;
    if (ReadWholeFile(files_.fs(), path, text) != kErrorSuccess) return;
    std::string kept;
    int keptLines = 0, removedLines = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(start, end - start);
        std::string host = CookieLineHost(line);
        if (host.empty() || keep.Keeps(host)) {
            kept += line;
            if (!host.empty()) ++keptLines;
        } else {
            ++removedLines;
        }
        start = end;
    }
    plan.keptCookies += keptLines;
    if (keptLines == 0) {
        plan.Add(
            TargetKind::File, path,
            [this, path, scramble] {
                if (scramble) return ScrambleAndDeleteFile(path);
                return files_.fs().Delete(path) == kErrorSuccess;
            },
            text.size(), std::max(1, removedLines));
        return;
    }
    if (removedLines == 0) return;
    plan.Add(
        TargetKind::FileEdit, path,
        [this, path, kept, scramble] {
            // The kept cookies are safely on disk before the old file goes.
            FileSystem& fs = files_.fs();
            const std::string temp = ReplacementTempPath(path);
            std::unique_ptr<File> file;
            if (fs.Open(temp, OpenMode::CreateAlways, file) != kErrorSuccess) return false;
            bool written = file->Write(kept.data(), static_cast<std::uint32_t>(kept.size())) ==
                               kErrorSuccess &&
                           file->Flush() == kErrorSuccess;
            file.reset();
            bool old = written &&
                       (scramble ? ScrambleAndDeleteFile(path) : fs.Delete(path) == kErrorSuccess);
            if (!old) {
                fs.Delete(temp);
                return false;
            }
            return fs.Move(temp, path, 0) == kErrorSuccess;
        },
        text.size() - kept.size(), removedLines);
}

void NetscapeCleaner::PlanNetscapeHistory(CleaningPlan& plan) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    const std::string navigator = NavigatorFolder();
    if (!navigator.empty()) {
        for (const char* name : {"prefs.js", "liprefs.js"}) {
            trap([&] { PlanPreferenceFile(plan, navigator + name); });
        }
        trap([&] { PlanExistingFile(plan, files_, navigator + "netscape.hst"); });
    }
    std::vector<std::string> profiles;
    trap([&] { profiles = FindMozillaProfiles(settings_, files_); });
    for (const std::string& profile : profiles) {
        for (const char* name : {"history.dat", "history.mab", "localstore.rdf"}) {
            trap([&] {
                std::string path = AddSlash(profile) + name;
                if (files_.CanOpenFile(path)) PlanExistingFile(plan, files_, path);
            });
        }
    }
}

void NetscapeCleaner::PlanNetscapeCache(CleaningPlan& plan) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    const std::string navigator = NavigatorFolder();
    if (!navigator.empty())
        trap([&] { PlanMatchingFiles(plan, files_, navigator + "cache", "*.*"); });
    std::vector<std::string> profiles;
    trap([&] { profiles = FindMozillaProfiles(settings_, files_); });
    for (const std::string& profile : profiles) {
        trap([&] {
            std::string cache = AddSlash(profile) + "cache";
            if (files_.CheckFolder(cache)) PlanPlainFiles(plan, files_, cache, "*.*");
        });
    }
}

void NetscapeCleaner::PlanNetscapeCookies(CleaningPlan& plan, const CookieKeepList& keep) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    const std::string navigator = NavigatorFolder();
    if (!navigator.empty()) {
        trap([&] {
            if (files_.FileExists(navigator + "cookies.txt"))
                PlanCookieFile(plan, navigator + "cookies.txt", keep, true);
        });
    }
    std::vector<std::string> profiles;
    trap([&] { profiles = FindMozillaProfiles(settings_, files_); });
    for (const std::string& profile : profiles) {
        trap([&] {
            std::string path = AddSlash(profile) + "cookies.txt";
            if (files_.CanOpenFile(path)) PlanCookieFile(plan, path, keep, false);
        });
    }
}

bool NetscapeCleaner::ScrambleAndDeleteFile(const std::string& path) {
    if (!files_.guard().MayDelete(path)) return false;
    std::uint32_t attributes = files_.fs().GetAttributes(path);
    if (attributes == kInvalidAttributes || (attributes & (kAttrDirectory | kAttrReparsePoint)))
        return false;
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    trap([&] {
        std::unique_ptr<File> file;
        ThrowIfFailed(files_.fs().Open(path, OpenMode::ReadWrite, file));
        std::uint64_t size = 0;
        ThrowIfFailed(file->Size(size));
        std::minstd_rand random(clock_.TickCount() | 1u);
        std::vector<char> block(std::min<std::uint64_t>(size, 64 * 1024));
        for (std::uint64_t done = 0; done < size;) {
            auto n = static_cast<std::uint32_t>(std::min<std::uint64_t>(size - done, block.size()));
            for (std::uint32_t i = 0; i < n; ++i)
                block[i] = static_cast<char>(2 + random() % 60);
            ThrowIfFailed(file->Write(block.data(), n));
            done += n;
        }
        ThrowIfFailed(file->Flush());
    });
    // A file that could not be overwritten still goes, as the cookies must.
    return files_.fs().Delete(path) == kErrorSuccess;
}

}  // namespace cw
