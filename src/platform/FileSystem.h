#pragma once
// Files and folders through the Windows file functions, in the ANSI code page. Results are
// Win32 status codes (0 = success). Searches follow FindFirstFileA's rules: the last path
// component may hold the wildcards * and ?, names compare without regard to case, and a
// path that ends in a backslash finds nothing.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Status.h"

namespace cw {

inline constexpr std::uint32_t kAttrReadOnly = 0x1;
inline constexpr std::uint32_t kAttrHidden = 0x2;
inline constexpr std::uint32_t kAttrSystem = 0x4;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;
inline constexpr std::uint32_t kAttrNormal = 0x80;
inline constexpr std::uint32_t kAttrReparsePoint = 0x400;
inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFFu;

// 100-nanosecond intervals since 1601-01-01 UTC, as the platform counts file times.
using FileTime = std::uint64_t;

struct FindData {
    std::string name;
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    FileTime creationTime = 0;
    FileTime lastWriteTime = 0;

    bool IsDirectory() const { return (attributes & kAttrDirectory) != 0; }
    bool IsReparsePoint() const { return (attributes & kAttrReparsePoint) != 0; }
};

// An open file; closed when the object goes away.
class File {
  public:
    virtual ~File() = default;
    virtual long Read(void* buffer, std::uint32_t size, std::uint32_t& read) = 0;
    virtual long Write(const void* buffer, std::uint32_t size) = 0;
    virtual long Flush() = 0;
    virtual long Size(std::uint64_t& size) = 0;
    virtual long Seek(std::uint64_t offset) = 0;
    // Deletes the file when this handle closes (a file opened with WriteThenDelete):
    // kErrorNotSupported where the system cannot, and the caller deletes it by its path.
    virtual long DeleteOnClose() { return kErrorNotSupported; }
};

enum class OpenMode {
    Read,          // existing file, read access, others may read and write
    ReadWrite,     // existing file, read and write access, no truncation
    CreateAlways,  // create or truncate, write access
    // existing file, write access, no truncation, and where the system can, the right to
    // delete it through the same handle (DeleteOnClose)
    WriteThenDelete,
};

inline constexpr std::uint32_t kMoveReplaceExisting = 0x1;
inline constexpr std::uint32_t kMoveCopyAllowed = 0x2;
inline constexpr std::uint32_t kMoveDelayUntilReboot = 0x4;
inline constexpr std::uint32_t kMoveWriteThrough = 0x8;

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Calls visit for each entry the pattern matches ("." and ".." included where the
    // platform lists them) until visit returns false. Returns 0 when at least one entry was
    // found, otherwise the search's error (2 or 3).
    virtual long Find(const std::string& pattern,
                      const std::function<bool(const FindData&)>& visit) = 0;
    virtual std::uint32_t GetAttributes(const std::string& path) = 0;
    // Refused (access denied) for a path that reaches its file through a link, as Delete
    // and a writing Open are: the change would land on what the link points to.
    virtual long SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // Whether an existing path is a link or reaches its file through one.
    virtual bool IsLink(const std::string& path) = 0;
    virtual long Open(const std::string& path, OpenMode mode, std::unique_ptr<File>& file) = 0;
    virtual long Delete(const std::string& path) = 0;
    virtual long CreateFolder(const std::string& path) = 0;
    virtual long RemoveFolder(const std::string& path) = 0;
    // MoveFileExA: an empty target with kMoveDelayUntilReboot registers a deletion at restart.
    // A source that is a link or reached through one is refused (access denied).
    virtual long Move(const std::string& from, const std::string& to, std::uint32_t flags) = 0;
    // The long form of a path whose components may be 8.3 short names; the path itself when
    // it cannot be resolved.
    virtual std::string LongPath(const std::string& path) = 0;
    virtual std::string TempPath() = 0;

    // Calls task(i) once for every i below count, returning when all have returned; each
    // task may call this file system only. Here one after the other; a file system whose
    // calls wait on the system may run several at a time, in no set order.
    virtual void RunEach(std::size_t count, const std::function<void(std::size_t)>& task) {
        for (std::size_t i = 0; i < count; ++i)
            task(i);
    }
};

}  // namespace cw
