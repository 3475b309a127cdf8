#include "clean/FolderCleaners.h"

#include <vector>

#include "files/Paths.h"
#include "text/Ansi.h"

namespace cw {

namespace {

constexpr std::uint32_t kClearable = kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;

bool IsDots(const std::string& name) {
    return name == "." || name == "..";
}

bool IsKept(const std::string& name) {
    return text::EqualsNoCase(name, "index.dat") || text::EqualsNoCase(name, "desktop.ini");
}

void DeleteItems(FileSystem& fs, const std::string& folder) {
    std::vector<FindData> entries;
    fs.Find(folder + "\\*", [&](const FindData& entry) {
        if (!IsDots(entry.name) && !IsKept(entry.name) && !entry.IsReparsePoint()) {
            entries.push_back(entry);
        }
        return true;
    });
    for (const FindData& entry : entries) {
        std::string path = folder + "\\" + entry.name;
        if (entry.IsDirectory()) {
            DeleteItems(fs, path);
            if (entry.attributes & kAttrReadOnly) fs.SetAttributes(path, kAttrNormal);
            fs.RemoveFolder(path);  // refused while something kept is still inside
        } else {
            if (entry.attributes & kClearable) fs.SetAttributes(path, kAttrNormal);
            fs.Delete(path);
        }
    }
}

}  // namespace

void ClearTempFolder(FileRoutines& files) {
    std::string temp = files.GetTempFolder();
    bool existed = files.IsRealFolder(temp);
    files.PurgeFolder(temp);
    if (existed && !files.IsRealFolder(temp)) files.fs().CreateFolder(DropSlash(temp));
}

void DeletePlainFiles(FileRoutines& files, const std::string& folder, const std::string& pattern) {
    std::string base = AddSlash(folder);
    if (!files.guard().MayDelete(base) || !files.IsRealFolder(base)) return;
    std::vector<std::string> names;
    files.fs().Find(base + pattern, [&](const FindData& entry) {
        const std::uint32_t skip = kAttrDirectory | kAttrHidden | kAttrSystem | kAttrReparsePoint;
        if (!(entry.attributes & skip)) names.push_back(entry.name);
        return true;
    });
    for (const std::string& name : names)
        files.fs().Delete(base + name);
}

void DeleteFolderItemsKeepingIndexes(FileRoutines& files, const std::string& folder) {
    std::string base = DropSlash(folder);
    if (!files.guard().MayDelete(base) || !files.IsRealFolder(base)) return;
    DeleteItems(files.fs(), base);
}

}  // namespace cw
