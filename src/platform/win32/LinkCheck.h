#pragma once
// Whether an existing path reaches its file through a link. Deleting or overwriting through
// a link would destroy what it points to: under Wine, DeleteFileA on a Unix symbolic link
// deletes the link's target, and Wine shows such a link to a file as a plain file (no
// reparse-point attribute); on Windows, opening a symbolic link for writing writes to its
// target.

#include <string>

namespace cw::win32 {

bool ReachesThroughLink(const std::string& path);

}  // namespace cw::win32
