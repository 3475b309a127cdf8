#pragma once
// The file and folder routines the cleaners and the shredder share. Every routine that
// deletes asks the PathGuard first and refuses what it does not allow, and none of them
// enters, removes or deletes through a folder link (a reparse point): under Wine removing a
// link removes what it points to.

#include <cstdint>
#include <string>

#include "files/PathGuard.h"
#include "platform/FileSystem.h"

namespace cw {

// What a purge left behind, by reason. A purge goes on past what it cannot delete.
struct PurgeResult {
    int removed = 0;           // files and folders deleted
    int inUse = 0;             // files another program holds open
    int links = 0;             // links, never followed nor changed
    int refused = 0;           // refused for another reason (rights, a protected attribute)
    bool pathRefused = false;  // the folder is not one to purge: nothing was touched

    int Left() const { return inUse + links + refused; }
    PurgeResult& operator+=(const PurgeResult& other);
};

class FileRoutines {
  public:
    FileRoutines(FileSystem& fs, PathGuard& guard) : fs_(fs), guard_(guard) {}

    // The system's temporary folder, with its trailing backslash.
    std::string GetTempFolder();
    // Deletes every file and subfolder of the folder, then the folder itself. What cannot
    // be deleted (a file in use, a link, a refused file) is passed over and counted; the
    // rest goes, and folders holding something left stay.
    PurgeResult PurgeFolder(const std::string& path);
    // Deletes the folder's plain files matching any of the ";"-separated patterns, then
    // empties and removes every subfolder. Failures are passed over and counted.
    void DeleteMatchingFiles(const std::string& folder, const std::string& patterns);
    void PurgeSubfolders(const std::string& folder);
    // Deletes a folder and everything in it, read-only content included. True when the
    // folder existed, nothing failed and it is gone.
    bool DeleteFolderTree(const std::string& path);

    // A search for the path (wildcards allowed) finds an entry.
    bool FileExists(const std::string& path);
    // The file can be opened for reading.
    bool CanOpenFile(const std::string& path);
    // A search for the path finds a file or folder; a trailing backslash is dropped first
    // (except after a drive root). With create, missing levels of the path are created.
    bool CheckFolder(const std::string& path, bool create);
    // Whether the path names an existing folder that is not a link.
    bool IsRealFolder(const std::string& path);

    // What the purges (PurgeFolder, DeleteMatchingFiles, PurgeSubfolders) could not delete
    // since the last call; the count starts again from nothing.
    PurgeResult TakeLeftBehind();

    FileSystem& fs() { return fs_; }
    PathGuard& guard() { return guard_; }

  private:
    bool DeleteTreeContents(const std::string& folder, long& firstError);
    void PurgeTree(const std::string& folder, PurgeResult& result);
    // Counts a failed deletion of path under its reason.
    void NoteLeft(long status, const std::string& path, PurgeResult& result);
    // A file deleted, its protected attributes cleared first; failures counted.
    void DeleteCounted(const std::string& path, std::uint32_t attributes, PurgeResult& result);

    FileSystem& fs_;
    PathGuard& guard_;
    PurgeResult leftBehind_;
};

}  // namespace cw
