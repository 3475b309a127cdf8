#pragma once
// Whether an existing path reaches its file through a link. Deleting or overwriting through
// a link would destroy what it points to: under Wine, DeleteFileA on a Unix symbolic link
// deletes the link's target, and Wine shows such a link to a file as a plain file (no
// reparse-point attribute); on Windows, opening a symbolic link for writing writes to its
// target.

#include <windows.h>

#include <string>

namespace cw::win32 {

bool ReachesThroughLink(const std::string& path);

// The same question for a file already opened at path (without FILE_FLAG_OPEN_REPARSE_POINT),
// asked of the open handle itself: what it reaches cannot change between check and use.
// Only the reparse-point attribute of path is looked at first; the handle is not used where
// the system has no way to tell (then false, as for ReachesThroughLink).
bool OpenedThroughLink(HANDLE opened, const std::string& path);

// Whether a file about to be created at path must be opened with DELETE access and checked
// with DroppedIfCreatedThroughLink: only under Wine, and only when nothing is there yet.
bool CreationNeedsLinkCheck(const std::string& path);

// A file just created at path through a handle opened with DELETE access: under Wine a Unix
// link to a missing file is invisible until the file is created behind it, so the new file is
// checked and, when it lies elsewhere, deleted again at once. True when it was.
bool DroppedIfCreatedThroughLink(HANDLE created, const std::string& path);

// Whether MarkForDeletion can work on this system.
bool CanDeleteThroughHandle();

// Marks an open file (opened with DELETE access) to be deleted when its last handle closes;
// ERROR_NOT_SUPPORTED on systems before Vista, which cannot do this through a handle.
long MarkForDeletion(HANDLE file);

// DeleteFileA, refused with ERROR_ACCESS_DENIED when the path reaches its file through a
// link. Where the link check needs a handle anyway (Wine), the file is checked and deleted
// through that one handle, which saves the second open DeleteFileA would make.
long DeleteUnlessLink(const std::string& path);

}  // namespace cw::win32
