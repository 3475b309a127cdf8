#pragma once
// The Windows registry as the program uses it: one call opens the key, does its work and
// closes the key again. Results are Win32 status codes (0 = success).

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Status.h"

namespace cw {

using RootKey = std::uint32_t;
inline constexpr RootKey kHkeyClassesRoot = 0x80000000u;
inline constexpr RootKey kHkeyCurrentUser = 0x80000001u;
inline constexpr RootKey kHkeyLocalMachine = 0x80000002u;
inline constexpr RootKey kHkeyUsers = 0x80000003u;

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// A value as stored: its type and its raw bytes (for REG_SZ: the bytes the writer gave,
// with or without a terminating zero).
struct RegValue {
    std::uint32_t type = kRegNone;
    std::string data;
};

class Registry {
  public:
    virtual ~Registry() = default;

    // Reads one value (opening the key for reading). Values of any type and size.
    virtual long QueryValue(RootKey root, const std::string& subkey, const std::string& name,
                            RegValue& value) = 0;
    // Creates the key and its missing parents, then writes the value's bytes as given.
    virtual long SetValue(RootKey root, const std::string& subkey, const std::string& name,
                          const RegValue& value) = 0;
    virtual long DeleteValue(RootKey root, const std::string& subkey, const std::string& name) = 0;
    // Deletes a key directly; a key that still has subkeys is refused, as on Windows NT.
    virtual long DeleteKey(RootKey root, const std::string& subkey) = 0;
    virtual long CreateKey(RootKey root, const std::string& subkey) = 0;
    virtual bool KeyExists(RootKey root, const std::string& subkey) = 0;
    // Names of the key's values and subkeys, in the registry's order.
    virtual long EnumValueNames(RootKey root, const std::string& subkey,
                                std::vector<std::string>& names) = 0;
    virtual long EnumSubkeys(RootKey root, const std::string& subkey,
                             std::vector<std::string>& names) = 0;
};

}  // namespace cw
