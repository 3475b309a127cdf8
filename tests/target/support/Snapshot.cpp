#include "support/Snapshot.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Handles.h"

namespace cw::testing {

namespace {

std::string Hex(const std::vector<BYTE>& data, DWORD size) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (DWORD i = 0; i < size; ++i) {
        out += kDigits[data[i] >> 4];
        out += kDigits[data[i] & 15];
    }
    return out;
}

void DumpKey(HKEY root, const std::string& rootName, const std::string& path,
             RegistrySnapshot& out) {
    win32::RegKey key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return;
    const std::string prefix = rootName + (path.empty() ? "" : "\\" + path);
    out[Upper(prefix) + "|<key>"] = "";
    std::vector<char> name(16384);
    std::vector<BYTE> data(1 << 16);
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG status = RegEnumValueA(key.get(), i, name.data(), &nameSize, nullptr, &type,
                                    data.data(), &dataSize);
        if (status == ERROR_MORE_DATA) {
            data.resize(dataSize + 1);
            --i;
            continue;
        }
        if (status != ERROR_SUCCESS) break;
        out[Upper(prefix) + "|" + std::string(name.data(), nameSize)] =
            std::to_string(type) + ":" + Hex(data, dataSize);
    }
    std::vector<std::string> subkeys;
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(key.get(), i, name.data(), &nameSize, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS) {
            break;
        }
        subkeys.emplace_back(name.data(), nameSize);
    }
    for (const std::string& sub : subkeys)
        DumpKey(root, rootName, path.empty() ? sub : path + "\\" + sub, out);
}

void ListFolder(const std::string& folder, FileSnapshot& out) {
    WIN32_FIND_DATAA data;
    win32::FindHandle find(FindFirstFileA((folder + "\\*").c_str(), &data));
    if (!find) return;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = folder + "\\" + name;
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        FileEntry entry{isFolder, isFolder
                                      ? 0
                                      : (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) |
                                            data.nFileSizeLow};
        out[Upper(path)] = entry;
        if (isFolder && !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            ListFolder(path, out);
    } while (FindNextFileA(find.get(), &data));
}

}  // namespace

std::string Upper(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

RegistrySnapshot SnapshotRegistry() {
    RegistrySnapshot out;
    DumpKey(HKEY_CURRENT_USER, "HKCU", "", out);
    DumpKey(HKEY_LOCAL_MACHINE, "HKLM", "", out);
    return out;
}

FileSnapshot SnapshotFiles(const std::string& root) {
    FileSnapshot out;
    ListFolder(root, out);
    return out;
}

}  // namespace cw::testing
