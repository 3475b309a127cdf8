#pragma once
// Letter case and case-insensitive search in the ANSI code page (Windows-1252), as the
// program's texts are single-byte.

#include <cstddef>
#include <string>
#include <string_view>

namespace cw::text {

char UpperAnsi(char c);
char LowerAnsi(char c);
std::string UpperAnsi(std::string_view s);
std::string LowerAnsi(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Position of needle in hay at or after start, ignoring case; npos when absent.
std::size_t FindNoCase(std::string_view hay, std::string_view needle, std::size_t start = 0);
inline bool ContainsNoCase(std::string_view hay, std::string_view needle) {
    return FindNoCase(hay, needle) != std::string_view::npos;
}
bool StartsWithNoCase(std::string_view s, std::string_view prefix);
// Removes blanks (space characters only) from both ends.
std::string Trim(std::string_view s);

}  // namespace cw::text
