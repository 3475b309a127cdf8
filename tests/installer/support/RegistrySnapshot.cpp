#include "support/RegistrySnapshot.h"

#include <windows.h>

#include <cstdio>

#include "platform/win32/Handles.h"

namespace cw::testing {
namespace {

// Wine links HKLM\System\CurrentControlSet to a control set; a bound on the depth keeps a
// link that points back up from sending the walk round in circles.
constexpr int kMaxDepth = 40;

std::string Hex(const BYTE* data, DWORD size) {
    std::string text;
    char byte[4];
    for (DWORD i = 0; i < size; ++i) {
        std::snprintf(byte, sizeof byte, i ? " %02x" : "%02x", data[i]);
        text += byte;
    }
    return text;
}

std::string DescribeValue(DWORD type, const BYTE* data, DWORD size) {
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        std::string text(reinterpret_cast<const char*>(data), size);
        text = text.substr(0, text.find('\0'));
        return (type == REG_SZ ? "REG_SZ \"" : "REG_EXPAND_SZ \"") + text + "\"";
    }
    if (type == REG_DWORD && size == 4) {
        char number[16];
        std::snprintf(number, sizeof number, "0x%lx",
                      static_cast<unsigned long>(*reinterpret_cast<const DWORD*>(data)));
        return std::string("REG_DWORD ") + number;
    }
    return "type " + std::to_string(type) + ", " + std::to_string(size) +
           " bytes: " + Hex(data, size);
}

void ReadValues(HKEY key, const std::string& path, RegistrySnapshot& out) {
    DWORD count = 0, maxName = 0, maxData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &maxName, &maxData, nullptr, nullptr) != ERROR_SUCCESS) {
        out[path + " : (values)"] = "(unreadable)";
        return;
    }
    std::string name(maxName + 1, '\0');
    std::vector<BYTE> data(maxData + 1);
    for (DWORD i = 0;;) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG status =
            RegEnumValueA(key, i, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize);
        if (status == ERROR_MORE_DATA) {  // the value grew since the key was measured
            name.resize(name.size() * 2 + 256);
            data.resize(data.size() * 2 + 256);
            continue;
        }
        if (status != ERROR_SUCCESS) break;
        out[path + " : " + name.substr(0, nameSize)] = DescribeValue(type, data.data(), dataSize);
        ++i;
    }
}

void ReadKey(HKEY key, const std::string& path, int depth, RegistrySnapshot& out) {
    out[path] = "(key)";
    ReadValues(key, path, out);
    if (depth >= kMaxDepth) return;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        std::string subpath = path + "\\" + std::string(name, size);
        win32::RegKey sub;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, sub.put()) != ERROR_SUCCESS) {
            out[subpath] = "(unreadable)";
            continue;
        }
        ReadKey(sub.get(), subpath, depth + 1, out);
    }
}

}  // namespace

RegistrySnapshot TakeRegistrySnapshot() {
    RegistrySnapshot out;
    ReadKey(HKEY_CURRENT_USER, "HKCU", 0, out);
    ReadKey(HKEY_LOCAL_MACHINE, "HKLM", 0, out);
    return out;
}

std::vector<RegistryChange> CompareSnapshots(const RegistrySnapshot& before,
                                             const RegistrySnapshot& after) {
    std::vector<RegistryChange> changes;
    for (const auto& [path, value] : before) {
        auto it = after.find(path);
        if (it == after.end())
            changes.push_back({path, value, ""});
        else if (it->second != value)
            changes.push_back({path, value, it->second});
    }
    for (const auto& [path, value] : after) {
        if (!before.count(path)) changes.push_back({path, "", value});
    }
    return changes;
}

std::string Describe(const RegistryChange& change) {
    auto side = [](const std::string& s) { return s.empty() ? std::string("(absent)") : s; };
    return change.path + ": " + side(change.before) + " -> " + side(change.after);
}

}  // namespace cw::testing
