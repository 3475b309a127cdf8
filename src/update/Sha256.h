#pragma once
// SHA-256 (FIPS 180-4) of a byte string, for checking a downloaded release against the hash
// its version file publishes.

#include <string>
#include <string_view>

namespace cw::update {

// The 32-byte digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view data);

}  // namespace cw::update
