#pragma once
// Path text routines.

#include <string>
#include <string_view>

namespace cw {

// The path with a backslash appended unless it already ends in one; empty gives "\".
std::string AddSlash(std::string_view path);
// The path without one trailing backslash, except after a drive root ("C:\").
std::string DropSlash(std::string_view path);
// The last component of a path (after the last backslash).
std::string FileNamePart(std::string_view path);
// The folder of a path, without its trailing backslash ("C:\a\b.txt" gives "C:\a").
std::string FolderPart(std::string_view path);

}  // namespace cw
