#pragma once
// An in-memory registry with Windows rules: key and value names compare without regard to
// case, keys keep the order their values and subkeys were created in, and a key that still
// has subkeys cannot be deleted.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Registry.h"

namespace cw::fakes {

class FakeRegistry : public Registry {
  public:
    FakeRegistry();

    long QueryValue(RootKey root, const std::string& subkey, const std::string& name,
                    RegValue& value) override;
    long SetValue(RootKey root, const std::string& subkey, const std::string& name,
                  const RegValue& value) override;
    long DeleteValue(RootKey root, const std::string& subkey, const std::string& name) override;
    long DeleteKey(RootKey root, const std::string& subkey) override;
    long CreateKey(RootKey root, const std::string& subkey) override;
    bool KeyExists(RootKey root, const std::string& subkey) override;
    long EnumValueNames(RootKey root, const std::string& subkey,
                        std::vector<std::string>& names) override;
    long EnumSubkeys(RootKey root, const std::string& subkey,
                     std::vector<std::string>& names) override;

    // Test helpers.
    void SetString(RootKey root, const std::string& subkey, const std::string& name,
                   const std::string& text) {
        SetValue(root, subkey, name, RegValue{kRegSz, text});
    }
    void SetDword(RootKey root, const std::string& subkey, const std::string& name,
                  std::uint32_t n);
    bool HasValue(RootKey root, const std::string& subkey, const std::string& name);
    // Writes and deletes under this key (and below) fail with access denied (until allowed
    // again with deny false).
    void DenyWrites(RootKey root, const std::string& subkey, bool deny = true);
    // Every key and value as "root\key\...|name|type|hex data" lines, sorted: a whole-registry
    // snapshot to compare before and after an operation.
    std::vector<std::string> Dump() const;

  private:
    struct Key {
        std::vector<std::pair<std::string, RegValue>> values;
        std::vector<std::pair<std::string, std::unique_ptr<Key>>> subkeys;
    };
    // The key, or with create true the key made with its missing parents.
    Key* Find(RootKey root, const std::string& subkey, bool create = false);
    bool WriteDenied(RootKey root, const std::string& subkey) const;
    static void DumpKey(const Key& key, const std::string& path, std::vector<std::string>& out);

    std::map<RootKey, Key> roots_;
    std::set<std::pair<RootKey, std::string>> denied_;
};

}  // namespace cw::fakes
