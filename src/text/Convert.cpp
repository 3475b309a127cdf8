#include "text/Convert.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "errors/RuntimeError.h"
#include "text/Ansi.h"

namespace cw::text {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    char u = UpperAnsi(c);
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return 99;
}

// Reads "&H..." or "&O..." at s[i] (the ampersand); returns false when it is not one.
bool ReadRadix(std::string_view s, std::size_t& i, double& value) {
    if (i + 1 >= s.size() || s[i] != '&') return false;
    char kind = UpperAnsi(s[i + 1]);
    int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
    if (base == 0) return false;
    i += 2;
    value = 0;
    while (i < s.size() && DigitValue(s[i]) < base)
        value = value * base + DigitValue(s[i++]);
    return true;
}

// Scans a decimal number starting at i; blanks inside are skipped when allowed. Returns the
// characters of the number, empty when it holds no digit.
std::string ScanDecimal(std::string_view s, std::size_t& i, bool blanksInside) {
    std::string digits;
    auto skipBlanks = [&] {
        while (blanksInside && i < s.size() && IsBlank(s[i]))
            ++i;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) digits += s[i++];
    skipBlanks();
    bool point = false, any = false;
    while (i < s.size()) {
        char c = s[i];
        if (IsDigit(c)) {
            digits += c;
            any = true;
        } else if (c == '.' && !point) {
            digits += c;
            point = true;
        } else if (!blanksInside || !IsBlank(c)) {
            break;
        }
        ++i;
    }
    if (any && i < s.size() && (UpperAnsi(s[i]) == 'E' || UpperAnsi(s[i]) == 'D')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        std::size_t start = j;
        while (j < s.size() && IsDigit(s[j]))
            exp += s[j++];
        if (j > start) {
            digits += exp;
            i = j;
        }
    }
    if (!any) digits.clear();
    return digits;
}

}  // namespace

double Val(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    double value = 0;
    if (ReadRadix(s, i, value)) return value;
    std::string digits = ScanDecimal(s, i, true);
    if (digits.empty()) return 0;
    return std::strtod(digits.c_str(), nullptr);
}

bool IsNumeric(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    std::string_view t = s.substr(b, e - b);
    if (t.empty()) return false;
    std::size_t i = 0;
    double value = 0;
    if (ReadRadix(t, i, value)) return i > 2 && i == t.size();
    std::string digits = ScanDecimal(t, i, false);
    return !digits.empty() && i == t.size();
}

double RoundHalfEven(double v) {
    double r = std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
    return r;
}

std::int32_t ToLong(double v) {
    double r = RoundHalfEven(v);
    if (!(r >= std::numeric_limits<std::int32_t>::min() &&
          r <= std::numeric_limits<std::int32_t>::max())) {
        throw RuntimeError(err::kOverflow);
    }
    return static_cast<std::int32_t>(r);
}

std::int16_t ToInteger(double v) {
    double r = RoundHalfEven(v);
    if (!(r >= std::numeric_limits<std::int16_t>::min() &&
          r <= std::numeric_limits<std::int16_t>::max())) {
        throw RuntimeError(err::kOverflow);
    }
    return static_cast<std::int16_t>(r);
}

std::int32_t ToLong(std::string_view s) {
    if (!IsNumeric(s)) throw RuntimeError(err::kTypeMismatch);
    return ToLong(Val(s));
}

std::int16_t ToInteger(std::string_view s) {
    if (!IsNumeric(s)) throw RuntimeError(err::kTypeMismatch);
    return ToInteger(Val(s));
}

std::string ToText(long long v) {
    return std::to_string(v);
}

std::string FormatHHmmss(int hour, int minute, int second) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", hour % 100, minute % 100, second % 100);
    return buf;
}

std::string FormatHHmm(const LocalTime& t) {
    return FormatHHmmss(t.hour, t.minute, 0).substr(0, 5);
}

bool ParseTimeOfDay(std::string_view s, int& hour, int& minute, int& second) {
    std::string t = Trim(s);
    int pm = -1;  // -1 none, 0 AM, 1 PM
    if (t.size() > 2) {
        std::string tail = UpperAnsi(t.substr(t.size() - 2));
        if (tail == "AM" || tail == "PM") {
            pm = tail == "PM";
            t = Trim(t.substr(0, t.size() - 2));
        }
    }
    int parts[3] = {0, 0, 0};
    int count = 0;
    std::size_t i = 0;
    while (count < 3) {
        std::size_t start = i;
        int v = 0;
        while (i < t.size() && IsDigit(t[i]) && i - start < 3)
            v = v * 10 + (t[i++] - '0');
        if (i == start) return false;
        parts[count++] = v;
        if (i == t.size()) break;
        if (t[i] != ':') return false;
        ++i;
    }
    if (i != t.size() || count < 2) return false;
    hour = parts[0];
    minute = parts[1];
    second = parts[2];
    if (pm >= 0) {
        if (hour < 1 || hour > 12) return false;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    return hour < 24 && minute < 60 && second < 60;
}

std::string FormatTextHHmm(std::string_view s) {
    int h = 0, m = 0, sec = 0;
    if (!ParseTimeOfDay(s, h, m, sec)) return std::string(s);
    return FormatHHmmss(h, m, 0).substr(0, 5);
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153LL * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::string FormatEpochSeconds(double seconds) {
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (!std::isfinite(seconds) || std::fabs(seconds) > 2.5e14) {
        throw RuntimeError(err::kOverflow);
    }
    long long total = static_cast<long long>(RoundHalfEven(seconds));
    long long days = total >= 0 ? total / 86400 : -((-total + 86399) / 86400);
    long long rest = total - days * 86400;
    int y = 1970, m = 1, d = 1;
    CivilFromDays(days, y, m, d);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s %02d, %04d   %02d:%02d:%d", kMonths[m - 1], d, y,
                  static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
                  static_cast<int>(rest % 60));
    return buf;
}

std::string PercentEncode(std::string_view s, std::string_view keep) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : s) {
        unsigned char u = static_cast<unsigned char>(c);
        bool unreserved = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
                          (u >= '0' && u <= '9') || u == '-' || u == '.' || u == '_' || u == '~';
        if (unreserved || (u != 0 && keep.find(c) != std::string_view::npos)) {
            out += c;
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

}  // namespace cw::text
