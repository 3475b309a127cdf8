#include "shred/FileOverwriter.h"

#include <algorithm>
#include <memory>

#include "errors/RuntimeError.h"
#include "shred/OverwriteImage.h"

namespace cw {

const std::string& FileOverwriter::Block(std::int16_t n) {
    if (haveBlock_ && blockLevel_ == n) return block_;
    std::string image = BuildOverwriteImage(n);
    std::size_t copies = std::max<std::size_t>(1, kTargetBlockBytes / image.size());
    block_.clear();
    block_.reserve(copies * image.size());
    for (std::size_t i = 0; i < copies; ++i)
        block_ += image;
    imageSize_ = image.size();
    blockLevel_ = n;
    haveBlock_ = true;
    return block_;
}

void FileOverwriter::OverwriteAndDelete(const std::string& path, std::int16_t n,
                                        const Progress& progress) {
    std::unique_ptr<File> file;
    ThrowIfFailed(fs_.Open(path, OpenMode::WriteThenDelete, file));
    WriteImage(*file, n, progress);
    const long status = file->DeleteOnClose();
    file.reset();
    ThrowIfFailed(status == kErrorNotSupported ? fs_.Delete(path) : status);
}

void FileOverwriter::WriteImage(File& file, std::int16_t n, const Progress& progress) {
    const std::string& block = Block(n);
    std::uint64_t length = 0;
    ThrowIfFailed(file.Size(length));
    const std::uint64_t total = std::max<std::uint64_t>(length, imageSize_);
    for (std::uint64_t written = 0; written < total;) {
        auto chunk =
            static_cast<std::uint32_t>(std::min<std::uint64_t>(total - written, block.size()));
        ThrowIfFailed(file.Write(block.data(), chunk));
        written += chunk;
        if (progress) progress(static_cast<double>(written) / static_cast<double>(total));
    }
    ThrowIfFailed(file.Flush());
}

}  // namespace cw
