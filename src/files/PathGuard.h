#pragma once
// The one check every deleting routine makes before it touches a folder or file: the path
// must be fully qualified ("C:\..." or "\\server\share\..."), must not be a drive or share
// root, and must not be a protected folder (the Windows and system folders, Program Files,
// the user's profile, Desktop, My Documents, Application Data, Local Application Data,
// Favorites, Start Menu and their common counterparts) nor an ancestor of one. Subfolders of
// protected folders are not protected. The folders are looked up through the shell once.

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/SystemFolders.h"

namespace cw {

class PathGuard {
  public:
    PathGuard(SystemFolders& folders, FileSystem& fs) : folders_(folders), fs_(fs) {}

    // Whether a deleting routine may work on the path (a trailing backslash is allowed).
    bool MayDelete(const std::string& path);
    // The same, for a caller that has just read the path's attributes (kInvalidAttributes
    // when it is missing): a long list of files is judged without asking again.
    bool MayDelete(const std::string& path, std::uint32_t attributes);
    // Whether the text is a fully qualified path that is not a drive or share root.
    static bool IsQualifiedNonRoot(const std::string& path);
    // Upper-case, backslash-separated form without trailing separator, blanks and dots of
    // components; empty when the path is not fully qualified or holds "." or "..".
    static std::string Normalize(const std::string& path);

    const std::vector<std::string>& ProtectedFolders();

  private:
    // Whether a normalized path is a protected folder or an ancestor of one; an empty one
    // (not a usable path) counts as protected.
    bool IsProtectedOrAncestor(const std::string& normalized);

    SystemFolders& folders_;
    FileSystem& fs_;
    bool loaded_ = false;
    std::vector<std::string> protected_;  // normalized
};

}  // namespace cw
