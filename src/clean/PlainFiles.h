#pragma once
// Deleting the plain files of one folder by a search pattern, as a wildcard Kill does:
// hidden and system files, folders and links are left, and subfolders are not entered.

#include <string>
#include <string_view>

#include "files/FileRoutines.h"

namespace cw {

// Deletes the plain files of the folder that match the pattern, except one named spare
// (compared without regard to case). Failures are passed over; nothing happens when the
// PathGuard refuses the folder or it is not a real folder.
void DeletePlainFiles(FileRoutines& files, const std::string& folder, const std::string& pattern,
                      std::string_view spare = {});

}  // namespace cw
