#pragma once
// The registry operations every part of the program uses for its settings. Each opens the
// key, does its work and closes it; none reports a status: reads fall back to the caller's
// default and failed writes leave nothing behind.

#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace cw {

class ErrorSink;

class SettingsStore {
  public:
    explicit SettingsStore(Registry& registry, ErrorSink* errors = nullptr)
        : registry_(registry), errors_(errors) {}

    // A REG_SZ value up to its first zero character; the default for a missing key or
    // value and for every other type (REG_EXPAND_SZ included).
    std::string GetSettingString(RootKey root, const std::string& subkey, const std::string& name,
                                 const std::string& def = "");
    // Writes REG_SZ with the text's length, no terminating zero counted.
    void SetSettingString(RootKey root, const std::string& subkey, const std::string& name,
                          const std::string& data);
    // Writes REG_SZ with its terminating zero, as other programs (Windows, Internet Explorer)
    // expect of the values they read; some of them read the stored size as the length.
    void SetSharedString(RootKey root, const std::string& subkey, const std::string& name,
                         const std::string& data);
    // A REG_DWORD value; the default for anything else.
    std::int32_t GetSettingLong(RootKey root, const std::string& subkey, const std::string& name,
                                std::int32_t def = 0);
    void SetSettingLong(RootKey root, const std::string& subkey, const std::string& name,
                        std::int32_t data);
    void DeleteSettingValue(RootKey root, const std::string& subkey, const std::string& name);
    // The stored text (any type, up to the first zero); when the value is missing, writes
    // the seed and returns empty text for this one call.
    std::string GetOrSeedSettingString(RootKey root, const std::string& subkey,
                                       const std::string& name, const std::string& seed);
    // The per-user application-settings area (application, section, key).
    std::string GetAppSetting(const std::string& app, const std::string& section,
                              const std::string& key, const std::string& def);

    Registry& registry() { return registry_; }

  private:
    Registry& registry_;
    ErrorSink* errors_;
};

// The text of REG_SZ-style data up to its first zero character.
std::string TextUpToZero(const std::string& data);

}  // namespace cw
