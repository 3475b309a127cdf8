#pragma once
// Reading a whole file into memory and replacing a file's content safely. Results are Win32
// status codes (0 = success).

#include <cstdint>
#include <string>

#include "platform/FileSystem.h"

namespace cw {

// Files larger than this are not read whole (kErrorNotEnoughMemory): the files read so are
// small profile files, and a damaged or hostile one must not exhaust memory.
inline constexpr std::uint64_t kMaxWholeFileBytes = 64ull * 1024 * 1024;

// The file's bytes, one character per byte.
long ReadWholeFile(FileSystem& fs, const std::string& path, std::string& content);

// Writes the content to a temporary file beside the file, flushes it, and moves it over
// the file in one step. When any of that fails the temporary file is removed and the file
// keeps its old content.
long ReplaceFileContent(FileSystem& fs, const std::string& path, const std::string& content);

// The temporary file ReplaceFileContent writes for a path.
std::string ReplacementTempPath(const std::string& path);

}  // namespace cw
