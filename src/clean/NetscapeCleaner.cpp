#include "clean/NetscapeCleaner.h"

#include <algorithm>
#include <random>
#include <vector>

#include "clean/MozillaProfiles.h"
#include "clean/NetscapeUserDir.h"
#include "clean/PlainFiles.h"
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

void NetscapeCleaner::DeleteIfAllowed(const std::string& path) {
    if (files_.guard().MayDelete(path)) ThrowIfFailed(files_.fs().Delete(path));
}

void NetscapeCleaner::EditPreferenceFile(const std::string& path) {
    if (!files_.FileExists(path) || !files_.guard().MayDelete(path)) return;
    std::string text;
    ThrowIfFailed(ReadWholeFile(files_.fs(), path, text));
    if (RemoveHistoryLines(text) == 0) return;  // nothing to remove: the file stays untouched
    ThrowIfFailed(ReplaceFileContent(files_.fs(), path, text));
}

void NetscapeCleaner::ClearNetscapeHistory() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    const std::string navigator = NavigatorFolder();
    if (!navigator.empty()) {
        for (const char* name : {"prefs.js", "liprefs.js"}) {
            trap([&] { EditPreferenceFile(navigator + name); });
        }
        trap([&] {
            if (files_.FileExists(navigator + "netscape.hst"))
                DeleteIfAllowed(navigator + "netscape.hst");
        });
    }
    std::vector<std::string> profiles;
    trap([&] { profiles = FindMozillaProfiles(settings_, files_); });
    for (const std::string& profile : profiles) {
        for (const char* name : {"history.dat", "history.mab", "localstore.rdf"}) {
            trap([&] {
                std::string path = AddSlash(profile) + name;
                if (files_.CanOpenFile(path)) DeleteIfAllowed(path);
            });
        }
    }
}

void NetscapeCleaner::ClearNetscapeCache() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    const std::string navigator = NavigatorFolder();
    if (!navigator.empty()) trap([&] { files_.DeleteMatchingFiles(navigator + "cache\\", "*.*"); });
    std::vector<std::string> profiles;
    trap([&] { profiles = FindMozillaProfiles(settings_, files_); });
    for (const std::string& profile : profiles) {
        trap([&] {
            std::string cache = AddSlash(profile) + "cache";
            if (files_.CheckFolder(cache, false)) DeletePlainFiles(files_, cache, "*.*");
        });
    }
}

void NetscapeCleaner::ClearNetscapeCookies() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "");
    const std::string navigator = NavigatorFolder();
    if (!navigator.empty()) {
        trap([&] {
            if (files_.FileExists(navigator + "cookies.txt"))
                ScrambleAndDeleteFile(navigator + "cookies.txt");
        });
    }
    std::vector<std::string> profiles;
    trap([&] { profiles = FindMozillaProfiles(settings_, files_); });
    for (const std::string& profile : profiles) {
        trap([&] {
            std::string path = AddSlash(profile) + "cookies.txt";
            if (files_.CanOpenFile(path)) DeleteIfAllowed(path);
        });
    }
}

void NetscapeCleaner::ScrambleAndDeleteFile(const std::string& path) {
    if (!files_.guard().MayDelete(path)) return;
    std::uint32_t attributes = files_.fs().GetAttributes(path);
    if (attributes == kInvalidAttributes || (attributes & (kAttrDirectory | kAttrReparsePoint)))
        return;
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
    trap([&] { ThrowIfFailed(files_.fs().Delete(path)); });
}

}  // namespace cw
