#include "shred/TreeShredder.h"

#include <vector>

#include "errors/RuntimeError.h"
#include "files/Paths.h"

namespace cw {

void TreeShredder::ShredFile(const std::string& path, std::int16_t n,
                             const FileOverwriter::Progress& progress) {
    FileSystem& fs = files_.fs();
    if (!files_.guard().MayDelete(path)) throw RuntimeError(err::kPermissionDenied);
    std::uint32_t attributes = fs.GetAttributes(path);
    if (attributes == kInvalidAttributes) ThrowIfFailed(kErrorFileNotFound);
    if ((attributes & (kAttrReparsePoint | kAttrDirectory)) || fs.IsLink(path)) {
        throw RuntimeError(err::kPermissionDenied);
    }
    // Windows refuses to open a read-only file for writing; the user chose it, so the
    // attribute goes first (SetAttributes refuses a link, which was ruled out above).
    if (attributes & kAttrReadOnly) ThrowIfFailed(fs.SetAttributes(path, kAttrNormal));
    overwriter_.Overwrite(path, n, progress);
    ThrowIfFailed(fs.Delete(path));
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
