#pragma once
// The files of an update: where the server publishes them and where they land.

#include <string>

#include "platform/FileSystem.h"
#include "platform/Shell.h"

namespace cw::update {

// Paths on the maker's server.
inline constexpr const char kVersionFilePath[] = "/cwl.txt";
inline constexpr const char kUpdateExePath[] = "/cwlupdate.exe";
// The maker's signature of the executable (platform/SignatureCheck.h).
inline constexpr const char kUpdateSignaturePath[] = "/cwlupdate.sig";
inline constexpr const char kUpgradePagePath[] = "/upgrade.php";

// Files in the program's folder.
inline constexpr const char kDownloadName[] = "cwl.exe";
inline constexpr const char kInstalledName[] = "Clearwell.exe";
// The download's signature, kept beside it for the relay to check again.
inline constexpr const char kSignatureName[] = "cwl.sig";
// Written first and moved into place whole, so that a half-written file never carries the
// name the relay starts.
inline constexpr const char kDownloadPartName[] = "cwl.part";
inline constexpr const char kInstallPartName[] = "Clearwell.part";

// Show commands of a started program.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimizedFocus = 2;

// The server's address and a path on it, without a doubled slash.
std::string ServerPath(const std::string& serverUrl, const std::string& path);
// The folder of the running executable, with a trailing backslash.
std::string ProgramFolder(Shell& shell);
// The command line that starts a program by its full path.
std::string QuotedCommand(const std::string& path);

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(FileSystem& fs, const std::string& path, std::string& content);
// Creates or replaces the file with the bytes, written in one piece and flushed; on a
// failure the partial file is deleted.
long WriteWholeFile(FileSystem& fs, const std::string& path, const std::string& content);

}  // namespace cw::update
