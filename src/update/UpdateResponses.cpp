#include "update/UpdateResponses.h"

#include <cctype>
#include <limits>

#include "text/Ansi.h"
#include "text/Convert.h"

namespace cw::update {

namespace {

constexpr std::string_view kContentLength = "Content-Length:";
constexpr std::string_view kShaToken = "sha256=";
constexpr std::size_t kShaDigits = 64;

bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}
bool IsTokenChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

int StatusCode(std::string_view headers) {
    std::string_view line = headers.substr(0, headers.find("\r\n"));
    if (!text::StartsWithNoCase(line, "HTTP/")) return 0;
    std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos) return 0;
    int code = 0, digits = 0;
    for (std::size_t i = blank + 1; i < line.size() && digits < 3; ++i, ++digits) {
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) return 0;
        code = code * 10 + (line[i] - '0');
    }
    return digits == 3 ? code : 0;
}

std::int32_t RemoteSizeFromHeaders(std::string_view headers) {
    // A missing file answers 404. Only the status counts: a size, date or entity tag that
    // happens to hold the digits 404 says nothing about the file.
    if (StatusCode(headers) == 404) return 0;
    // Header names are not case-sensitive in HTTP.
    std::size_t at = text::FindNoCase(headers, kContentLength);
    if (at == std::string_view::npos) return 0;
    std::string_view value = headers.substr(at + kContentLength.size());
    value = value.substr(0, value.find("\r\n"));
    double size = text::RoundHalfEven(text::Val(text::Trim(value)));
    if (!(size > 0) || size > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::int32_t>(size);
}

VersionFile ParseVersionFile(std::string_view body) {
    VersionFile file;
    file.release = text::ToLong(text::Val(body));
    for (std::size_t at = text::FindNoCase(body, kShaToken); at != std::string_view::npos;
         at = text::FindNoCase(body, kShaToken, at + 1)) {
        if (at > 0 && IsTokenChar(body[at - 1])) continue;  // part of another word
        std::string_view digits = body.substr(at + kShaToken.size());
        std::size_t n = 0;
        while (n < digits.size() && IsHexDigit(digits[n]))
            ++n;
        if (n == kShaDigits && (n == digits.size() || !IsTokenChar(digits[n]))) {
            file.sha256 = text::LowerAnsi(digits.substr(0, n));
        } else {
            file.sha256Malformed = true;
        }
        break;
    }
    return file;
}

}  // namespace cw::update
