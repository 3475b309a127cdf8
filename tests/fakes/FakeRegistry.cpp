#include "fakes/FakeRegistry.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "text/Ansi.h"

namespace cw::fakes {

namespace {

// The entry of a key's values or subkeys with that name, letter case aside.
template <class List>
auto Named(List& list, const std::string& name) {
    return std::find_if(list.begin(), list.end(),
                        [&](const auto& entry) { return text::EqualsNoCase(entry.first, name); });
}

}  // namespace

FakeRegistry::FakeRegistry() {
    for (RootKey root : {kHkeyClassesRoot, kHkeyCurrentUser, kHkeyLocalMachine, kHkeyUsers})
        roots_.try_emplace(root);
}

FakeRegistry::Key* FakeRegistry::Find(RootKey root, const std::string& subkey, bool create) {
    auto it = roots_.find(root);
    Key* key = it == roots_.end() ? nullptr : &it->second;
    std::istringstream parts(subkey);
    for (std::string part; key && std::getline(parts, part, '\\');) {
        if (part.empty()) continue;
        auto child = Named(key->subkeys, part);
        if (child != key->subkeys.end()) {
            key = child->second.get();
        } else if (create) {
            key = key->subkeys.emplace_back(part, std::make_unique<Key>()).second.get();
        } else {
            key = nullptr;
        }
    }
    return key;
}

bool FakeRegistry::WriteDenied(RootKey root, const std::string& subkey) const {
    return std::any_of(denied_.begin(), denied_.end(), [&](const auto& denied) {
        return denied.first == root && text::StartsWithNoCase(subkey, denied.second);
    });
}

long FakeRegistry::QueryValue(RootKey root, const std::string& subkey, const std::string& name,
                              RegValue& value) {
    Key* key = Find(root, subkey);
    if (!key) return kErrorFileNotFound;
    auto it = Named(key->values, name);
    if (it == key->values.end()) return kErrorFileNotFound;
    value = it->second;
    return kErrorSuccess;
}

long FakeRegistry::SetValue(RootKey root, const std::string& subkey, const std::string& name,
                            const RegValue& value) {
    if (WriteDenied(root, subkey)) return kErrorAccessDenied;
    Key* key = Find(root, subkey, true);
    if (!key) return kErrorInvalidHandle;
    // Stored as given, as Windows 95/98/Me do: a text written without its terminating zero
    // is read back without it.
    auto it = Named(key->values, name);
    if (it != key->values.end()) {
        it->second = value;
    } else {
        key->values.emplace_back(name, value);
    }
    return kErrorSuccess;
}

long FakeRegistry::DeleteValue(RootKey root, const std::string& subkey, const std::string& name) {
    Key* key = Find(root, subkey);
    if (!key) return kErrorFileNotFound;
    if (WriteDenied(root, subkey)) return kErrorAccessDenied;
    auto it = Named(key->values, name);
    if (it == key->values.end()) return kErrorFileNotFound;
    key->values.erase(it);
    return kErrorSuccess;
}

long FakeRegistry::DeleteKey(RootKey root, const std::string& subkey) {
    std::size_t cut = subkey.find_last_not_of('\\');
    if (cut == std::string::npos) return kErrorInvalidParameter;
    std::size_t slash = subkey.rfind('\\', cut);
    Key* parent = Find(root, slash == std::string::npos ? "" : subkey.substr(0, slash));
    if (!parent) return kErrorFileNotFound;
    auto it = Named(parent->subkeys, subkey.substr(slash + 1, cut - slash));
    if (it == parent->subkeys.end()) return kErrorFileNotFound;
    if (WriteDenied(root, subkey) || !it->second->subkeys.empty()) return kErrorAccessDenied;
    parent->subkeys.erase(it);
    return kErrorSuccess;
}

long FakeRegistry::CreateKey(RootKey root, const std::string& subkey) {
    if (!Find(root, subkey) && WriteDenied(root, subkey)) return kErrorAccessDenied;
    return Find(root, subkey, true) ? kErrorSuccess : kErrorInvalidHandle;
}

bool FakeRegistry::KeyExists(RootKey root, const std::string& subkey) {
    return Find(root, subkey) != nullptr;
}

long FakeRegistry::EnumValueNames(RootKey root, const std::string& subkey,
                                  std::vector<std::string>& names) {
    names.clear();
    Key* key = Find(root, subkey);
    if (!key) return kErrorFileNotFound;
    for (auto& v : key->values)
        names.push_back(v.first);
    return kErrorSuccess;
}

long FakeRegistry::EnumSubkeys(RootKey root, const std::string& subkey,
                               std::vector<std::string>& names) {
    names.clear();
    Key* key = Find(root, subkey);
    if (!key) return kErrorFileNotFound;
    for (auto& k : key->subkeys)
        names.push_back(k.first);
    return kErrorSuccess;
}

void FakeRegistry::SetDword(RootKey root, const std::string& subkey, const std::string& name,
                            std::uint32_t n) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    SetValue(root, subkey, name, RegValue{kRegDword, bytes});
}

bool FakeRegistry::HasValue(RootKey root, const std::string& subkey, const std::string& name) {
    RegValue v;
    return QueryValue(root, subkey, name, v) == kErrorSuccess;
}

void FakeRegistry::DenyWrites(RootKey root, const std::string& subkey, bool deny) {
    if (deny) {
        denied_.insert({root, subkey});
    } else {
        denied_.erase({root, subkey});
    }
}

void FakeRegistry::DumpKey(const Key& key, const std::string& path, std::vector<std::string>& out) {
    out.push_back(path);
    for (const auto& [name, value] : key.values) {
        std::string line = path + "|" + name + "|" + std::to_string(value.type) + "|";
        for (unsigned char c : value.data)
            line += {"0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 15]};
        out.push_back(line);
    }
    for (const auto& [name, child] : key.subkeys)
        DumpKey(*child, path + "\\" + name, out);
}

std::vector<std::string> FakeRegistry::Dump() const {
    std::vector<std::string> out;
    for (const auto& [root, key] : roots_) {
        char name[16];
        std::snprintf(name, sizeof name, "%08x", root);
        DumpKey(key, name, out);
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace cw::fakes
