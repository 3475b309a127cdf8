#pragma once
// GetKeyValue: one registry value as text, read the way the About window reads the
// location of the System Information program.

#include <string>

#include "platform/Registry.h"

namespace cw {

struct KeyValue {
    bool found = false;
    std::string text;
};

// Reads the value through a read-only open of the key, so that it works for a user
// without write rights. Values of up to 1024 bytes are read; a string is its text up to
// the first zero; a 32-bit number is its decimal text; any other type is found with an
// empty text. A missing key or value, or a longer one, is not found.
KeyValue GetKeyValue(Registry& registry, RootKey root, const std::string& key,
                     const std::string& name);

}  // namespace cw
