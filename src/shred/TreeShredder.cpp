#include "shred/TreeShredder.h"

#include <vector>

#include "errors/RuntimeError.h"
#include "files/Paths.h"

namespace cw {

void TreeShredder::ShredFile(const std::string& path, std::int16_t n,
                             const FileOverwriter::Progress& progress) {
    ShredFile(path, files_.fs().GetAttributes(path), n, progress);
}

void TreeShredder::ShredFile(const std::string& path, std::uint32_t attributes, std::int16_t n,
                             const FileOverwriter::Progress& progress) {
    FileSystem& fs = files_.fs();
    if (!files_.guard().MayDelete(path, attributes)) throw RuntimeError(err::kPermissionDenied);
    if (attributes == kInvalidAttributes) ThrowIfFailed(kErrorFileNotFound);
    if (attributes & (kAttrReparsePoint | kAttrDirectory))
        throw RuntimeError(err::kPermissionDenied);
    // A file reached through a link is refused by each step that could change it: the
    // change of attributes and the opening for writing each check the path themselves
    // (access denied, the same permission error), and the deletion goes through the handle
    // so checked or checks the path again, so no separate look is taken.
    // Windows refuses to open a read-only file for writing; the user chose it, so the
    // attribute goes first.
    if (attributes & kAttrReadOnly) ThrowIfFailed(fs.SetAttributes(path, kAttrNormal));
    overwriter_.OverwriteAndDelete(path, n, progress);
}

int TreeShredder::ShredFilesIn(const std::string& folder, std::int16_t n,
                               const FileOverwriter::Progress& progress) {
    const std::string base = DropSlash(folder);
    if (!files_.guard().MayDelete(base) || !files_.IsRealFolder(base)) return 0;
    std::vector<FindData> entries;
    files_.fs().Find(base + "\\*", [&](const FindData& entry) {
        if (entry.name != "." && entry.name != "..") entries.push_back(entry);
        return true;
    });
    int failed = 0;
    for (const FindData& entry : entries) {
        const std::string path = base + "\\" + entry.name;
        if (entry.IsReparsePoint()) continue;  // a link: left, and so is its folder
        if (entry.IsDirectory()) {
            failed += ShredFilesIn(path, n, progress);
            continue;
        }
        try {
            ShredFile(path, n, progress);
        } catch (const RuntimeError&) {
            ++failed;
        }
    }
    return failed;
}

}  // namespace cw
