#include "sysinfo/KeyValue.h"

#include <cstdio>

#include "text/Convert.h"

namespace cw {

namespace {

constexpr std::size_t kValueBufferBytes = 1024;

// The number's bytes as hexadecimal from the last (most significant) to the first, two
// digits each, then read as "&h..." and written out in decimal. Only the four bytes of
// the number count; the trailing zero byte dropped from the data is the most significant
// one and changes nothing.
std::string DwordText(const std::string& data) {
    std::size_t count = data.size() < 4 ? data.size() : 4;
    std::string hex = "&h";
    for (std::size_t i = count; i > 0; --i) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(data[i - 1]));
        hex += digits;
    }
    return text::ToText(static_cast<long long>(text::Val(hex)));
}

}  // namespace

KeyValue GetKeyValue(Registry& registry, RootKey root, const std::string& key,
                     const std::string& name) {
    RegValue value;
    if (registry.QueryValue(root, key, name, value) != kErrorSuccess) return {};
    if (value.data.size() > kValueBufferBytes) return {};  // it would not fit the buffer
    std::string data = value.data;
    if (!data.empty() && data.back() == '\0') data.pop_back();
    switch (value.type) {
        case kRegSz:
            return {true, data.substr(0, data.find('\0'))};
        case kRegDword:
            return {true, DwordText(data)};
        default:
            return {true, ""};
    }
}

}  // namespace cw
