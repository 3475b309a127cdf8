#include "platform/win32/Win32Registry.h"

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

HKEY RootHandle(RootKey root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root));
}

long Open(RootKey root, const std::string& subkey, REGSAM access, RegKey& key) {
    return RegOpenKeyExA(RootHandle(root), subkey.c_str(), 0, access, key.put());
}

}  // namespace

long Win32Registry::QueryValue(RootKey root, const std::string& subkey, const std::string& name,
                               RegValue& value) {
    RegKey key;
    long status = Open(root, subkey, KEY_QUERY_VALUE, key);
    if (status != ERROR_SUCCESS) return status;
    // The size may change between the two calls; try again a few times when it grew.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0, size = 0;
        status = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
        if (status != ERROR_SUCCESS) return status;
        std::string data(size, '\0');
        status = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &size);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return status;
        data.resize(size);
        value.type = type;
        value.data = std::move(data);
        return ERROR_SUCCESS;
    }
    return ERROR_MORE_DATA;
}

long Win32Registry::SetValue(RootKey root, const std::string& subkey, const std::string& name,
                             const RegValue& value) {
    RegKey key;
    long status = RegCreateKeyExA(RootHandle(root), subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, key.put(), nullptr);
    if (status != ERROR_SUCCESS) return status;
    return RegSetValueExA(key.get(), name.c_str(), 0, value.type,
                          reinterpret_cast<const BYTE*>(value.data.data()),
                          static_cast<DWORD>(value.data.size()));
}

long Win32Registry::DeleteValue(RootKey root, const std::string& subkey, const std::string& name) {
    RegKey key;
    long status = Open(root, subkey, KEY_SET_VALUE, key);
    if (status != ERROR_SUCCESS) return status;
    return RegDeleteValueA(key.get(), name.c_str());
}

long Win32Registry::DeleteKey(RootKey root, const std::string& subkey) {
    if (subkey.empty()) return ERROR_INVALID_PARAMETER;
    return RegDeleteKeyA(RootHandle(root), subkey.c_str());
}

long Win32Registry::CreateKey(RootKey root, const std::string& subkey) {
    RegKey key;
    return RegCreateKeyExA(RootHandle(root), subkey.c_str(), 0, nullptr, 0, KEY_READ, nullptr,
                           key.put(), nullptr);
}

bool Win32Registry::KeyExists(RootKey root, const std::string& subkey) {
    RegKey key;
    return Open(root, subkey, KEY_READ, key) == ERROR_SUCCESS;
}

long Win32Registry::EnumValueNames(RootKey root, const std::string& subkey,
                                   std::vector<std::string>& names) {
    names.clear();
    RegKey key;
    long status = Open(root, subkey, KEY_QUERY_VALUE, key);
    if (status != ERROR_SUCCESS) return status;
    for (DWORD i = 0;; ++i) {
        char name[16384];
        DWORD length = sizeof name;
        status = RegEnumValueA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (status != ERROR_SUCCESS) return status;
        names.emplace_back(name, length);
    }
}

long Win32Registry::EnumSubkeys(RootKey root, const std::string& subkey,
                                std::vector<std::string>& names) {
    names.clear();
    RegKey key;
    long status = Open(root, subkey, KEY_ENUMERATE_SUB_KEYS, key);
    if (status != ERROR_SUCCESS) return status;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD length = sizeof name;
        status = RegEnumKeyExA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (status != ERROR_SUCCESS) return status;
        names.emplace_back(name, length);
    }
}

}  // namespace cw::win32
