#include "text/Ansi.h"

namespace cw::text {

namespace {

// Windows-1252 letters outside ASCII: lower-case 0xE0..0xFE (except 0xF7) map to 0xC0..0xDE
// (except 0xD7); 0x9A/0x8A, 0x9C/0x8C, 0x9E/0x8E and 0xFF/0x9F are the other pairs.
unsigned char Upper1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0x9A:
            return 0x8A;
        case 0x9C:
            return 0x8C;
        case 0x9E:
            return 0x8E;
        case 0xFF:
            return 0x9F;
        default:
            return c;
    }
}

unsigned char Lower1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A:
            return 0x9A;
        case 0x8C:
            return 0x9C;
        case 0x8E:
            return 0x9E;
        case 0x9F:
            return 0xFF;
        default:
            return c;
    }
}

}  // namespace

char UpperAnsi(char c) {
    return static_cast<char>(Upper1252(static_cast<unsigned char>(c)));
}
char LowerAnsi(char c) {
    return static_cast<char>(Lower1252(static_cast<unsigned char>(c)));
}

std::string UpperAnsi(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = UpperAnsi(c);
    return out;
}

std::string LowerAnsi(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = LowerAnsi(c);
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAnsi(a[i]) != UpperAnsi(b[i])) return false;
    }
    return true;
}

std::size_t FindNoCase(std::string_view hay, std::string_view needle, std::size_t start) {
    if (start > hay.size()) return std::string_view::npos;
    if (needle.empty()) return start;
    for (std::size_t i = start; i + needle.size() <= hay.size(); ++i) {
        if (EqualsNoCase(hay.substr(i, needle.size()), needle)) return i;
    }
    return std::string_view::npos;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ')
        ++b;
    while (e > b && s[e - 1] == ' ')
        --e;
    return std::string(s.substr(b, e - b));
}

}  // namespace cw::text
