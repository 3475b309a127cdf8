#include "platform/win32/Win32FileSystem.h"

#include "platform/win32/Handles.h"
#include "platform/win32/LinkCheck.h"
#include "platform/win32/Worker.h"

namespace cw::win32 {

namespace {

FileTime ToFileTime(const FILETIME& t) {
    return (static_cast<FileTime>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

class Win32File : public File {
  public:
    Win32File(FileHandle handle, bool deletable)
        : handle_(std::move(handle)), deletable_(deletable) {}

    long Read(void* buffer, std::uint32_t size, std::uint32_t& read) override {
        DWORD n = 0;
        BOOL ok = ReadFile(handle_.get(), buffer, size, &n, nullptr);
        read = n;
        return ok ? ERROR_SUCCESS : static_cast<long>(GetLastError());
    }
    long Write(const void* buffer, std::uint32_t size) override {
        DWORD n = 0;
        if (!WriteFile(handle_.get(), buffer, size, &n, nullptr)) {
            return static_cast<long>(GetLastError());
        }
        return n == size ? ERROR_SUCCESS : ERROR_DISK_FULL;
    }
    long Flush() override {
        return FlushFileBuffers(handle_.get()) ? ERROR_SUCCESS : static_cast<long>(GetLastError());
    }
    long Size(std::uint64_t& size) override {
        DWORD high = 0;
        DWORD low = GetFileSize(handle_.get(), &high);
        if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
            return static_cast<long>(GetLastError());
        }
        size = (static_cast<std::uint64_t>(high) << 32) | low;
        return ERROR_SUCCESS;
    }
    long Seek(std::uint64_t offset) override {
        LONG high = static_cast<LONG>(offset >> 32);
        DWORD low = SetFilePointer(handle_.get(), static_cast<LONG>(offset & 0xFFFFFFFFu), &high,
                                   FILE_BEGIN);
        if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) {
            return static_cast<long>(GetLastError());
        }
        return ERROR_SUCCESS;
    }
    long DeleteOnClose() override {
        return deletable_ ? MarkForDeletion(handle_.get()) : ERROR_NOT_SUPPORTED;
    }

  private:
    FileHandle handle_;
    bool deletable_;  // opened with DELETE access
};

long LastError(BOOL ok) {
    return ok ? ERROR_SUCCESS : static_cast<long>(GetLastError());
}

}  // namespace

long Win32FileSystem::Find(const std::string& pattern,
                           const std::function<bool(const FindData&)>& visit) {
    WIN32_FIND_DATAA data;
    FindHandle find(FindFirstFileA(pattern.c_str(), &data));
    if (!find) return static_cast<long>(GetLastError());
    do {
        FindData entry;
        entry.name = data.cFileName;
        entry.attributes = data.dwFileAttributes;
        entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        entry.creationTime = ToFileTime(data.ftCreationTime);
        entry.lastWriteTime = ToFileTime(data.ftLastWriteTime);
        if (!visit(entry)) break;
    } while (FindNextFileA(find.get(), &data));
    return ERROR_SUCCESS;
}

std::uint32_t Win32FileSystem::GetAttributes(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

long Win32FileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    // Clearing the read-only bit through a link would open up the file it points to.
    if (ReachesThroughLink(path)) return ERROR_ACCESS_DENIED;
    return LastError(SetFileAttributesA(path.c_str(), attributes));
}

bool Win32FileSystem::IsLink(const std::string& path) {
    return ReachesThroughLink(path);
}

long Win32FileSystem::Open(const std::string& path, OpenMode mode, std::unique_ptr<File>& file) {
    DWORD access = GENERIC_READ, share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    DWORD disposition = OPEN_EXISTING;
    switch (mode) {
        case OpenMode::Read:
            break;
        case OpenMode::ReadWrite:
            access = GENERIC_READ | GENERIC_WRITE;
            break;
        case OpenMode::WriteThenDelete:
            access = GENERIC_WRITE;
            break;
        case OpenMode::CreateAlways:
            access = GENERIC_WRITE;
            disposition = CREATE_ALWAYS;
            break;
    }
    // Writing through a link would change the file it points to. Creating or truncating
    // changes it on opening, so that is checked first; an existing file opened as it is
    // is checked through the open handle.
    const bool writes = (access & GENERIC_WRITE) != 0;
    if (writes && disposition != OPEN_EXISTING && ReachesThroughLink(path)) {
        return ERROR_ACCESS_DENIED;
    }
    // Under Wine a file about to be created is opened so that it can be deleted again, should
    // it turn out to have been created behind a link to a missing file.
    const bool creates = disposition != OPEN_EXISTING && CreationNeedsLinkCheck(path);
    bool deletable = creates || (mode == OpenMode::WriteThenDelete && CanDeleteThroughHandle());
    FileHandle handle(CreateFileA(path.c_str(), deletable ? access | DELETE : access, share,
                                  nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle && !creates && deletable && GetLastError() == ERROR_SHARING_VIOLATION) {
        // Another program holds the file without letting it be deleted: it is still
        // overwritten, and its deletion by path afterwards reports the failure.
        deletable = false;
        handle.reset(CreateFileA(path.c_str(), access, share, nullptr, disposition,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    if (!handle) return static_cast<long>(GetLastError());
    if (creates && DroppedIfCreatedThroughLink(handle.get(), path)) return ERROR_ACCESS_DENIED;
    if (writes && disposition == OPEN_EXISTING && OpenedThroughLink(handle.get(), path)) {
        return ERROR_ACCESS_DENIED;
    }
    file = std::make_unique<Win32File>(std::move(handle), deletable);
    return ERROR_SUCCESS;
}

long Win32FileSystem::Delete(const std::string& path) {
    return DeleteUnlessLink(path);
}

void Win32FileSystem::RunEach(std::size_t count, const std::function<void(std::size_t)>& task) {
    RunShared(count, task);
}

long Win32FileSystem::CreateFolder(const std::string& path) {
    return LastError(CreateDirectoryA(path.c_str(), nullptr));
}

long Win32FileSystem::RemoveFolder(const std::string& path) {
    return LastError(RemoveDirectoryA(path.c_str()));
}

long MoveFileWith(MoveFileExFn moveEx, const std::string& from, const std::string& to,
                  std::uint32_t flags) {
    if (moveEx(from.c_str(), to.empty() ? nullptr : to.c_str(), flags)) return ERROR_SUCCESS;
    long status = static_cast<long>(GetLastError());
    // Windows 95, 98 and Me export MoveFileExA only as a stub that fails this way.
    if (status != ERROR_CALL_NOT_IMPLEMENTED) return status;
    return Win32FileSystem::MoveWithoutMoveFileEx(from, to, flags);
}

long Win32FileSystem::Move(const std::string& from, const std::string& to, std::uint32_t flags) {
    // Wine moves what a link points to, not the link: the file behind it would leave its
    // place.
    if (ReachesThroughLink(from)) return ERROR_ACCESS_DENIED;
    return MoveFileWith(&MoveFileExA, from, to, flags);
}

long Win32FileSystem::MoveWithoutMoveFileEx(const std::string& from, const std::string& to,
                                            std::uint32_t flags) {
    // Those systems take moves at restart through WININIT.INI, which this program does not
    // write; the caller sees the move as not done.
    if ((flags & kMoveDelayUntilReboot) || to.empty()) return ERROR_CALL_NOT_IMPLEMENTED;
    if (MoveFileA(from.c_str(), to.c_str())) return ERROR_SUCCESS;
    long status = static_cast<long>(GetLastError());
    if (status == ERROR_NOT_SAME_DEVICE && (flags & kMoveCopyAllowed)) {
        if (!CopyFileA(from.c_str(), to.c_str(), !(flags & kMoveReplaceExisting))) {
            return static_cast<long>(GetLastError());
        }
        return LastError(DeleteFileA(from.c_str()));
    }
    bool targetExists = status == ERROR_ALREADY_EXISTS || status == ERROR_FILE_EXISTS;
    if (!(flags & kMoveReplaceExisting) || !targetExists) return status;
    // Replace without losing the target when the move fails: the target steps aside under
    // a free name first and comes back if the source cannot take its place.
    std::string aside;
    for (int i = 1; i < 100 && aside.empty(); ++i) {
        std::string candidate = to + ".~" + std::to_string(i);
        if (GetFileAttributesA(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) aside = candidate;
    }
    if (aside.empty()) return status;
    if (!MoveFileA(to.c_str(), aside.c_str())) return static_cast<long>(GetLastError());
    if (!MoveFileA(from.c_str(), to.c_str())) {
        status = static_cast<long>(GetLastError());
        MoveFileA(aside.c_str(), to.c_str());
        return status;
    }
    DeleteFileA(aside.c_str());
    return ERROR_SUCCESS;
}

std::string Win32FileSystem::LongPath(const std::string& path) {
    using Fn = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);
    static Fn getLongPathName = LookupProc<Fn>("kernel32.dll", "GetLongPathNameA");
    if (!getLongPathName) return path;
    std::string buffer(MAX_PATH, '\0');
    DWORD n = getLongPathName(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n > buffer.size()) {
        buffer.resize(n);
        n = getLongPathName(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    if (n == 0 || n >= buffer.size()) return path;
    buffer.resize(n);
    return buffer;
}

std::string Win32FileSystem::TempPath() {
    char buffer[256] = {};
    DWORD n = GetTempPathA(255, buffer);
    if (n == 0 || n > 255) return "";
    return std::string(buffer);
}

}  // namespace cw::win32
