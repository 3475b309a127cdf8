#include "platform/win32/LinkCheck.h"

#include <cctype>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

bool RunningUnderWine() {
    static const bool wine = LookupProc<void*>("ntdll.dll", "wine_get_version") != nullptr;
    return wine;
}

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

using FinalPathFn = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);

FinalPathFn FinalPathFunction() {
    static const auto fn = LookupProc<FinalPathFn>("kernel32.dll", "GetFinalPathNameByHandleA");
    return fn;
}

// NtQueryObject's answer for ObjectNameInformation: a counted wide string and its text.
struct ObjectName {
    USHORT length;  // in bytes
    USHORT maximumLength;
    PWSTR buffer;
};
using QueryObjectFn = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
constexpr int kObjectNameInformation = 1;

// The name Wine keeps for an open file ("\??\C:\..."), as resolved through every link:
// one question to the server, where GetFinalPathNameByHandleA also walks the drive letters.
std::string ObjectPath(HANDLE handle) {
    static const auto query = LookupProc<QueryObjectFn>("ntdll.dll", "NtQueryObject");
    if (!query) return "";
    alignas(ObjectName) char info[sizeof(ObjectName) + 2048];
    ULONG size = 0;
    if (query(handle, kObjectNameInformation, info, sizeof info, &size) != 0) return "";
    const auto* name = reinterpret_cast<const ObjectName*>(info);
    const int chars = name->length / 2;
    if (chars == 0) return "";
    std::string result(static_cast<std::size_t>(chars) * 2, '\0');
    int n = WideCharToMultiByte(CP_ACP, 0, name->buffer, chars, result.data(),
                                static_cast<int>(result.size()), nullptr, nullptr);
    if (n <= 0) return "";
    result.resize(static_cast<std::size_t>(n));
    if (result.rfind("\\??\\", 0) != 0) return "";
    return result.erase(0, 4);
}

// The path of an open file as the system resolved it through every link, without the "\\?\"
// prefix; empty when it cannot tell (Windows before Vista has no such call and no Unix
// links either).
std::string FinalPath(HANDLE handle) {
    FinalPathFn finalPath = FinalPathFunction();
    if (!finalPath) return "";
    if (std::string path = ObjectPath(handle); !path.empty()) return path;
    char buffer[1024];
    DWORD n = finalPath(handle, buffer, sizeof buffer, 0);
    if (n == 0 || n >= sizeof buffer) return "";
    std::string result(buffer, n);
    if (result.rfind("\\\\?\\", 0) == 0) result.erase(0, 4);
    return result;
}

std::string FullPath(const std::string& path) {
    char buffer[1024];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (n == 0 || n >= sizeof buffer) return path;
    return std::string(buffer, n);
}

// Under Wine the resolved path of a file reached through a Unix link is another one:
// "unix\..." for a target outside every drive, or another drive path.
bool ResolvesElsewhere(HANDLE handle, const std::string& path) {
    std::string final = FinalPath(handle);
    return !final.empty() && Upper(final) != Upper(FullPath(path));
}

bool IsReparsePoint(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// SetFileInformationByHandle's FileDispositionInfo (Vista and later; the headers of this
// build's Windows version lack both).
using SetFileInformationFn = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);
constexpr int kFileDispositionInfo = 4;
struct DispositionInfo {
    BOOLEAN deleteFile;
};

SetFileInformationFn SetInformationFunction() {
    static const auto fn =
        LookupProc<SetFileInformationFn>("kernel32.dll", "SetFileInformationByHandle");
    return fn;
}

}  // namespace

bool ReachesThroughLink(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (IsReparsePoint(attributes)) return true;
    if (!RunningUnderWine() || !FinalPathFunction()) return false;
    FileHandle handle(CreateFileA(path.c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return handle && ResolvesElsewhere(handle.get(), path);
}

bool OpenedThroughLink(HANDLE opened, const std::string& path) {
    // Under Wine the handle's resolved name tells for every kind of link (a link to a folder
    // shows as a reparse point too, but a folder is never opened as a file). Elsewhere, and
    // where Wine cannot tell, the reparse-point attribute does.
    if (RunningUnderWine()) {
        if (std::string final = FinalPath(opened); !final.empty()) {
            return Upper(final) != Upper(FullPath(path));
        }
    }
    return IsReparsePoint(GetFileAttributesA(path.c_str()));
}

bool CreationNeedsLinkCheck(const std::string& path) {
    return RunningUnderWine() && FinalPathFunction() &&
           GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool CanDeleteThroughHandle() {
    return SetInformationFunction() != nullptr;
}

long MarkForDeletion(HANDLE file) {
    SetFileInformationFn setInformation = SetInformationFunction();
    if (!setInformation) return ERROR_NOT_SUPPORTED;
    DispositionInfo info{TRUE};
    // A read-only file is refused here as by DeleteFileA.
    if (!setInformation(file, kFileDispositionInfo, &info, sizeof info)) {
        return static_cast<long>(GetLastError());
    }
    return ERROR_SUCCESS;
}

bool DroppedIfCreatedThroughLink(HANDLE created, const std::string& path) {
    if (!RunningUnderWine() || !ResolvesElsewhere(created, path)) return false;
    MarkForDeletion(created);
    return true;
}

long DeleteUnlessLink(const std::string& path) {
    const SetFileInformationFn setInformation = SetInformationFunction();
    if (!RunningUnderWine() || !FinalPathFunction() || !setInformation) {
        if (ReachesThroughLink(path)) return ERROR_ACCESS_DENIED;
        return DeleteFileA(path.c_str()) ? ERROR_SUCCESS : static_cast<long>(GetLastError());
    }
    // The sharing DeleteFileA asks for. A folder, and so a link to one, cannot be opened this
    // way and is refused as DeleteFileA refuses it; a link to a file shows in the name.
    FileHandle handle(CreateFileA(path.c_str(), DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    if (!handle) return static_cast<long>(GetLastError());
    std::string final = FinalPath(handle.get());
    if (final.empty()) {
        handle.reset();
        if (ReachesThroughLink(path)) return ERROR_ACCESS_DENIED;
        return DeleteFileA(path.c_str()) ? ERROR_SUCCESS : static_cast<long>(GetLastError());
    }
    if (Upper(final) != Upper(FullPath(path))) return ERROR_ACCESS_DENIED;
    return MarkForDeletion(handle.get());  // deleted as the handle closes
}

}  // namespace cw::win32
