#include "support/Snapshots.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "platform/win32/Handles.h"

namespace cw::testing {

namespace {

std::string Hex(const BYTE* data, DWORD size) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(size * 2);
    for (DWORD i = 0; i < size; ++i) {
        out += kDigits[data[i] >> 4];
        out += kDigits[data[i] & 0xF];
    }
    return out;
}

void DumpKey(HKEY parent, const std::string& subkey, const std::string& path, Snapshot& out) {
    win32::RegKey key;
    if (RegOpenKeyExA(parent, subkey.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) {
        out[path] = "(unreadable)";
        return;
    }
    out[path] = "";
    DWORD subkeys = 0, maxSubkey = 0, values = 0, maxName = 0, maxData = 0;
    RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values,
                     &maxName, &maxData, nullptr, nullptr);
    std::string name(maxName + 2, '\0');
    std::vector<BYTE> data(maxData + 2);
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG status = RegEnumValueA(key.get(), i, name.data(), &nameLength, nullptr, &type,
                                    data.data(), &dataSize);
        if (status == ERROR_MORE_DATA) {
            name.resize(name.size() * 2 + 256);
            data.resize(data.size() * 2 + 256);
            --i;
            continue;
        }
        if (status != ERROR_SUCCESS) break;
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "%lu|", static_cast<unsigned long>(type));
        out[path + "|" + name.substr(0, nameLength)] = prefix + Hex(data.data(), dataSize);
    }
    std::vector<std::string> children;
    std::string child(maxSubkey + 2, '\0');
    for (DWORD i = 0;; ++i) {
        DWORD length = static_cast<DWORD>(child.size());
        LONG status =
            RegEnumKeyExA(key.get(), i, child.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA) {
            child.resize(child.size() * 2 + 256);
            --i;
            continue;
        }
        if (status != ERROR_SUCCESS) break;
        children.push_back(child.substr(0, length));
    }
    for (const std::string& c : children)
        DumpKey(key.get(), c, path + "\\" + c, out);
}

void ListFolder(const std::string& folder, Snapshot& out) {
    WIN32_FIND_DATAA data;
    win32::FindHandle find(FindFirstFileA((folder + "\\*").c_str(), &data));
    if (!find) return;
    std::vector<std::string> subfolders;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = folder + "\\" + name;
        char details[96];
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A folder's own times change with its content; its attributes are its state.
            std::snprintf(details, sizeof details, "%lx",
                          static_cast<unsigned long>(data.dwFileAttributes));
            out[path + "\\"] = details;
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) subfolders.push_back(path);
        } else {
            std::snprintf(details, sizeof details, "%lx|%lu|%08lx%08lx",
                          static_cast<unsigned long>(data.dwFileAttributes),
                          static_cast<unsigned long>(data.nFileSizeLow),
                          static_cast<unsigned long>(data.ftLastWriteTime.dwHighDateTime),
                          static_cast<unsigned long>(data.ftLastWriteTime.dwLowDateTime));
            out[path] = details;
        }
    } while (FindNextFileA(find.get(), &data));
    for (const std::string& sub : subfolders)
        ListFolder(sub, out);
}

}  // namespace

Snapshot RegistrySnapshot() {
    Snapshot out;
    DumpKey(HKEY_CURRENT_USER, "", "HKCU", out);
    DumpKey(HKEY_LOCAL_MACHINE, "", "HKLM", out);
    return out;
}

Snapshot DriveSnapshot(const std::string& drive) {
    Snapshot out;
    ListFolder(drive, out);
    return out;
}

std::vector<std::string> Changes(const Snapshot& before, const Snapshot& after) {
    std::vector<std::pair<std::string, char>> changes;
    for (const auto& [identity, details] : before) {
        auto it = after.find(identity);
        if (it == after.end()) {
            changes.emplace_back(identity, '-');
        } else if (it->second != details) {
            changes.emplace_back(identity, '~');
        }
    }
    for (const auto& [identity, details] : after) {
        if (!before.count(identity)) changes.emplace_back(identity, '+');
    }
    std::sort(changes.begin(), changes.end());
    std::vector<std::string> lines;
    for (const auto& [identity, kind] : changes)
        lines.push_back(std::string(1, kind) + " " + identity);
    return lines;
}

}  // namespace cw::testing
