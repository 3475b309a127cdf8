#pragma once
// The file and folder routines the cleaners and the shredder share. Every routine that
// deletes asks the PathGuard first and refuses what it does not allow, and none of them
// enters, removes or deletes through a folder link (a reparse point): under Wine removing a
// link removes what it points to.

#include <string>

#include "files/PathGuard.h"
#include "platform/FileSystem.h"

namespace cw {

class FileRoutines {
  public:
    FileRoutines(FileSystem& fs, PathGuard& guard) : fs_(fs), guard_(guard) {}

    // The system's temporary folder, with its trailing backslash.
    std::string GetTempFolder();
    // Deletes a folder and everything in it, read-only content included. True when the
    // folder existed, nothing failed and it is gone.
    bool DeleteFolderTree(const std::string& path);

    // A search for the path (wildcards allowed) finds an entry.
    bool FileExists(const std::string& path);
    // The file can be opened for reading.
    bool CanOpenFile(const std::string& path);
    // A search for the path finds a file or folder; a trailing backslash is dropped first
    // (except after a drive root).
    bool CheckFolder(const std::string& path);
    // Whether the path names an existing folder that is not a link.
    bool IsRealFolder(const std::string& path);

    FileSystem& fs() { return fs_; }
    PathGuard& guard() { return guard_; }

  private:
    bool DeleteTreeContents(const std::string& folder, long& firstError);

    FileSystem& fs_;
    PathGuard& guard_;
};

}  // namespace cw
