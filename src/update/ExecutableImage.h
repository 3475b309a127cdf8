#pragma once
// Whether downloaded bytes are a Windows executable at all, before they may replace the
// program: the DOS header's "MZ", and at the offset it gives, inside the file, the "PE"
// signature followed by room for the file header.

#include <string_view>

namespace cw::update {

bool IsWindowsExecutable(std::string_view bytes);

}  // namespace cw::update
