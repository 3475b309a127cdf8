#include "files/FileRoutines.h"

#include <vector>

#include "files/Paths.h"

namespace cw {

namespace {

constexpr std::uint32_t kClearableAttributes =
    kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;

bool IsDots(const std::string& name) {
    return name == "." || name == "..";
}

}  // namespace

std::string FileRoutines::GetTempFolder() {
    return fs_.TempPath();
}

bool FileRoutines::IsRealFolder(const std::string& path) {
    std::uint32_t attributes = fs_.GetAttributes(DropSlash(path));
    return attributes != kInvalidAttributes && (attributes & kAttrDirectory) &&
           !(attributes & kAttrReparsePoint);
}

bool FileRoutines::DeleteTreeContents(const std::string& folder, long& firstError) {
    std::vector<FindData> entries;
    fs_.Find(folder + "\\*", [&](const FindData& entry) {
        if (!IsDots(entry.name)) entries.push_back(entry);
        return true;
    });
    auto note = [&](long status) {
        if (status != kErrorSuccess && firstError == kErrorSuccess) firstError = status;
    };
    for (const FindData& entry : entries) {
        std::string path = folder + "\\" + entry.name;
        if (entry.IsReparsePoint()) {
            note(kErrorAccessDenied);  // left in place: the folder cannot go
        } else if (entry.IsDirectory()) {
            DeleteTreeContents(path, firstError);
            if (entry.attributes & kAttrReadOnly) fs_.SetAttributes(path, kAttrNormal);
            note(fs_.RemoveFolder(path));
        } else {
            if (entry.attributes & kClearableAttributes) fs_.SetAttributes(path, kAttrNormal);
            note(fs_.Delete(path));
        }
    }
    return firstError == kErrorSuccess;
}

bool FileRoutines::DeleteFolderTree(const std::string& path) {
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    if (!guard_.MayDelete(folder) || !IsRealFolder(folder)) return false;
    long firstError = kErrorSuccess;
    DeleteTreeContents(folder, firstError);
    std::uint32_t attributes = fs_.GetAttributes(folder);
    if (attributes != kInvalidAttributes && (attributes & kAttrReadOnly)) {
        fs_.SetAttributes(folder, kAttrNormal);
    }
    long status = fs_.RemoveFolder(folder);
    if (firstError == kErrorSuccess) firstError = status;
    return firstError == kErrorSuccess && fs_.GetAttributes(folder) == kInvalidAttributes;
}

bool FileRoutines::FileExists(const std::string& path) {
    if (path.empty()) return false;
    return fs_.Find(path, [](const FindData&) { return false; }) == kErrorSuccess;
}

bool FileRoutines::CanOpenFile(const std::string& path) {
    if (path.empty()) return false;
    std::unique_ptr<File> file;
    return fs_.Open(path, OpenMode::Read, file) == kErrorSuccess;
}

bool FileRoutines::CheckFolder(const std::string& path) {
    std::string target = DropSlash(path);
    if (target.empty()) return false;
    return fs_.Find(target, [](const FindData&) { return false; }) == kErrorSuccess;
}

}  // namespace cw
