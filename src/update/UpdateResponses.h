#pragma once
// Reading the update server's answers: the size a response announces, its status, and the
// version file.

#include <cstdint>
#include <string>
#include <string_view>

namespace cw::update {

// The status code of raw response headers ("HTTP/1.1 404 Not Found" gives 404); 0 when
// there is no status line.
int StatusCode(std::string_view headers);

// The size announced by raw response headers: 0 for a "404" status or when
// "Content-Length:" is missing or unusable; otherwise the value after it, up to the next
// CR LF, trimmed, read as a number and rounded to a whole number.
std::int32_t RemoteSizeFromHeaders(std::string_view headers);

struct VersionFile {
    // The leading number of the text, rounded, halves to even; 0 without one. Out of the
    // 32-bit range raises error 6.
    std::int32_t release = 0;
    // The hash that a "sha256=" token after the number gives, as 64 lower-case hexadecimal
    // digits; empty when there is no such token.
    std::string sha256;
    // A "sha256=" token is there but not followed by exactly 64 hexadecimal digits: no
    // download can be checked against it.
    bool sha256Malformed = false;
};

VersionFile ParseVersionFile(std::string_view body);

}  // namespace cw::update
