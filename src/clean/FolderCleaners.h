#pragma once
// The cleaners that work on folders: the temporary folder, and the two narrower deletions
// the list cleaners need. Each asks the PathGuard first and never goes through a link.

#include <string>

#include "files/FileRoutines.h"

namespace cw {

// Purges the temporary folder, then makes it again when the purge removed it: other
// programs fail when the folder they were told to use is missing.
void ClearTempFolder(FileRoutines& files);

// Deletes the plain files of the folder that match the pattern (not hidden or system ones,
// not subfolders); a file that cannot be deleted is passed over.
void DeletePlainFiles(FileRoutines& files, const std::string& folder, const std::string& pattern);

// Deletes everything inside the folder except entries named "index.dat" or "desktop.ini"
// (at any depth) and links; a subfolder goes when it has become empty. The index files
// belong to the Internet library, which keeps them open and empties them itself, and
// desktop.ini makes the shell show a special folder as such. Failures are passed over.
void DeleteFolderItemsKeepingIndexes(FileRoutines& files, const std::string& folder);

}  // namespace cw
