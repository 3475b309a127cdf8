#pragma once
// Overwrites a file in place with the shredder's image. The image covers the file from its
// first byte; a file longer than the image is covered over its whole length by repeating
// the image (the first bytes are exactly the image), a shorter one grows to the image's
// length. The data is written in large blocks from one buffer built once per level, and
// flushed to the disk before the file is closed, so that a deletion that follows cannot
// leave the old content behind in a cache.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/FileSystem.h"

namespace cw {

class FileOverwriter {
  public:
    explicit FileOverwriter(FileSystem& fs) : fs_(fs) {}

    // Called after each block written with the share of the file done (0..1), so that a
    // long overwrite can let the window repaint and show its progress.
    using Progress = std::function<void(double done)>;

    // Overwrites and flushes the file, then deletes it: through the handle that wrote it
    // where the system can (one open fewer), else by its path once it is closed. Raises the
    // run-time error of the first failure; the file is closed by then, whatever was written
    // so far stays, and a file that could not be flushed is not deleted.
    void OverwriteAndDelete(const std::string& path, std::int16_t n, const Progress& progress = {});

    // The largest single write (unless one image is longer): a buffer that stays in the
    // processor's cache while it is copied out; 1 MB writes made 10 MB files 10% slower.
    static constexpr std::size_t kTargetBlockBytes = 1 << 16;

  private:
    // The image of level n repeated a whole number of times, about kTargetBlockBytes long,
    // so that consecutive blocks continue the repeated image without a seam.
    const std::string& Block(std::int16_t n);
    // Writes the image over the open file and flushes it.
    void WriteImage(File& file, std::int16_t n, const Progress& progress);

    FileSystem& fs_;
    bool haveBlock_ = false;
    std::int16_t blockLevel_ = 0;
    std::size_t imageSize_ = 0;
    std::string block_;
};

}  // namespace cw
