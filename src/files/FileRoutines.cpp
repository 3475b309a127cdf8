#include "files/FileRoutines.h"

#include <vector>

#include "errors/RuntimeError.h"
#include "files/Paths.h"
#include "text/Ansi.h"

namespace cw {

namespace {

constexpr std::uint32_t kClearableAttributes =
    kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive;

bool IsDots(const std::string& name) {
    return name == "." || name == "..";
}

std::vector<std::string> SplitPatterns(const std::string& patterns) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string::npos) end = patterns.size();
        out.push_back(patterns.substr(start, end - start));
        start = end + 1;
    }
    return out;
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

PurgeResult& PurgeResult::operator+=(const PurgeResult& other) {
    removed += other.removed;
    inUse += other.inUse;
    links += other.links;
    refused += other.refused;
    return *this;
}

PurgeResult FileRoutines::TakeLeftBehind() {
    PurgeResult result = leftBehind_;
    leftBehind_ = PurgeResult{};
    return result;
}

void FileRoutines::NoteLeft(long status, const std::string& path, PurgeResult& result) {
    if (status == kErrorSuccess || status == kErrorFileNotFound) return;  // gone meanwhile
    if (status == kErrorSharingViolation || status == kErrorLockViolation) {
        ++result.inUse;
    } else if (fs_.IsLink(path)) {
        ++result.links;
    } else {
        ++result.refused;
    }
}

void FileRoutines::DeleteCounted(const std::string& path, std::uint32_t attributes,
                                 PurgeResult& result) {
    long status = kErrorSuccess;
    // The attributes of a link are not changed: SetAttributes refuses it, and so it is
    // counted as left.
    if (attributes & kClearableAttributes) status = fs_.SetAttributes(path, kAttrNormal);
    if (status == kErrorSuccess) status = fs_.Delete(path);
    if (status == kErrorSuccess) {
        ++result.removed;
    } else {
        NoteLeft(status, path, result);
    }
}

void FileRoutines::PurgeTree(const std::string& folder, PurgeResult& result) {
    std::vector<FindData> entries;
    fs_.Find(folder + "\\*.*", [&](const FindData& entry) {
        if (!IsDots(entry.name) && entry.name != "pagefile.sys") entries.push_back(entry);
        return true;
    });
    for (const FindData& entry : entries) {
        std::string path = folder + "\\" + entry.name;
        if (entry.IsReparsePoint()) {
            ++result.links;  // neither entered nor removed
        } else if (entry.IsDirectory()) {
            PurgeTree(path, result);
        } else {
            DeleteCounted(path, entry.attributes, result);
        }
    }
    long status = fs_.RemoveFolder(folder);
    if (status == kErrorSuccess) {
        ++result.removed;
    } else if (status != kErrorDirNotEmpty) {
        // Emptied, yet refused (in use as a current folder, or a read-only folder).
        NoteLeft(status, folder, result);
    }
}

PurgeResult FileRoutines::PurgeFolder(const std::string& path) {
    PurgeResult result;
    std::string folder = text::Trim(path);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    if (folder.find('\\') == std::string::npos || !guard_.MayDelete(folder) ||
        !IsRealFolder(folder)) {
        result.pathRefused = true;
        return result;
    }
    PurgeTree(folder, result);
    leftBehind_ += result;
    return result;
}

void FileRoutines::DeleteMatchingFiles(const std::string& folder, const std::string& patterns) {
    std::string base = AddSlash(folder);
    if (!guard_.MayDelete(base) || !IsRealFolder(base)) return;
    for (const std::string& pattern : SplitPatterns(patterns)) {
        if (pattern.empty()) continue;
        std::vector<std::string> files;
        fs_.Find(base + pattern, [&](const FindData& entry) {
            const std::uint32_t skip = kAttrDirectory | kAttrHidden | kAttrSystem;
            if (!(entry.attributes & skip)) files.push_back(entry.name);
            return true;
        });
        PurgeResult result;
        for (const std::string& name : files)
            DeleteCounted(base + name, 0, result);
        leftBehind_ += result;
    }
    PurgeSubfolders(base);
}

void FileRoutines::PurgeSubfolders(const std::string& folder) {
    std::string base = AddSlash(folder);
    if (!guard_.MayDelete(base) || !IsRealFolder(base)) return;
    std::vector<std::string> subfolders;
    fs_.Find(base + "*.*", [&](const FindData& entry) {
        const std::uint32_t hidden = kAttrHidden | kAttrSystem;
        if (IsDots(entry.name) || entry.name == "Pagefile.sys") return true;
        if (entry.IsDirectory() && !entry.IsReparsePoint() && !(entry.attributes & hidden)) {
            subfolders.push_back(entry.name);
        }
        return true;
    });
    for (const std::string& name : subfolders) {
        DeleteMatchingFiles(base + name, "*.*");
        if (!IsRealFolder(base + name)) continue;
        PurgeResult result;
        long status = fs_.RemoveFolder(base + name);
        if (status != kErrorDirNotEmpty) NoteLeft(status, base + name, result);
        leftBehind_ += result;
    }
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

bool FileRoutines::CheckFolder(const std::string& path, bool create) {
    std::string target = DropSlash(path);
    if (target.empty()) return false;
    if (fs_.Find(target, [](const FindData&) { return false; }) == kErrorSuccess) return true;
    if (!create) return false;
    std::string drive = GetDrivePart(target);
    std::string folders = GetPathPart(AddSlash(target)) + "\\";
    if (drive == "NO DRIVE" || folders.rfind("NO PATH", 0) == 0) return false;
    for (std::size_t i = 1; i < folders.size(); ++i) {
        if (folders[i] != '\\') continue;
        std::string partial = drive + folders.substr(0, i);
        if (fs_.Find(partial, [](const FindData&) { return false; }) == kErrorSuccess) continue;
        if (fs_.CreateFolder(partial) != kErrorSuccess) return false;
    }
    return false;
}

}  // namespace cw
