#include "update/UpdateFiles.h"

#include <limits>

#include "files/Paths.h"

namespace cw::update {

std::string ServerPath(const std::string& serverUrl, const std::string& path) {
    std::string base = serverUrl;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + path;
}

std::string ProgramFolder(Shell& shell) {
    return AddSlash(FolderPart(shell.ModulePath()));
}

std::string QuotedCommand(const std::string& path) {
    return "\"" + path + "\"";
}

bool ReadWholeFile(FileSystem& fs, const std::string& path, std::string& content) {
    std::unique_ptr<File> file;
    std::uint64_t size = 0;
    if (fs.Open(path, OpenMode::Read, file) != kErrorSuccess || file->Size(size) != kErrorSuccess ||
        size > std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    content.assign(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        std::uint32_t read = 0;
        auto want = static_cast<std::uint32_t>(content.size() - done);
        if (file->Read(content.data() + done, want, read) != kErrorSuccess) return false;
        if (read == 0) break;
        done += read;
    }
    content.resize(done);
    return true;
}

long WriteWholeFile(FileSystem& fs, const std::string& path, const std::string& content) {
    long status;
    {
        std::unique_ptr<File> file;
        status = fs.Open(path, OpenMode::CreateAlways, file);
        if (status != kErrorSuccess) return status;
        if (!content.empty()) {
            status = file->Write(content.data(), static_cast<std::uint32_t>(content.size()));
        }
        if (status == kErrorSuccess) status = file->Flush();
    }
    if (status != kErrorSuccess) fs.Delete(path);
    return status;
}

}  // namespace cw::update
