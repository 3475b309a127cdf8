#pragma once
// The Netscape cookie file "cookies.txt" as the cookie viewer reads it: six header lines,
// then one cookie per line with seven tab-separated fields (domain, domain-wide flag, path,
// secure flag, expiry in seconds since 1970, name, value). Pure functions over the file's
// bytes, so that any file can be thrown at them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw::cookies {

inline constexpr int kHeaderLines = 6;
inline constexpr std::size_t kMaxDomains = 400;

struct DomainCount {
    std::string domain;
    int count = 0;
};

// The file's lines, numbered from 1 by their index + 1. A line ends at CR LF, a bare LF or
// a bare CR.
std::vector<std::string_view> SplitLines(std::string_view file);

// The domain of a cookie line: the text before its first tab, trimmed of blanks. None for
// a blank line or a line without a tab.
std::optional<std::string> CookieDomain(std::string_view line);

// The distinct domains of the cookie lines after the header, in the order they first
// occur, with the number of lines of each; at most kMaxDomains domains.
std::vector<DomainCount> CountDomains(std::string_view file);

// The number of the first cookie line after line start whose domain is the given one;
// 0 when there is none.
int FindCookieLine(const std::vector<std::string_view>& lines, std::string_view domain, int start);

struct CookieFields {
    std::optional<std::string> flag, path, secure, expiry, name, value;
};

// The fields after the domain; those the line lacks stay empty. The value is the rest of the
// line after the sixth tab, tabs and blanks included.
CookieFields SplitCookieLine(std::string_view line);

}  // namespace cw::cookies
