#include "settings/SettingsStore.h"

#include "errors/ErrorTrap.h"
#include "settings/SettingNames.h"

namespace cw {

std::string TextUpToZero(const std::string& data) {
    std::size_t zero = data.find('\0');
    return zero == std::string::npos ? data : data.substr(0, zero);
}

std::string SettingsStore::GetSettingString(RootKey root, const std::string& subkey,
                                            const std::string& name, const std::string& def) {
    RegValue value;
    if (registry_.QueryValue(root, subkey, name, value) != kErrorSuccess) return def;
    if (value.type != kRegSz) return def;
    return TextUpToZero(value.data);
}

void SettingsStore::SetSettingString(RootKey root, const std::string& subkey,
                                     const std::string& name, const std::string& data) {
    registry_.SetValue(root, subkey, name, RegValue{kRegSz, data});
}

void SettingsStore::SetSharedString(RootKey root, const std::string& subkey,
                                    const std::string& name, const std::string& data) {
    registry_.SetValue(root, subkey, name, RegValue{kRegSz, data + '\0'});
}

std::int32_t SettingsStore::GetSettingLong(RootKey root, const std::string& subkey,
                                           const std::string& name, std::int32_t def) {
    RegValue value;
    if (registry_.QueryValue(root, subkey, name, value) != kErrorSuccess) return def;
    if (value.type != kRegDword || value.data.size() > 4) return def;
    std::uint32_t n = 0;
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        n |= static_cast<std::uint32_t>(static_cast<unsigned char>(value.data[i])) << (8 * i);
    }
    return static_cast<std::int32_t>(n);
}

void SettingsStore::SetSettingLong(RootKey root, const std::string& subkey, const std::string& name,
                                   std::int32_t data) {
    ErrorTrap trap(TrapKind::ReportAndContinue, errors_, "Module,SaveSettingString");
    trap([&] {
        std::uint32_t n = static_cast<std::uint32_t>(data);
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i)
            bytes[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
        registry_.SetValue(root, subkey, name, RegValue{kRegDword, bytes});
    });
}

void SettingsStore::DeleteSettingValue(RootKey root, const std::string& subkey,
                                       const std::string& name) {
    registry_.DeleteValue(root, subkey, name);
}

std::string SettingsStore::GetOrSeedSettingString(RootKey root, const std::string& subkey,
                                                  const std::string& name,
                                                  const std::string& seed) {
    registry_.CreateKey(root, subkey);
    RegValue value;
    if (registry_.QueryValue(root, subkey, name, value) != kErrorSuccess) {
        registry_.SetValue(root, subkey, name, RegValue{kRegSz, seed});
        return "";
    }
    return TextUpToZero(value.data);
}

std::string SettingsStore::GetAppSetting(const std::string& app, const std::string& section,
                                         const std::string& key, const std::string& def) {
    std::string subkey = std::string(settings::kAppSettingsArea) + "\\" + app + "\\" + section;
    return GetSettingString(kHkeyCurrentUser, subkey, key, def);
}

}  // namespace cw
