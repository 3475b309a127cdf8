#include "fakes/FakeRegistry.h"

#include <algorithm>
#include <cstdio>

#include "text/Ansi.h"

namespace cw::fakes {

FakeRegistry::FakeRegistry() {
    for (RootKey root : {kHkeyClassesRoot, kHkeyCurrentUser, kHkeyLocalMachine, kHkeyUsers})
        roots_[root] = std::make_unique<Key>();
}

FakeRegistry::Key* FakeRegistry::Find(RootKey root, const std::string& subkey, bool create) {
    auto it = roots_.find(root);
    Key* key = it == roots_.end() ? nullptr : it->second.get();
    std::size_t start = 0;
    while (key && start <= subkey.size()) {
        std::size_t end = std::min(subkey.find('\\', start), subkey.size());
        std::string part = subkey.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        auto child = std::find_if(key->subkeys.begin(), key->subkeys.end(),
                                  [&](const auto& k) { return text::EqualsNoCase(k->name, part); });
        if (child != key->subkeys.end()) {
            key = child->get();
        } else if (create) {
            key = key->subkeys.emplace_back(std::make_unique<Key>(Key{part, {}, {}})).get();
        } else {
            key = nullptr;
        }
    }
    return key;
}

bool FakeRegistry::WriteDenied(RootKey root, const std::string& subkey) const {
    for (const auto& [deniedRoot, deniedKey] : denied_) {
        if (deniedRoot == root && text::StartsWithNoCase(subkey, deniedKey)) return true;
    }
    return false;
}

long FakeRegistry::QueryValue(RootKey root, const std::string& subkey, const std::string& name,
                              RegValue& value) {
    Key* key = Find(root, subkey);
    if (!key) return kErrorFileNotFound;
    for (auto& [valueName, stored] : key->values) {
        if (text::EqualsNoCase(valueName, name)) {
            value = stored;
            return kErrorSuccess;
        }
    }
    return kErrorFileNotFound;
}

long FakeRegistry::SetValue(RootKey root, const std::string& subkey, const std::string& name,
                            const RegValue& value) {
    if (WriteDenied(root, subkey)) return kErrorAccessDenied;
    Key* key = Find(root, subkey, true);
    if (!key) return kErrorInvalidHandle;
    // Stored as given, as Windows 95/98/Me do: a text written without its terminating zero
    // is read back without it.
    for (auto& [valueName, existing] : key->values) {
        if (text::EqualsNoCase(valueName, name)) {
            existing = value;
            return kErrorSuccess;
        }
    }
    key->values.emplace_back(name, value);
    return kErrorSuccess;
}

long FakeRegistry::DeleteValue(RootKey root, const std::string& subkey, const std::string& name) {
    Key* key = Find(root, subkey);
    if (!key) return kErrorFileNotFound;
    if (WriteDenied(root, subkey)) return kErrorAccessDenied;
    auto& values = key->values;
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const auto& v) { return text::EqualsNoCase(v.first, name); });
    if (it == values.end()) return kErrorFileNotFound;
    values.erase(it);
    return kErrorSuccess;
}

long FakeRegistry::DeleteKey(RootKey root, const std::string& subkey) {
    std::size_t cut = subkey.find_last_not_of('\\');
    if (cut == std::string::npos) return kErrorInvalidParameter;
    std::size_t slash = subkey.rfind('\\', cut);
    std::string leaf = subkey.substr(slash + 1, cut - slash);
    Key* parent = Find(root, slash == std::string::npos ? "" : subkey.substr(0, slash));
    if (!parent) return kErrorFileNotFound;
    auto& children = parent->subkeys;
    auto it = std::find_if(children.begin(), children.end(),
                           [&](const auto& k) { return text::EqualsNoCase(k->name, leaf); });
    if (it == children.end()) return kErrorFileNotFound;
    if (WriteDenied(root, subkey) || !(*it)->subkeys.empty()) return kErrorAccessDenied;
    children.erase(it);
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
        names.push_back(k->name);
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
    for (const auto& child : key.subkeys)
        DumpKey(*child, path + "\\" + child->name, out);
}

std::vector<std::string> FakeRegistry::Dump() const {
    std::vector<std::string> out;
    for (const auto& [root, key] : roots_) {
        char name[16];
        std::snprintf(name, sizeof name, "%08x", root);
        DumpKey(*key, name, out);
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace cw::fakes
