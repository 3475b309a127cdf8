#pragma once
// The Open dialog's result text, as the shredder reads it: one full path when a single file
// was chosen; otherwise the folder, a NUL, and the chosen names separated by NULs.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

// How many characters of the text equal the delimiter (at most 32767).
std::int16_t countDelimiters(std::string_view text, char delimiter);

// The full paths the result names, in dialog order; none for a cancelled dialog. Empty
// names are passed over: folder & "" would name the folder itself.
std::vector<std::string> PathsFromOpenDialog(const std::string& result);

}  // namespace cw
