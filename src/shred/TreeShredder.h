#pragma once
// Shredding files one by one, and every file of a folder tree, for the file shredder and the
// scheduled shredder alike: each file is overwritten with the image of the level, flushed
// and then deleted. A read-only file has its attribute cleared first. A path the deletion
// rules refuse and anything reached through a link are never touched.

#include <cstdint>
#include <string>

#include "files/FileRoutines.h"
#include "shred/FileOverwriter.h"

namespace cw {

class TreeShredder {
  public:
    explicit TreeShredder(FileRoutines& files) : files_(files), overwriter_(files.fs()) {}

    // Overwrites and deletes one file. Raises on failure and on a path it may not touch.
    void ShredFile(const std::string& path, std::int16_t n,
                   const FileOverwriter::Progress& progress = {});
    // The same, with the attributes the caller has just read from the path.
    void ShredFile(const std::string& path, std::uint32_t attributes, std::int16_t n,
                   const FileOverwriter::Progress& progress);
    // Overwrites and deletes every file in the folder and its subfolders; links are left
    // where they are and not entered. Returns how many files could not be shredded. The
    // folders themselves stay.
    int ShredFilesIn(const std::string& folder, std::int16_t n,
                     const FileOverwriter::Progress& progress = {});

  private:
    FileRoutines& files_;
    FileOverwriter overwriter_;
};

}  // namespace cw
