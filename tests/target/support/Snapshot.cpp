#include "support/Snapshot.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Handles.h"

namespace cw::testing {

namespace {

// Wine links HKLM\System\CurrentControlSet to a control set; a bound on the depth keeps a
// link that points back up from sending the walk round in circles.
constexpr int kMaxDepth = 40;

// The class registrations are most of Wine's registry, and the program writes none: a walk
// through them would take most of a snapshot's time and show nothing.
bool Skipped(const std::string& keyPath) {
    for (const char* skipped :
         {"HKLM\\Software\\Classes", "HKLM\\Software\\Wow6432Node\\Classes"}) {
        if (lstrcmpiA(keyPath.c_str(), skipped) == 0) return true;
    }
    return false;
}

void DumpKey(HKEY key, const std::string& path, int depth, Snapshot& out) {
    out[path] = "(key)";
    DWORD maxName = 0, maxData = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                     &maxData, nullptr, nullptr);
    std::string name(maxName + 2, '\0');
    std::vector<BYTE> data(maxData + 2);
    for (DWORD i = 0;;) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG status =
            RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &dataSize);
        if (status == ERROR_MORE_DATA) {  // the value grew since the key was measured
            name.resize(name.size() * 2 + 256);
            data.resize(data.size() * 2 + 256);
            continue;
        }
        if (status != ERROR_SUCCESS) break;
        // The type and the bytes: what a comparison needs, and readable for the text types.
        out[path + "|" + name.substr(0, nameLength)] =
            std::to_string(type) + " " +
            std::string(reinterpret_cast<const char*>(data.data()), dataSize);
        ++i;
    }
    if (depth >= kMaxDepth) return;
    for (DWORD i = 0;; ++i) {
        char child[256];
        DWORD length = sizeof child;
        if (RegEnumKeyExA(key, i, child, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        std::string childPath = path + "\\" + std::string(child, length);
        if (Skipped(childPath)) continue;
        win32::RegKey sub;
        if (RegOpenKeyExA(key, child, 0, KEY_READ, sub.put()) != ERROR_SUCCESS) {
            out[childPath] = "(unreadable)";
            continue;
        }
        DumpKey(sub.get(), childPath, depth + 1, out);
    }
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
        const std::string attributes = std::to_string(data.dwFileAttributes);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A folder's own times change with its content; its attributes are its state.
            out[path + "\\"] = attributes;
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) subfolders.push_back(path);
        } else {
            const ULARGE_INTEGER written = {
                {data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime}};
            out[path] = attributes + "|" + std::to_string(data.nFileSizeLow) + "|" +
                        std::to_string(written.QuadPart);
        }
    } while (FindNextFileA(find.get(), &data));
    for (const std::string& sub : subfolders)
        ListFolder(sub, out);
}

}  // namespace

Snapshot RegistrySnapshot() {
    Snapshot out;
    DumpKey(HKEY_CURRENT_USER, "HKCU", 0, out);
    DumpKey(HKEY_LOCAL_MACHINE, "HKLM", 0, out);
    return out;
}

Snapshot DriveSnapshot(const std::string& drive) {
    Snapshot out;
    ListFolder(drive, out);
    return out;
}

std::vector<Difference> Differences(const Snapshot& before, const Snapshot& after) {
    std::vector<Difference> out;
    for (const auto& [identity, details] : before) {
        auto it = after.find(identity);
        if (it == after.end()) {
            out.push_back({'-', identity, details, ""});
        } else if (it->second != details) {
            out.push_back({'~', identity, details, it->second});
        }
    }
    for (const auto& [identity, details] : after) {
        if (!before.count(identity)) out.push_back({'+', identity, "", details});
    }
    return out;
}

std::vector<std::string> ChangesSince(const Snapshot& registry, const Snapshot& drive) {
    std::vector<std::string> lines;
    for (const auto& [before, after] :
         {std::pair{&registry, RegistrySnapshot()}, std::pair{&drive, DriveSnapshot()}}) {
        for (const Difference& d : Differences(*before, after))
            lines.push_back(std::string(1, d.kind) + " " + d.identity);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace cw::testing
