#include "files/WholeFile.h"

#include <algorithm>

namespace cw {

long ReadWholeFile(FileSystem& fs, const std::string& path, std::string& content) {
    content.clear();
    std::unique_ptr<File> file;
    long status = fs.Open(path, OpenMode::Read, file);
    if (status != kErrorSuccess) return status;
    std::uint64_t size = 0;
    status = file->Size(size);
    if (status != kErrorSuccess) return status;
    if (size > kMaxWholeFileBytes) return kErrorNotEnoughMemory;
    content.resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < content.size()) {
        std::uint32_t read = 0;
        auto want =
            static_cast<std::uint32_t>(std::min<std::size_t>(content.size() - done, 1u << 20));
        status = file->Read(content.data() + done, want, read);
        if (status != kErrorSuccess) return status;
        if (read == 0) break;  // the file shrank while it was read
        done += read;
    }
    content.resize(done);
    return kErrorSuccess;
}

std::string ReplacementTempPath(const std::string& path) {
    return path + ".cwtmp";
}

long ReplaceFileContent(FileSystem& fs, const std::string& path, const std::string& content) {
    const std::string temp = ReplacementTempPath(path);
    long status = kErrorSuccess;
    {
        std::unique_ptr<File> file;
        status = fs.Open(temp, OpenMode::CreateAlways, file);
        if (status != kErrorSuccess) return status;
        if (!content.empty()) {
            status = file->Write(content.data(), static_cast<std::uint32_t>(content.size()));
        }
        if (status == kErrorSuccess) status = file->Flush();
    }  // closed before it is moved
    if (status == kErrorSuccess) status = fs.Move(temp, path, kMoveReplaceExisting);
    if (status != kErrorSuccess) fs.Delete(temp);
    return status;
}

}  // namespace cw
